#pragma once

#include <string>

namespace velk {

struct Project;

// Result codes of LoadScript.
enum LoadResult : int {
  kLoadOk = 0,         // END reached (or a file without bytes)
  kLoadNoFile = 1,     // the file does not open, or it ended without END
  kLoadNoMemory = 2,   // no memory for the file buffer
  kLoadRejected = 4,   // a statement was rejected
  kLoadNoSemicolon = 5 // a line does not end with ";"
};

// Where a load stopped and why, for tools that point at the failing line.
// `line` counts from 1; it is 0 when no line is to blame.
struct LoadReport {
  int line = 0;
  std::string reason;
};

// The longest statement or comment a script line may carry, in bytes.
inline constexpr size_t kMaxLineBytes = 999;

// Reads a script file into a model that ClearProject emptied, writing its
// progress and errors to the project's log.
int LoadScript(Project& project, const std::string& path, LoadReport* report = nullptr);

}  // namespace velk
