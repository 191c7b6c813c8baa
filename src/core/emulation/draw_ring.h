#pragma once

#include <cstdint>

#include "emulation/frame_buffer.h"
#include "model/elements.h"

namespace velk {

// Whether a ring angle lies on the arc from `start` to `end` (degrees, 0
// straight up, clockwise, pixel angles in -180..180): start < angle < end, or
// the arc passes 180 (end > 180) and angle < end - 360, or it passes -180
// (start < -180) and angle > start + 360.
bool InsideArc(float start, float end, float angle);

// The angle of the ring pixel at offset (dx, dy) from the centre, in degrees:
// FastAtan2(-dx, -dy) x -57.29577951308232. The factor is a double; the
// product is kept as a float, as the display keeps its mask.
float RingAngle(int64_t dx, int64_t dy);

// BAR_S TYPE C: the arc of a ring centred on (X, Y) with outer radius R = H and
// thickness T = W from FIRST_ANGLE to LAST_ANGLE, anti-aliased at both edges
// by the single-precision distance. The part from FIRST_ANGLE to the value's
// angle (k x o + FIRST_ANGLE, k = (LAST_ANGLE - FIRST_ANGLE) / |LAST_INPUT -
// FIRST_INPUT|, o the value's distance from FIRST_INPUT in the direction of
// LAST_INPUT, not held in the range) is filled: in `colour2` with the rest in
// `colour1` when FIRST_INPUT < LAST_INPUT, the other way round otherwise.
// Only the ring pixels on the screen are visited.
void DrawRing(FrameBuffer& frame, int x, int y, const BarSParams& params, float value, uint32_t colour1,
              uint32_t colour2);

}  // namespace velk
