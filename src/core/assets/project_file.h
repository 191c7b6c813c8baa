#pragma once

#include <string>
#include <string_view>

namespace velk {

// The path of a file that a script names, in the project folder (which ends
// in "/", or is empty for the working folder). Projects made on Windows
// separate folders with "\" and do not care about letter case, so "\" is
// read as "/", and when the exact path does not exist each folder and the
// file name are matched ASCII-case-insensitively in their folder (the first
// match in byte order when several differ only in case). When nothing
// matches, the exact path is returned, so that opening it fails.
std::string ProjectFilePath(std::string_view folder, std::string_view name);

}  // namespace velk
