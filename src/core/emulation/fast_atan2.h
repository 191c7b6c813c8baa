#pragma once

#include <cmath>

namespace velk {

// The display's quick atan2(y, x), good to about 0.01 radians, in single
// precision throughout: a = |y| + 1e-10; r = (x - a) / (x + a) about pi/4 when
// x >= 0, else r = (x + a) / (a - x) about 3 pi/4; 0.1963 r^3 - 0.9817 r +
// base, negated when y < 0. The ring's pixel angles depend on its exact bits.
inline float FastAtan2(float y, float x) {
  const float a = std::fabs(y) + 1e-10f;
  float r;
  float base;
  if (x >= 0) {
    r = (x - a) / (x + a);
    base = 0.7853982f;
  } else {
    r = (x + a) / (a - x);
    base = 2.3561945f;
  }
  const float angle = 0.1963f * r * r * r - 0.9817f * r + base;
  return y < 0 ? -angle : angle;
}

}  // namespace velk
