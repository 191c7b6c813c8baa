#pragma once

#include <cstdint>
#include <string_view>

#include "model/link.h"

namespace velk {

struct Project;

// Optional sign and decimal digits, stopping at the first other character
// ("12x" is 12, "x" is 0). Values beyond 32 bits saturate.
int32_t ParseInteger(std::string_view text);

// Optional sign, digits, optional fraction and exponent, stopping at the
// first character that does not fit; read as a double and kept as a 32-bit real
// (NarrowToReal).
float ParseReal(std::string_view text);

// The same number as a double, before it is kept as a 32-bit real: for fields
// that scale the written value first. Out of range it is an infinity or 0.
double ParseDouble(std::string_view text);

// A double kept as a 32-bit real; beyond the largest real it keeps its sign at
// the largest magnitude.
float NarrowToReal(double value);

// A real cut toward zero to a 32-bit integer, as every real becomes a field,
// a pixel count or a bit pattern: beyond the range it is held at its ends and
// NaN gives 0, so that no conversion is left undefined.
int32_t CutToInteger(float value);

// "0x" and hexadecimal digits (stopping at the first other character) as an
// unsigned 32-bit number, anything else as an integer.
uint32_t ParseHexOrDecimal(std::string_view text);

// A field that takes a reference or a number: an analogue reference sets
// `source`; otherwise "0x" and hexadecimal digits, or decimal digits and "."
// only, set `constant`. An empty text is accepted and changes nothing. False
// when the text is neither a reference nor such a number.
bool ParseConstant(const Project& project, std::string_view text, Link& source, float& constant);

}  // namespace velk
