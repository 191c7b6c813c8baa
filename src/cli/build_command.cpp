// velk build SCRIPT: opens a script and runs the logic editor's Build on its
// logic text.
#include <cstdio>
#include <memory>

#include "command_support.h"
#include "commands.h"
#include "emulation/build.h"
#include "model/project.h"
#include "script/open_project.h"

namespace velk::cli {

const Command kBuildCommand = {
    "build", "open a script and run Build on its logic text",
    "usage: velk build SCRIPT\n"
    "\n"
    "Opens SCRIPT as the program's Open does, then runs the logic editor's Build\n"
    "on the logic text (the lines after the first line holding \"GREND;\") and\n"
    "prints its verdict: \"Logic:Ok\", \"Logic:ERR\", or \"Logic:ERR = \" and the\n"
    "reason. For a rejected line, prints SCRIPT:LINE: and the verdict to stderr.\n"
    "The exit status is 0 for \"Logic:Ok\", else 1.\n",
    RunBuild};

int RunBuild(const std::vector<std::string>& args) {
  if (args.size() != 1 || args[0].empty() || args[0][0] == '-')
    return UsageError(kBuildCommand, "expects exactly one SCRIPT");
  const std::string& script = args[0];
  std::unique_ptr<Project> project = NewProject();
  const OpenResult opened = OpenProject(*project, script);
  const BuildResult result = Build(*project);
  std::printf("%s\n", result.status.c_str());
  if (result.marked_line >= 0 && opened.has_grend)
    std::fprintf(stderr, "%s:%d: %s\n", script.c_str(), opened.grend_line + 2 + result.marked_line,
                 result.status.c_str());
  else if (!result.ok)
    std::fprintf(stderr, "%s: %s\n", script.c_str(), result.status.c_str());
  return result.ok ? 0 : 1;
}

}  // namespace velk::cli
