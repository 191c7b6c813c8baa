#include "emulation/digt_text.h"

#include <array>
#include <charconv>

#include "emulation/draw_arithmetic.h"
#include "script/numbers.h"

namespace velk {
namespace {

// printf's "%.<digits>d": the sign, then at least `digits` digits.
void AppendDigits(std::string& text, int64_t value, size_t digits) {
  if (value < 0) text += '-';
  const uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  std::array<char, 20> buffer;
  const char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude).ptr;
  const auto count = static_cast<size_t>(end - buffer.data());
  if (count < digits) text.append(digits - count, '0');
  text.append(buffer.data(), count);
}

// printf's "%0<width>d": zeros after the sign up to `width` characters in all.
void AppendPadded(std::string& text, int64_t value, size_t width) {
  AppendDigits(text, value, value < 0 ? width - 1 : width);
}

void AppendTwo(std::string& text, int64_t value) { AppendPadded(text, value, 2); }

bool AppendNumeric(std::string& text, uint8_t dps, float value) {
  if (dps > kMaxDigtDecimals) return false;
  // to_chars with a precision prints exactly what printf("%.*f") prints in
  // the C locale, whatever the program's locale is. The largest float needs
  // 39 digits, a sign, a point and 8 decimals.
  std::array<char, 64> buffer;
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), static_cast<double>(value),
                                    std::chars_format::fixed, dps);
  if (result.ec != std::errc()) return false;
  text.append(buffer.data(), result.ptr);
  return true;
}

}  // namespace

bool DigtText(uint8_t format, uint8_t dps, float value, std::string& text) {
  text.clear();
  if (format == kDigtNumeric) return AppendNumeric(text, dps, value);
  const int64_t n = CutToInteger(value);
  switch (format) {
    case kDigtHourMinute:
      AppendTwo(text, n / 100);
      text += ':';
      AppendTwo(text, n % 100);
      return true;
    case kDigtHourMinuteSecond:
    case kDigtDate: {
      const char separator = format == kDigtDate ? '/' : ':';
      AppendTwo(text, n / 10000);
      text += separator;
      AppendTwo(text, n % 10000 / 100);
      text += separator;
      AppendTwo(text, n % 100);
      return true;
    }
    case kDigtMinuteSecondMilli:
      AppendDigits(text, n / 100000, 1);
      text += ':';
      AppendTwo(text, n % 100000 / 1000);
      text += '.';
      AppendPadded(text, n % 1000, 3);
      return true;
    case kDigtLapTime: {
      const int64_t minutes = n / 60000;
      const int64_t seconds = n / 1000 - minutes * 60;
      AppendDigits(text, minutes, 1);
      text += ':';
      AppendDigits(text, seconds, 2);
      text += '.';
      AppendDigits(text, n - minutes * 60000 - seconds * 1000, 3);
      return true;
    }
    default: return false;
  }
}

}  // namespace velk
