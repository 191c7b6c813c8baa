#pragma once

#include <cstdint>
#include <string_view>

namespace velk {

struct Project;

// Logic block parsers: each fills the record of instance n (from 1) of its
// table from the value after "=". An instance beyond the table is refused with
// the reason in the parser message; a block declared before is replaced and
// leaves "Элемент уже был объявлен" there.
bool ParseTim(Project& project, int32_t n, std::string_view value);
bool ParseCounter(Project& project, int32_t n, std::string_view value);
bool ParsePeak(Project& project, int32_t n, std::string_view value);
bool ParseFilter(Project& project, int32_t n, std::string_view value);
bool ParseMath(Project& project, int32_t n, std::string_view value);
bool ParseConvert(Project& project, int32_t n, std::string_view value);
bool ParseAxis(Project& project, int32_t n, std::string_view value);
bool ParseCompare(Project& project, int32_t n, std::string_view value);
bool ParseAnd(Project& project, int32_t n, std::string_view value);
bool ParseOr(Project& project, int32_t n, std::string_view value);
bool ParseNot(Project& project, int32_t n, std::string_view value);
bool ParseCheckBit(Project& project, int32_t n, std::string_view value);
bool ParseCanStream(Project& project, int32_t n, std::string_view value);
bool ParseMemory(Project& project, int32_t n, std::string_view value);

}  // namespace velk
