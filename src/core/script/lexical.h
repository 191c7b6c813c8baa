#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velk {

// Offset of the first `character` at or after `start`, counted from `start`.
std::optional<size_t> FindChar(std::string_view text, size_t start, char character);

struct Indexed {
  std::string_view name;
  int32_t instance = 1;
  bool has_dot = false;
};

// NAME.n into name and instance; without a "." the instance is 1.
Indexed SplitIndexed(std::string_view text);

// FIELD:value split at the first ":"; nullopt when there is no ":".
std::optional<std::pair<std::string_view, std::string_view>> SplitField(std::string_view field);

// At most this many fields of a field list are read; the rest are ignored.
inline constexpr size_t kMaxFields = 19;

// The fields of a "|"-separated field list, at most kMaxFields of them. The
// list ends where nothing follows a separator.
std::vector<std::string_view> SplitFieldList(std::string_view value);

// A script line after the lexical rules: the statement as kept (";" still on
// it), and the text after "//" without a final carriage return.
struct LexedLine {
  std::string statement;
  std::string comment;
};

LexedLine ApplyLexicalRules(std::string_view line);

// A file name as the script writes it, without the double quotes around it
// (a name that both begins and ends with a quote, "x.png"); any other name as is.
std::string_view UnquotedName(std::string_view name);

}  // namespace velk
