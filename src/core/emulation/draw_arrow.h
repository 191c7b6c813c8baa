#pragma once

#include "emulation/frame_buffer.h"
#include "model/elements.h"

namespace velk {

struct Project;

// The needle's angle for a value: k = (LAST_ANGLE - FIRST_ANGLE) /
// (LAST_INPUT - FIRST_INPUT), d = the value's distance above FIRST_INPUT (0
// below it, and for NaN) held at LAST_INPUT - FIRST_INPUT, angle = k x d +
// FIRST_ANGLE, all in single precision. With FIRST_INPUT above LAST_INPUT the
// needle always rests at LAST_ANGLE.
float ArrowAngle(const ArrowParams& params, float value);

// ARROW: its image turned by the angle of INPUT's value about the picture's
// pixel (XC, YC), which lands at (X, Y). Nothing is drawn without INPUT or the
// image, or when LAST_INPUT equals FIRST_INPUT. COLOUR is not used.
void DrawArrow(FrameBuffer& frame, const Project& project, const Struct_gr_element& element,
               const ArrowParams& params);

}  // namespace velk
