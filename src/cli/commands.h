#pragma once

#include <string>
#include <vector>

namespace velk::cli {

// Exit status of a usage error.
inline constexpr int kUsageError = 64;

struct Command {
  const char* name;
  const char* summary;
  const char* usage;  // the whole text of `velk NAME --help`
  int (*run)(const std::vector<std::string>& args);
};

int RunCheck(const std::vector<std::string>& args);
int RunDbc(const std::vector<std::string>& args);
int RunCanlist(const std::vector<std::string>& args);
int RunLogger(const std::vector<std::string>& args);

// Prints "velk NAME: message" and the usage line to stderr; returns kUsageError.
int UsageError(const Command& command, const std::string& message);

extern const Command kCheckCommand;
extern const Command kDbcCommand;
extern const Command kCanlistCommand;
extern const Command kLoggerCommand;

}  // namespace velk::cli
