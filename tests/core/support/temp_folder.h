#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace velk::test {

// A fresh folder under the system's temporary folder, removed with everything
// in it when the object goes. Path() ends in "/", like a project folder.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "velk-test-XXXXXX").string();
    if (mkdtemp(pattern.data())) path_ = pattern + "/";
  }
  ~TempFolder() {
    std::error_code error;
    if (!path_.empty()) std::filesystem::remove_all(path_, error);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& Path() const { return path_; }

  // Writes `bytes` to the relative path `name` (folders made as needed) and
  // returns the full path.
  std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
    const std::filesystem::path full = std::filesystem::path(path_) / name;
    std::error_code error;
    std::filesystem::create_directories(full.parent_path(), error);
    std::ofstream out(full, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return full.string();
  }
  std::string Write(const std::string& name, const std::string& text) const {
    return Write(name, std::vector<uint8_t>(text.begin(), text.end()));
  }

 private:
  std::string path_;
};

}  // namespace velk::test
