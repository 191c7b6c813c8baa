#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace velk {

enum class ReadFileResult { Ok, NoFile, NoMemory };

// The whole of a file in one buffer. Only regular files are read: a folder or
// a device "opens" on this platform but has no bytes to give.
struct FileBytes {
  std::unique_ptr<char[]> data;
  size_t size = 0;

  std::string_view view() const { return {data.get(), size}; }
};

ReadFileResult ReadFileBytes(const std::string& path, FileBytes& bytes);

}  // namespace velk
