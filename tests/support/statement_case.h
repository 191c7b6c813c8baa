#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "model/project.h"
#include "script/parse_statement.h"

namespace velk::test {

// Statements parsed in order into a fresh model: every one but the last must
// be accepted; the last gives `result` and leaves `message` as the parser
// message; `check` then looks at the model.
struct StatementCase {
  std::vector<std::string> statements;
  int result = 0;
  std::string message;
  std::function<void(const Project&)> check;
};

inline void PrintTo(const StatementCase& c, std::ostream* os) { *os << c.statements.back(); }

inline void RunStatementCase(const StatementCase& c) {
  auto project = std::make_unique<Project>();
  for (size_t i = 0; i + 1 < c.statements.size(); ++i)
    ASSERT_EQ(ParseStatement(*project, c.statements[i]), 0) << c.statements[i];
  // The message of the last statement alone: earlier ones may set one too.
  project->parser_message.clear();
  EXPECT_EQ(ParseStatement(*project, c.statements.back()), c.result) << c.statements.back();
  EXPECT_EQ(project->parser_message, c.message) << c.statements.back();
  if (c.check) c.check(*project);
}

}  // namespace velk::test
