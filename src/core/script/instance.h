#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/project.h"

namespace velk {

// The record of instance n (1-based) of a block table, or nullptr with the
// reason in the parser message: the tables are fixed, nothing is written past them.
template <class Record, size_t N>
Record* Instance(Project& project, std::array<Record, N>& table, int32_t n, std::string_view keyword) {
  if (n >= 1 && static_cast<size_t>(n) <= N) return &table[static_cast<size_t>(n - 1)];
  project.parser_message = std::string(keyword) + " has " + std::to_string(N) + " instances";
  return nullptr;
}

}  // namespace velk
