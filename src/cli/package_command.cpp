// velk package SCRIPT [-o NAME]: opens a script and writes its device package
// into the project folder.
#include <cstdio>
#include <memory>

#include "command_support.h"
#include "commands.h"
#include "model/project.h"
#include "package/package_writer.h"
#include "script/open_project.h"

namespace velk::cli {

const Command kPackageCommand = {
    "package", "open a script and write its device package",
    "usage: velk package SCRIPT [-o NAME]\n"
    "\n"
    "Opens SCRIPT as the program's Open does, then writes the device package\n"
    "into the project folder (the script's folder) as NAME, by default the\n"
    "script's name with \".velk\" for its extension. The package carries\n"
    "logo.png, the folder's scr.txt as it is on disk, then every image and font\n"
    "file the script loaded, in load order. The log of the load goes to stderr.\n"
    "Nothing is written when the script does not load or a file is missing,\n"
    "empty or over the bounds (100 files, names of 131 characters, 16 MiB);\n"
    "the reason goes to stderr. The exit status is 0 when the package was\n"
    "written, else 1.\n",
    RunPackage};

int RunPackage(const std::vector<std::string>& args) {
  std::string script;
  std::string name;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "-o") {
      if (i + 1 == args.size() || args[i + 1].empty()) return UsageError(kPackageCommand, "-o needs a file name");
      name = args[++i];
    } else if (!args[i].empty() && args[i][0] == '-') {
      return UsageError(kPackageCommand, "unknown option " + args[i]);
    } else if (script.empty()) {
      script = args[i];
    } else {
      return UsageError(kPackageCommand, "expects one SCRIPT");
    }
  }
  if (script.empty()) return UsageError(kPackageCommand, "expects one SCRIPT");
  // The package always goes into the project folder.
  if (name.find('/') != std::string::npos || name == "." || name == "..")
    return UsageError(kPackageCommand, "NAME is a file name in the project folder, without a folder");
  if (name.empty()) name = PackageNameFor(script);

  std::unique_ptr<Project> project = NewProject();
  const OpenResult result = OpenProject(*project, script);
  for (const std::string& line : project->log.Lines()) PrintLogLine(line, stderr);
  // A load that stopped early has not listed the files after its failing
  // line; such a package would lack them.
  if (result.code != kLoadOk) {
    std::fprintf(stderr, "velk package: %s did not load (result code %d); no package written\n", script.c_str(),
                 result.code);
    return 1;
  }
  std::string error;
  if (WritePackage(*project, name, error)) return 0;
  std::fprintf(stderr, "velk package: %s\n", error.c_str());
  return 1;
}

}  // namespace velk::cli
