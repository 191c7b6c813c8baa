#include "script/numbers.h"

#include <charconv>
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

float ParseReal(std::string_view text) {
  size_t at = 0;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  const size_t mantissa = at;
  at = SkipDigits(text, at);
  if (at < text.size() && text[at] == '.') at = SkipDigits(text, at + 1);
  if (at == mantissa || (at == mantissa + 1 && text[mantissa] == '.')) return 0.0f;
  bool negative_exponent = false;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    size_t exponent = at + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
      negative_exponent = text[exponent++] == '-';
    const size_t end = SkipDigits(text, exponent);
    if (end > exponent) at = end;
    else negative_exponent = false;
  }
  // from_chars takes no "+"; it is skipped, the digits are the same.
  const size_t first = text[0] == '+' ? 1 : 0;
  double value = 0;
  const std::from_chars_result result = std::from_chars(text.data() + first, text.data() + at, value);
  // A value beyond the 32-bit real keeps its sign at the largest magnitude, so
  // that no later cut to an integer meets an infinity; one too small is 0.
  constexpr float kMax = std::numeric_limits<float>::max();
  if (result.ec == std::errc::result_out_of_range) {
    if (negative_exponent) return 0.0f;
    return text[0] == '-' ? -kMax : kMax;
  }
  if (value > kMax) return kMax;
  if (value < -kMax) return -kMax;
  return static_cast<float>(value);
}

int32_t CutToInteger(float value) {
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
