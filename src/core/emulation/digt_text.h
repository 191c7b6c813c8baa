#pragma once

#include <cstdint>
#include <string>

namespace velk {

// DIGT formats, as the model numbers them.
enum DigtFormat : uint8_t {
  kDigtNumeric = 0,  // (NUMERIC)
  kDigtHourMinute = 1,  // (XX:XX)
  kDigtHourMinuteSecond = 2,  // (XX:XX:XX)
  kDigtMinuteSecondMilli = 3,  // (X:XX.XXX)
  kDigtDate = 4,  // (XX/XX/XX)
  kDigtLapTime = 5,  // (MIN:SEC:MS)
};

// The largest DPS that (NUMERIC) prints; 9 or more prints nothing.
inline constexpr uint8_t kMaxDigtDecimals = 8;

// The text a DIGT shows for `value`, or false when it shows nothing (DPS 9 or
// more with (NUMERIC), or a format outside the six):
// - (NUMERIC): "%.Nf" with N = DPS, C locale, so a float never gives more than
//   49 characters ("inf", "-inf", "nan" and "-nan" for the non-finite ones);
// - the others: n = the value cut toward zero to 32 bits (held at the range's
//   ends, NaN as 0), split by integer division as the format's picture says,
//   printed as printf's "%02d", "%d", "%.2d" and "%.3d" would.
bool DigtText(uint8_t format, uint8_t dps, float value, std::string& text);

}  // namespace velk
