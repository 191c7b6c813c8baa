#pragma once

#include <cstdint>

namespace velk {

// Rounds half away from zero (2.5 -> 3, -2.5 -> -3, 2.49 -> 2): t = trunc(x),
// one step further from zero when the dropped fraction is at least 0.5.
// Every other real-to-integer conversion of the drawing code truncates.
// A float argument converts to double exactly, so floats round the same way.
// Values beyond the 32-bit range saturate; NaN gives 0.
int32_t RoundHalfAway(double x);

}  // namespace velk
