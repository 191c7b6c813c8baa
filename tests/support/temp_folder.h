#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace velk::test {

// A fresh folder under the system's temporary folder, removed with everything
// in it when the object goes.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "velk-test-XXXXXX").string();
    if (mkdtemp(pattern.data())) path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder with a trailing "/", like a project folder.
  std::string Path() const { return path_.string() + "/"; }
  std::string Path(const std::string& name) const { return (path_ / name).string(); }
  const std::filesystem::path& path() const { return path_; }

  // Writes `bytes` exactly as given to the relative path `name` (folders made
  // as needed) and returns the full path.
  std::string Write(const std::string& name, std::string_view bytes) const {
    const std::filesystem::path full = path_ / name;
    std::error_code ignored;
    std::filesystem::create_directories(full.parent_path(), ignored);
    std::ofstream out(full, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return full.string();
  }
  std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
    return Write(name, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  }

 private:
  std::filesystem::path path_;
};

}  // namespace velk::test
