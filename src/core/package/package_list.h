#pragma once

#include <string_view>

namespace velk {

struct Project;

// Starts the list afresh for an Open: "logo.png", then "scr.txt".
void ResetPackageList(Project& project);

// Appends the file name of a loaded image or font to the list, without the
// double quotes around it; no duplicate check. A name that would make the
// list longer than 100 names, or that is longer than 131 bytes, is refused:
// nothing is added, the list is marked incomplete and a line naming the file
// goes to the log. True when the name was added.
bool AddPackageFile(Project& project, std::string_view name);

}  // namespace velk
