#include "script/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "script/references.h"

namespace velk {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool HasHexPrefix(std::string_view text) { return text.size() >= 2 && text[0] == '0' && text[1] == 'x'; }

// Hexadecimal digits after "0x" up to the first other character, modulo 2^32.
uint32_t HexValue(std::string_view digits) {
  uint32_t value = 0;
  for (char c : digits) {
    const int digit = HexDigit(c);
    if (digit < 0) break;
    value = value << 4 | static_cast<uint32_t>(digit);
  }
  return value;
}

size_t SkipDigits(std::string_view text, size_t at) {
  while (at < text.size() && IsDigit(text[at])) ++at;
  return at;
}

}  // namespace

int32_t ParseInteger(std::string_view text) {
  size_t at = 0;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  int64_t value = 0;
  constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
  for (; at < text.size() && IsDigit(text[at]); ++at) {
    value = value * 10 + (text[at] - '0');
    if (value > kLimit) value = kLimit;
  }
  if (negative) return static_cast<int32_t>(-value);
  return static_cast<int32_t>(value >= kLimit ? kLimit - 1 : value);
}

// The decimal order m of a mantissa and exponent, the value lying in
// [10^(m-1), 10^m): the integer digits run from `mantissa` to `integer_end`,
// the fraction up to `end`. Only used to tell an overflow from an underflow;
// all-zero digits give the lowest order.
int64_t DecimalOrder(std::string_view text, size_t mantissa, size_t integer_end, size_t end, int64_t exponent) {
  for (size_t at = mantissa; at < integer_end; ++at)
    if (text[at] != '0') return exponent + static_cast<int64_t>(integer_end - at);
  for (size_t at = integer_end + 1; at < end; ++at)
    if (text[at] != '0') return exponent - static_cast<int64_t>(at - integer_end) + 1;
  return INT64_MIN;
}

double ParseDouble(std::string_view text) {
  size_t at = 0;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  const size_t mantissa = at;
  at = SkipDigits(text, at);
  const size_t integer_end = at;
  if (at < text.size() && text[at] == '.') at = SkipDigits(text, at + 1);
  if (at == mantissa || (at == mantissa + 1 && text[mantissa] == '.')) return 0.0;
  const size_t mantissa_end = at;
  int64_t exponent = 0;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    size_t digits = at + 1;
    const bool negative = digits < text.size() && text[digits] == '-';
    if (digits < text.size() && (text[digits] == '+' || text[digits] == '-')) ++digits;
    const size_t end = SkipDigits(text, digits);
    if (end > digits) {
      for (size_t i = digits; i < end && exponent < 100000; ++i) exponent = exponent * 10 + (text[i] - '0');
      if (negative) exponent = -exponent;
      at = end;
    }
  }
  // from_chars takes no "+"; it is skipped, the digits are the same.
  const size_t first = text[0] == '+' ? 1 : 0;
  double value = 0;
  const std::from_chars_result result = std::from_chars(text.data() + first, text.data() + at, value);
  if (result.ec != std::errc::result_out_of_range) return value;
  // Out of range: the magnitude, not the exponent's sign, says which way.
  const bool huge = DecimalOrder(text, mantissa, integer_end, mantissa_end, exponent) > 0;
  const double limit = huge ? std::numeric_limits<double>::infinity() : 0.0;
  return text[0] == '-' ? -limit : limit;
}

float ParseReal(std::string_view text) { return NarrowToReal(ParseDouble(text)); }

float NarrowToReal(double value) {
  // A value beyond the 32-bit real keeps its sign at the largest magnitude, so
  // that no later cut to an integer meets an infinity.
  constexpr double kMax = std::numeric_limits<float>::max();
  if (value > kMax) return std::numeric_limits<float>::max();
  if (value < -kMax) return -std::numeric_limits<float>::max();
  return static_cast<float>(value);
}

int32_t CutToInteger(float value) {
  if (std::isnan(value)) return 0;
  constexpr float kTwoTo31 = 2147483648.0f;
  if (value >= kTwoTo31) return std::numeric_limits<int32_t>::max();
  if (value <= -kTwoTo31) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

uint32_t ParseHexOrDecimal(std::string_view text) {
  if (HasHexPrefix(text)) return HexValue(text.substr(2));
  return static_cast<uint32_t>(ParseInteger(text));
}

bool ParseConstant(const Project& project, std::string_view text, Link& source, float& constant) {
  if (const Link link = ResolveAnalogue(project, text); !link.Empty()) {
    source = link;
    return true;
  }
  if (text.empty()) return true;
  if (HasHexPrefix(text)) {
    const std::string_view digits = text.substr(2);
    for (char c : digits)
      if (HexDigit(c) < 0) return false;
    constant = static_cast<float>(HexValue(digits));
    return true;
  }
  for (char c : text)
    if (!IsDigit(c) && c != '.') return false;
  constant = ParseReal(text);
  return true;
}

}  // namespace velk
