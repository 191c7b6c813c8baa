// velk logger SCRIPT: the logger block as the logger window's Ok writes it,
// and the window's RAM label.
#include <iostream>

#include "command_support.h"
#include "commands.h"
#include "logger/logger_memory.h"
#include "logger/logger_text.h"
#include "model/project.h"

namespace velk::cli {

const Command kLoggerCommand = {
    "logger", "print the logger block as the logger window's Ok writes it",
    "usage: velk logger SCRIPT\n"
    "\n"
    "Opens SCRIPT, reads its LOGGER_SETUP and LOGGER_ITEM lines out of the logic\n"
    "text as the logger window does, and prints the block its Ok writes back:\n"
    "the LOGGER_SETUP line, then every item with its automatic data type. The\n"
    "last line is the window's \"RAM size: ...mb\" label.\n"
    "The exit status is 0, or 1 when SCRIPT cannot be read.\n",
    RunLogger};

int RunLogger(const std::vector<std::string>& args) {
  if (args.size() != 1 || args[0].empty() || args[0][0] == '-')
    return UsageError(kLoggerCommand, "expects exactly one SCRIPT");
  const std::unique_ptr<Project> project = OpenScriptForText(args[0]);
  if (!project) return 1;
  LoggerList list = ReadLoggerText(*project, project->logic_text);
  const uint32_t bytes_per_second = ChooseLoggerDataTypes(list);
  for (const std::string& line : LoggerBlock(*project, list)) std::cout << line << '\n';
  std::cout << RamSizeLabel(bytes_per_second) << '\n';
  return 0;
}

}  // namespace velk::cli
