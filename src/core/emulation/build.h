#pragma once

#include <string>
#include <string_view>

namespace velk {

struct Project;

// A logic line as Build reads it: spaces and tabs removed, the comment cut;
// then "END" with or without its ";" ends the logic, and any other statement
// needs exactly one ";" at its end.
struct CleanedLine {
  enum Kind { Empty, End, Statement, Rejected } kind = Empty;
  std::string text;  // the statement without ";", or the rejection's status text
};

CleanedLine CleanLogicLine(std::string_view line);

struct BuildResult {
  bool ok = false;     // END was reached with every line before it accepted
  std::string status;  // "Logic:Ok", "Logic:ERR" or "Logic:ERR = " and the reason
  int marked_line = -1;  // 0-based index of the line to mark, -1 for none
};

// Stores in every element the @names through which its ENABLE and INPUT are
// known, so that a rebuilt logic can link them again.
void RefreshEnableInputNames(Project& project);

// Rebuilds the logic part of the model from the logic text: the logic editor's
// Build. The caller holds the model lock.
BuildResult Build(Project& project);

}  // namespace velk
