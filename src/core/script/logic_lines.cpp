#include "script/logic_lines.h"

#include "script/lexical.h"

namespace velk {

// Tabs go with the spaces: the loader and Build drop them, so a channel or
// logger line indented with a tab is still a statement of the project and
// must not be hidden from the windows that rewrite it.
LogicStatement ReadLogicStatement(std::string_view line) {
  LexedLine lexed = ApplyLexicalRules(line);
  if (const size_t semicolon = lexed.statement.find(';'); semicolon != std::string::npos)
    lexed.statement.resize(semicolon);
  return {std::move(lexed.statement), std::move(lexed.comment)};
}

size_t EndLineIndex(const std::vector<std::string>& logic_text) {
  for (size_t i = 0; i < logic_text.size(); ++i)
    if (ReadLogicStatement(logic_text[i]).statement == "END") return i;
  return logic_text.size();
}

}  // namespace velk
