#include "script/lexical.h"

#include "script/numbers.h"

namespace velk {

std::optional<size_t> FindChar(std::string_view text, size_t start, char character) {
  if (start > text.size()) return std::nullopt;
  const size_t at = text.find(character, start);
  if (at == std::string_view::npos) return std::nullopt;
  return at - start;
}

Indexed SplitIndexed(std::string_view text) {
  const size_t dot = text.find('.');
  if (dot == std::string_view::npos) return {text, 1, false};
  return {text.substr(0, dot), ParseInteger(text.substr(dot + 1)), true};
}

std::optional<std::pair<std::string_view, std::string_view>> SplitField(std::string_view field) {
  const size_t colon = field.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  return std::pair{field.substr(0, colon), field.substr(colon + 1)};
}

std::vector<std::string_view> SplitFieldList(std::string_view value) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  while (start < value.size() && fields.size() < kMaxFields) {
    const size_t bar = value.find('|', start);
    const size_t end = bar == std::string_view::npos ? value.size() : bar;
    fields.push_back(value.substr(start, end - start));
    if (bar == std::string_view::npos) break;
    start = bar + 1;
  }
  return fields;
}

LexedLine ApplyLexicalRules(std::string_view line) {
  LexedLine lexed;
  const size_t comment = line.find("//");
  std::string_view code = line.substr(0, comment);
  if (comment != std::string_view::npos) {
    std::string_view text = line.substr(comment + 2);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    lexed.comment = text;
  }
  bool quoted = false;
  for (char c : code) {
    if (c == '\r' || c == '\t') continue;
    if (c == '"') quoted = !quoted;
    if (c == ' ' && !quoted) continue;
    lexed.statement.push_back(c);
  }
  return lexed;
}

std::string_view UnquotedName(std::string_view name) {
  if (name.size() >= 2 && name.front() == '"' && name.back() == '"') return name.substr(1, name.size() - 2);
  return name;
}

}  // namespace velk
