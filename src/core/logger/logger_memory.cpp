#include "logger/logger_memory.h"

#include <array>
#include <charconv>
#include <cmath>

#include "script/references.h"

namespace velk {

uint8_t AutoLoggerDataType(const LoggerItem& item) {
  if (SlotKind(item.input) == ValueKind::Digital) return kLogBit;
  const double scale = std::pow(10.0, item.decimal);
  const double low = scale * item.min;
  const double high = scale * item.max;
  if (low >= 0) return high < 65535 ? kLogU16 : kLogU32;
  if (high >= 32767) return kLogS32;
  return low > -32767 ? kLogS16 : kLogS32;
}

uint32_t LoggerSampleBytes(uint8_t data_type) { return data_type >= kLogU32 ? 4 : 2; }

std::string RamSizeLabel(uint32_t bytes_per_second) {
  return "RAM size: " + FixedText(bytes_per_second * 3600.0 / 1048576.0, 2) + "mb";
}

std::string FixedText(double value, int decimals) {
  // Room for the 39 integer digits of the largest 32-bit real and 255
  // decimals; a larger double gives an empty text rather than a cut one.
  std::array<char, 320> buffer;
  const auto [end, error] =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
  if (error != std::errc()) return {};
  return std::string(buffer.data(), end);
}

}  // namespace velk
