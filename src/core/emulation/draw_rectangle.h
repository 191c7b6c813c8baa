#pragma once

#include "emulation/frame_buffer.h"
#include "model/elements.h"

namespace velk {

struct Project;

// RECTANGLE: W x H at (X, Y) in COLOUR1 (SOLID), or shaded from COLOUR1 to
// COLOUR2 row by row (V_SHADE) or column by column (H_SHADE). Nothing is
// drawn when a colour it uses is outside the palette or the style is none of
// the three.
void DrawRectangle(FrameBuffer& frame, const Project& project, const Struct_gr_element& element,
                   const RectangleParams& params);

// The colour of step `step` of `steps` of a shade: f = step x (1 / steps)
// and g = 1 - f in single precision, each byte trunc(c1 x g + c2 x f),
// alpha included. Step 0 is c1; the last step stops one step short of c2.
uint32_t ShadeColour(uint32_t colour1, uint32_t colour2, int64_t step, int64_t steps);

}  // namespace velk
