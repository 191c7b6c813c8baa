// velk check SCRIPT: opens the script as the program's Open does and reports
// the load.
#include <cstdio>
#include <memory>

#include "command_support.h"
#include "commands.h"
#include "model/project.h"
#include "script/open_project.h"

namespace velk::cli {

const Command kCheckCommand = {
    "check", "open a script and print the loader's log",
    "usage: velk check SCRIPT\n"
    "\n"
    "Opens SCRIPT as the program's Open does and prints every log line of the\n"
    "load to stdout, in order. When a line fails, prints SCRIPT:LINE: and the\n"
    "reason to stderr. The exit status is the loader's result code:\n"
    "  0  END reached, every statement accepted\n"
    "  1  the file does not open, or it ends without END\n"
    "  2  no memory for the file\n"
    "  4  a statement was rejected\n"
    "  5  a line does not end with \";\"\n",
    RunCheck};

namespace {

void PrintFailure(const std::string& script, const LoadReport& report) {
  std::string text = script + ":";
  if (report.line > 0) text += std::to_string(report.line) + ":";
  text += " " + report.reason + "\n";
  std::fwrite(text.data(), 1, text.size(), stderr);
}

}  // namespace

int RunCheck(const std::vector<std::string>& args) {
  if (args.size() != 1 || args[0].empty() || args[0][0] == '-')
    return UsageError(kCheckCommand, "expects exactly one SCRIPT");
  const std::string& script = args[0];
  std::unique_ptr<Project> project = NewProject();
  const OpenResult result = OpenProject(*project, script);
  for (const std::string& line : project->log.Lines()) PrintLogLine(line, stdout);
  if (result.code != kLoadOk) PrintFailure(script, result.report);
  return result.code;
}

}  // namespace velk::cli
