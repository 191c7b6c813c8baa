#pragma once

#include <string>
#include <vector>

#include "script/loader.h"

namespace velk {

struct Project;

struct OpenResult {
  int code = kLoadNoFile;  // the loader's result code
  bool has_grend = false;  // a line of the script holds "GREND;": the project may be edited
  int grend_line = -1;     // 0-based index of that first line; logic text line i is file line grend_line + 1 + i
  LoadReport report;
};

// Opens a project script as the program's Open does: starts the package file
// list afresh ("logo.png", "scr.txt"), clears the model, makes the script's
// folder the project folder, loads the script, logs the verdict, sets or
// clears the logic-valid and CAN output flags, and fills the logic text with
// the lines after the first line that holds "GREND;".
OpenResult OpenProject(Project& project, const std::string& path);

// The lines of a script file as the editor sees them: split at line feeds,
// carriage returns before them and a leading byte-order mark removed.
std::vector<std::string> ReadScriptLines(const std::string& path);

}  // namespace velk
