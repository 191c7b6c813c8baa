#include "package/package_writer.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

#include "assets/project_file.h"
#include "model/project.h"
#include "script/write_file.h"

namespace velk {
namespace {

using FileHandle = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

void PutU32(std::string& bytes, size_t at, uint32_t value) {
  for (size_t k = 0; k < 4; ++k) bytes[at + k] = static_cast<char>(value >> (8 * k) & 0xFF);
}

bool CheckList(const PackageList& list, std::string& error) {
  if (list.refused) {
    error = "the package file list is incomplete: a loaded file was not listed (more than " +
            std::to_string(kMaxPackageFiles) + " files, or a name longer than " + std::to_string(kMaxPackageNameBytes) +
            " characters; see the log)";
    return false;
  }
  if (list.names.size() > kMaxPackageFiles) {
    error = "more than " + std::to_string(kMaxPackageFiles) + " files to pack (" + std::to_string(list.names.size()) + ")";
    return false;
  }
  for (const std::string& name : list.names) {
    if (name.size() <= kMaxPackageNameBytes) continue;
    error = "file name longer than " + std::to_string(kMaxPackageNameBytes) + " characters: " + name;
    return false;
  }
  return true;
}

// Appends the whole of one listed file to the package and returns its size
// in `size`. The size is taken from the open file and checked against the
// room left before a byte is read, so that no file, however large, is read
// past the package's bound.
bool AppendFile(const std::string& folder, const std::string& name, std::string& package, size_t& size,
                std::string& error) {
  const std::string path = ProjectFilePath(folder, name);
  const FileHandle file(std::fopen(path.c_str(), "rb"), std::fclose);
  if (!file) {
    error = "cannot open " + name + " in the project folder: " + std::strerror(errno);
    return false;
  }
  struct stat status {};
  if (fstat(fileno(file.get()), &status) != 0 || !S_ISREG(status.st_mode)) {
    error = name + " in the project folder is not a file";
    return false;
  }
  size = static_cast<size_t>(status.st_size);
  if (size == 0) {
    error = name + " is empty";
    return false;
  }
  if (size > kMaxPackageBytes - package.size()) {
    error = "the package would be larger than " + std::to_string(kMaxPackageBytes) + " bytes (16 MiB) with " + name;
    return false;
  }
  const size_t at = package.size();
  package.resize(at + size);
  if (std::fread(package.data() + at, 1, size, file.get()) != size) {
    error = "cannot read " + name;
    return false;
  }
  return true;
}

// Builds the whole package in memory: the header, then each file at the
// write position with its entry filled in.
bool BuildPackage(const Project& project, std::string& package, std::string& error) {
  const std::vector<std::string>& names = project.package.names;
  package.assign(kPackageHeaderBytes + kPackageEntryBytes * names.size(), '\0');
  package.replace(0, kPackageMagic.size(), kPackageMagic);
  PutU32(package, kPackageMagic.size(), static_cast<uint32_t>(names.size()));
  for (size_t i = 0; i < names.size(); ++i) {
    const size_t entry = kPackageHeaderBytes + kPackageEntryBytes * i;
    const size_t position = package.size();
    size_t size = 0;
    if (!AppendFile(project.folder, names[i], package, size, error)) return false;
    package.replace(entry, names[i].size(), names[i]);
    PutU32(package, entry + kPackageSizeOffset, static_cast<uint32_t>(size));
    PutU32(package, entry + kPackageAddressOffset, static_cast<uint32_t>(position) + kPackageAddressBase);
  }
  return true;
}

// Whether writing the package to `target` would replace one of the files it
// carries (the script, say, when the package is given its name).
bool ReplacesAListedFile(const Project& project, const std::string& target, std::string& error) {
  for (const std::string& name : project.package.names) {
    std::error_code ignored;
    if (!std::filesystem::equivalent(ProjectFilePath(project.folder, name), target, ignored)) continue;
    error = "the package would replace " + name + ", which it carries";
    return true;
  }
  return false;
}

}  // namespace

bool WritePackage(const Project& project, const std::string& name, std::string& error) {
  if (!CheckList(project.package, error)) return false;
  std::string package;
  if (!BuildPackage(project, package, error)) return false;
  const std::string target = project.folder + name;
  if (ReplacesAListedFile(project, target, error)) return false;
  return WriteFileAtomically(target, package, error);
}

std::string PackageNameFor(std::string_view script_path) {
  std::string name = std::filesystem::path(script_path).filename().string();
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return name + ".velk";
}

}  // namespace velk
