// velk save SCRIPT [-o OUT]: opens a script and writes it back as the
// program's Save would.
#include <cstdio>
#include <memory>

#include "command_support.h"
#include "commands.h"
#include "model/project.h"
#include "script/open_project.h"
#include "script/save_project.h"
#include "script/writer.h"

namespace velk::cli {

// Exit status when the script was read but the output could not be written.
constexpr int kWriteFailed = 74;

const Command kSaveCommand = {
    "save", "open a script and write it back as Save does",
    "usage: velk save SCRIPT [-o OUT]\n"
    "\n"
    "Opens SCRIPT as the program's Open does, then writes the project with the\n"
    "script writer (CR LF line ends) to OUT, replacing it only when the whole\n"
    "text was written, or to stdout. The log of the load goes to stderr. A\n"
    "script that does not load is written to stdout only, never over OUT.\n"
    "The exit status is the loader's result code (see 'velk check --help'),\n"
    "or 74 when OUT could not be written.\n",
    RunSave};

int RunSave(const std::vector<std::string>& args) {
  std::string script;
  std::string out;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "-o") {
      if (i + 1 == args.size()) return UsageError(kSaveCommand, "-o needs a file name");
      out = args[++i];
    } else if (!args[i].empty() && args[i][0] == '-') {
      return UsageError(kSaveCommand, "unknown option " + args[i]);
    } else if (script.empty()) {
      script = args[i];
    } else {
      return UsageError(kSaveCommand, "expects one SCRIPT");
    }
  }
  if (script.empty()) return UsageError(kSaveCommand, "expects one SCRIPT");

  std::unique_ptr<Project> project = NewProject();
  const OpenResult result = OpenProject(*project, script);
  for (const std::string& line : project->log.Lines()) PrintLogLine(line, stderr);
  if (!out.empty()) {
    // A load that stopped early holds only part of the script: writing it
    // over a file (the script itself, perhaps) would lose the rest.
    if (result.code != 0) {
      std::fprintf(stderr, "velk save: %s did not load; %s is left as it was\n", script.c_str(), out.c_str());
      return result.code;
    }
    std::string error;
    if (SaveProject(*project, out, error)) return result.code;
    std::fprintf(stderr, "velk save: %s\n", error.c_str());
    return kWriteFailed;
  }
  std::vector<std::string> lines;
  WriteScript(*project, lines);
  for (const std::string& line : lines) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputs("\r\n", stdout);
  }
  return result.code;
}

}  // namespace velk::cli
