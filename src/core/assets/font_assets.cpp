#include "assets/font_assets.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "assets/project_file.h"
#include "model/project.h"
#include "package/package_list.h"
#include "script/lexical.h"

namespace velk {
namespace {

struct File {
  std::FILE* handle;
  ~File() {
    if (handle) std::fclose(handle);
  }
};

bool ReadFontFile(const std::string& path, std::vector<uint8_t>& bytes, std::string& reason) {
  File file{std::fopen(path.c_str(), "rb")};
  std::error_code error;
  const uintmax_t size = std::filesystem::file_size(path, error);
  if (!file.handle || error) {
    reason = "the file cannot be opened";
    return false;
  }
  if (size > kMaxFontFileBytes) {
    reason = "larger than " + std::to_string(kMaxFontFileBytes >> 20) + " MiB";
    return false;
  }
  bytes.resize(static_cast<size_t>(size));
  bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file.handle));
  if (bytes.empty()) {
    reason = "nothing could be read";
    return false;
  }
  return true;
}

// The validated font of a named file, or nothing with a log line.
std::shared_ptr<const DeviceFont> ReadFont(Project& project, std::string_view name) {
  std::vector<uint8_t> bytes;
  std::string reason;
  std::shared_ptr<const DeviceFont> font;
  if (ReadFontFile(ProjectFilePath(project.folder, name), bytes, reason))
    font = DeviceFont::FromBytes(std::move(bytes), reason);
  if (!font) project.log.AppendLog("Font not loaded: " + std::string(name) + ": " + reason);
  return font;
}

}  // namespace

std::shared_ptr<const DeviceFont> LoadFontAsset(Project& project, std::string_view file_name) {
  const std::string_view name = UnquotedName(file_name);
  if (project.fonts.names.size() >= kFontSlots) {
    project.log.AppendLog("Font not loaded: " + std::string(name) + ": the font library holds " +
                          std::to_string(kFontSlots) + " fonts");
    return nullptr;
  }
  std::shared_ptr<const DeviceFont> font = ReadFont(project, name);
  if (!font) return nullptr;
  project.fonts.names.emplace_back(name);
  project.device_memory += static_cast<uint32_t>(font->FileSize());
  AddPackageFile(project, name);
  return font;
}

std::shared_ptr<const DeviceFont> ReplaceFontAsset(Project& project, std::string_view file_name, size_t entry) {
  const std::string_view name = UnquotedName(file_name);
  if (entry >= project.fonts.names.size()) {
    project.log.AppendLog("Font not loaded: " + std::string(name) + ": there is no font " + std::to_string(entry + 1));
    return nullptr;
  }
  std::shared_ptr<const DeviceFont> font = ReadFont(project, name);
  if (!font) return nullptr;
  project.fonts.names[entry] = std::string(name);
  project.device_memory += static_cast<uint32_t>(font->FileSize());
  return font;
}

}  // namespace velk
