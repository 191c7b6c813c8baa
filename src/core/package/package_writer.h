#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/package_list.h"

namespace velk {

struct Project;

// The device package: an 8-byte magic, the number of files n, n directory
// entries of 140 bytes, then the files' contents back to back in directory
// order. Every number is unsigned 32-bit little-endian. An entry holds the
// file's name relative to the project folder (zero-terminated, zeros after),
// its size, and its data address: the offset of its first byte in the
// package plus kPackageAddressBase, where the device maps the package.
inline constexpr std::string_view kPackageMagic{"KVXFS1\0\0", 8};
inline constexpr size_t kPackageHeaderBytes = 12;  // the magic and n
inline constexpr size_t kPackageEntryBytes = 140;
inline constexpr size_t kPackageNameFieldBytes = 132;
inline constexpr size_t kPackageSizeOffset = 132;     // in an entry
inline constexpr size_t kPackageAddressOffset = 136;  // in an entry
inline constexpr uint32_t kPackageAddressBase = 0x450000;
inline constexpr size_t kMaxPackageBytes = 16 * 1024 * 1024;

static_assert(kPackageNameFieldBytes == kMaxPackageNameBytes + 1, "a listed name and its terminator fill the field");

// Packs the files of the project's package file list, in list order, from
// the project folder (a name may use "\" and differ in ASCII case, as
// script file names do), and writes the package into the project folder
// under `name`. The script goes in as the file "scr.txt" of the folder, as
// it is on disk. Nothing is created or changed when the package is refused:
// the list is incomplete (a name was refused when it was loaded), holds more
// than 100 names or a name over 131 bytes, a listed file cannot be opened
// or read or is empty, the package would pass 16 MiB, or `name` is one of
// the files it carries. A failed write leaves no partial package either: the
// package replaces the target only when complete. On failure `error` says why.
bool WritePackage(const Project& project, const std::string& name, std::string& error);

// The package's name for a script: its file-name part with everything from
// the last "." replaced by ".velk" ("scr.txt" gives "scr.velk"), or with
// ".velk" added when the name has no ".".
std::string PackageNameFor(std::string_view script_path);

}  // namespace velk
