#pragma once

#include "emulation/frame_buffer.h"
#include "model/elements.h"

namespace velk {

struct Project;

// TICKS: DIVIDER + 1 copies of its mark picture (w x h), step = (LAST_VALUE -
// FIRST_VALUE) / DIVIDER apart (single precision), drawn in COLOUR when
// RECOLOUR is 1, else with the picture's own colours:
// - H: mark i at x = trunc(i x step + (X - floor(w / 2))), y = Y;
// - V: mark i at x = X, y = trunc(i x step + (Y - floor(h / 2)));
// - C: mark i turned by i x step + FIRST_VALUE degrees about its pixel
//   (floor(w / 2), YC), which lands at (X, Y).
// Only the low 8 bits of DIVIDER count; nothing is drawn without the image,
// with DIVIDER 0, or recoloured without the colour.
void DrawTicks(FrameBuffer& frame, const Project& project, const Struct_gr_element& element,
               const TicksParams& params);

}  // namespace velk
