#pragma once

#include <array>
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

// Calls read(name, value) for each field of a field list; false as soon as a
// field has no ":" or `read` refuses it.
template <class Read>
bool ReadFields(std::string_view value, Read read) {
  for (std::string_view field : SplitFieldList(value)) {
    const auto split = SplitField(field);
    if (!split || !read(split->first, split->second)) return false;
  }
  return true;
}

// The position of `word` in an enumerated field's words, or -1.
template <size_t N>
int WordIndex(const std::array<std::string_view, N>& words, std::string_view word) {
  for (size_t i = 0; i < N; ++i)
    if (words[i] == word) return static_cast<int>(i);
  return -1;
}

// Stores the position of `text` in `words` into an enumerated field; false
// (the field unchanged) for a word outside the list.
template <size_t N>
bool ReadWord(const std::array<std::string_view, N>& words, std::string_view text, uint8_t& field) {
  const int index = WordIndex(words, text);
  if (index < 0) return false;
  field = static_cast<uint8_t>(index);
  return true;
}

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
