#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace velk {

// Positions are summed in 64 bits (X + an offset may pass the 32-bit range)
// and handed to the primitives as int. Pictures are at most 2047 pixels and
// texts a few million wide, so anything held at 2^30 from the screen stays
// off it: holding the coordinate there changes no pixel.
inline int HoldCoordinate(int64_t value) {
  constexpr int64_t kFar = int64_t{1} << 30;
  if (value < -kFar) return static_cast<int>(-kFar);
  if (value > kFar) return static_cast<int>(kFar);
  return static_cast<int>(value);
}

// The rotation's quadrant table holds for angles within -360..+360 degrees
// only; outside it the scan would cover the wrong area and cut the picture.
// Whole turns are taken off such angles (exactly: fmod is exact), which
// leaves the angles inside that range as they are.
inline float WithinOneTurn(float degrees) {
  if (degrees >= -360.0f && degrees <= 360.0f) return degrees;
  return std::fmod(degrees, 360.0f);
}

}  // namespace velk
