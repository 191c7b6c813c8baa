#include "script/write_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace velk {
namespace {

bool WriteAll(int descriptor, std::string_view bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written = write(descriptor, bytes.data() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += static_cast<size_t>(written);
  }
  return true;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& error) {
  // The temporary file sits beside the target so that the rename stays on
  // one file system and replaces the target in one step. It is made as any
  // new file is (the umask applies), then takes the mode of the file it replaces.
  const std::string temporary = path + ".saving-" + std::to_string(getpid());
  const int descriptor = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (descriptor < 0) {
    error = "cannot create " + temporary + ": " + std::strerror(errno);
    return false;
  }
  struct stat target {};
  if (stat(path.c_str(), &target) == 0) fchmod(descriptor, target.st_mode & 07777);
  const bool written = WriteAll(descriptor, bytes) && fsync(descriptor) == 0;
  const int write_error = errno;
  if (close(descriptor) != 0 || !written) {
    error = "cannot write " + path + ": " + std::strerror(written ? errno : write_error);
    unlink(temporary.c_str());
    return false;
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    error = "cannot replace " + path + ": " + std::strerror(errno);
    unlink(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace velk
