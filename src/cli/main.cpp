// velk: the headless tool. One subcommand per job, for people and for CI.
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "commands.h"

namespace velk::cli {
namespace {

const Command* const kCommands[] = {&kCheckCommand, &kBuildCommand, &kRunCommand, &kRenderCommand, &kSaveCommand,
                                     &kPackageCommand, &kFontgenCommand, &kDbcCommand, &kCanlistCommand,
                                     &kLoggerCommand};

void PrintHelp(std::FILE* out) {
  std::fputs("usage: velk COMMAND [OPTIONS] ...\n\nCommands:\n", out);
  for (const Command* command : kCommands) std::fprintf(out, "  %-8s %s\n", command->name, command->summary);
  std::fputs("\n'velk COMMAND --help' describes a command's options.\n", out);
}

bool IsHelp(const std::string& arg) { return arg == "--help" || arg == "-h"; }

}  // namespace

void PrintLogLine(const std::string& line, std::FILE* out) {
  std::fwrite(line.data(), 1, line.size(), out);
  if (line.empty() || line.back() != '\n') std::fputc('\n', out);
}

int UsageError(const Command& command, const std::string& message) {
  std::fprintf(stderr, "velk %s: %s\n", command.name, message.c_str());
  std::fprintf(stderr, "try 'velk %s --help'\n", command.name);
  return kUsageError;
}

}  // namespace velk::cli

int main(int argc, char** argv) {
  using namespace velk::cli;
  if (argc < 2) {
    PrintHelp(stderr);
    return kUsageError;
  }
  const std::string name = argv[1];
  if (IsHelp(name)) {
    PrintHelp(stdout);
    return 0;
  }
  const std::vector<std::string> args(argv + 2, argv + argc);
  for (const Command* command : kCommands) {
    if (name != command->name) continue;
    if (!args.empty() && IsHelp(args[0])) {
      std::fputs(command->usage, stdout);
      return 0;
    }
    return command->run(args);
  }
  std::fprintf(stderr, "velk: unknown command '%s'\n", name.c_str());
  PrintHelp(stderr);
  return kUsageError;
}
