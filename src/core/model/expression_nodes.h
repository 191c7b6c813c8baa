#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "model/link.h"

namespace velk {

// The nodes of every MATH block's expression tree live in one registry of the
// project, so that reloading the logic releases all trees at once. Nodes name
// their operands by position in the registry; kNoNode is "no operand".
inline constexpr size_t kMaxExpressionNodes = 200;
inline constexpr int16_t kNoNode = -1;

struct ExpressionNode {
  float value = 0;          // a leaf's constant, or an inner node's operator code
  Link reference;           // a leaf's input reference, read when evaluated
  int16_t left = kNoNode;   // first operand: the only one of negation and functions
  int16_t right = kNoNode;  // second operand of the binary operators
};

struct ExpressionRegistry {
  std::array<ExpressionNode, kMaxExpressionNodes> nodes{};
  uint16_t count = 0;
};

}  // namespace velk
