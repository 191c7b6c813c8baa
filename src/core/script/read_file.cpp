#include "script/read_file.h"

#include <sys/stat.h>

#include <cstdio>
#include <new>

namespace velk {

ReadFileResult ReadFileBytes(const std::string& path, FileBytes& bytes) {
  bytes = FileBytes{};
  struct stat status {};
  if (stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return ReadFileResult::NoFile;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return ReadFileResult::NoFile;
  const size_t size = static_cast<size_t>(status.st_size);
  bytes.data.reset(new (std::nothrow) char[size > 0 ? size : 1]);
  if (!bytes.data) {
    std::fclose(file);
    return ReadFileResult::NoMemory;
  }
  bytes.size = std::fread(bytes.data.get(), 1, size, file);
  std::fclose(file);
  return ReadFileResult::Ok;
}

}  // namespace velk
