#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velk {

// A logic-text line as the CAN channel list and the logger window read it:
// the statement without blanks outside quotes, cut at its first ";", and the
// text after "//" as it stands.
struct LogicStatement {
  std::string statement;
  std::string comment;
};

LogicStatement ReadLogicStatement(std::string_view line);

// The index of the first line whose statement is END, or the number of lines.
size_t EndLineIndex(const std::vector<std::string>& logic_text);

}  // namespace velk
