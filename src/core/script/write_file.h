#pragma once

#include <string>
#include <string_view>

namespace velk {

// Writes `bytes` to `path`, replacing the file only when every byte reached
// the disk: a failure leaves the previous file, or no file, and no partial
// one. The new file takes the mode of the file it replaces. On failure
// `error` says why.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& error);

}  // namespace velk
