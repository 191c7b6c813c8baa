#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/expression_nodes.h"

namespace velk {

struct Project;

// Operator codes of the inner nodes of an expression tree.
enum ExpressionOperator : int {
  kOperatorAdd = 0,
  kOperatorSubtract = 1,
  kOperatorMultiply = 2,
  kOperatorDivide = 3,
  kOperatorNegate = 6,
  kOperatorSin = 7,
  kOperatorCos = 8,
  kOperatorTg = 9,
  kOperatorCtg = 10,
  kOperatorArcsin = 11,
  kOperatorArccos = 12,
  kOperatorArcctg = 14,
  kOperatorSh = 15,
  kOperatorCh = 16,
  kOperatorTh = 17,
  kOperatorCth = 18,
};

// The diagnostics the parser leaves.
inline constexpr std::string_view kDiagnosticEmpty = "Пустое выражение";
inline constexpr std::string_view kDiagnosticEndExpected = "Конец выражения ожидается";
inline constexpr std::string_view kDiagnosticMissingOpen = "Пропущеннаи открывающая скобка";
inline constexpr std::string_view kDiagnosticMissingClose = "Пропущенна закрывающая скобка";

// Brackets nest at most this deep: the parser recurses once per bracket.
inline constexpr int kMaxExpressionDepth = 200;

struct ParsedExpression {
  int16_t root = kNoNode;  // kNoNode when the text is not a valid expression
  std::string diagnostic;  // may be set even when the parse succeeded
};

// Compiles an expression over input references into the project's expression
// registry. A text that is no expression, or whose tree would not fit the
// registry, yields kNoNode and leaves the registry as it was.
ParsedExpression ParseExpression(Project& project, std::string_view text);

// The value of the tree at `root` with the inputs as they are now, computed in
// extended precision. A root outside the registry yields NaN.
double EvaluateExpression(const Project& project, int16_t root);

// The 32-bit real that a value is stored as, rounded as IEEE arithmetic
// rounds: past the largest real by half a step or more, a value becomes an
// infinity of its sign (a plain cast leaves that case undefined).
float NarrowToFloat(double value);

// Empties the registry and detaches every MATH block from its tree; the blocks
// keep their last value.
void ReleaseExpressions(Project& project);

}  // namespace velk
