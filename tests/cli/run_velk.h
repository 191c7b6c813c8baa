#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

namespace velk::test {

struct VelkRun {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs the velk binary with a shell-quoted argument string; stderr goes to a
// file so that both streams can be compared whole.
// With `folder`, the binary runs in that working folder.
inline VelkRun RunVelk(const std::string& arguments, const std::string& err_file, const std::string& folder = "") {
  VelkRun run;
  const std::string in_folder = folder.empty() ? std::string() : "cd '" + folder + "' && ";
  const std::string command = in_folder + "'" + VELK_BINARY + "' " + arguments + " 2>'" + err_file + "'";
  std::FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  std::array<char, 4096> buffer;
  size_t n;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  if (std::FILE* err = std::fopen(err_file.c_str(), "rb")) {
    while ((n = std::fread(buffer.data(), 1, buffer.size(), err)) > 0) run.err.append(buffer.data(), n);
    std::fclose(err);
  }
  return run;
}

}  // namespace velk::test
