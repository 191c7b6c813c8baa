#pragma once

#include <string>
#include <string_view>

namespace velk {

// Writes `bytes` to a file, replacing it only when all of them were written:
// the bytes go to a temporary file beside it, which then takes its place in
// one rename. Whatever fails, the previous file (or its absence) stays and
// no partial file is left; `error` says why.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& error);

}  // namespace velk
