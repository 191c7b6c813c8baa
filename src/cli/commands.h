#pragma once

#include <cstdio>
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
int RunSave(const std::vector<std::string>& args);
int RunBuild(const std::vector<std::string>& args);
int RunRun(const std::vector<std::string>& args);
int RunDbc(const std::vector<std::string>& args);
int RunCanlist(const std::vector<std::string>& args);
int RunLogger(const std::vector<std::string>& args);
int RunPackage(const std::vector<std::string>& args);
int RunRender(const std::vector<std::string>& args);
int RunFontgen(const std::vector<std::string>& args);

// Prints "velk NAME: message" and the usage line to stderr; returns kUsageError.
int UsageError(const Command& command, const std::string& message);

// Writes one log line as it is, NUL bytes of a broken script included, and a
// line end unless the line carries its own.
void PrintLogLine(const std::string& line, std::FILE* out);

extern const Command kCheckCommand;
extern const Command kSaveCommand;
extern const Command kBuildCommand;
extern const Command kRunCommand;
extern const Command kDbcCommand;
extern const Command kCanlistCommand;
extern const Command kLoggerCommand;
extern const Command kPackageCommand;
extern const Command kRenderCommand;
extern const Command kFontgenCommand;

}  // namespace velk::cli
