#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace velk {

inline constexpr size_t kMaxPackageFiles = 100;
inline constexpr size_t kMaxPackageNameBytes = 131;

// The files a device package of the open project would carry, in the order
// they were added: the boot logo, the script, then every image and font file
// loaded. Filled by package/package_list.h, which keeps it within its bounds.
struct PackageList {
  std::vector<std::string> names;  // at most kMaxPackageFiles, each at most kMaxPackageNameBytes
  bool refused = false;            // a name was refused since the last reset: the list is incomplete
};

}  // namespace velk
