#pragma once

#include "emulation/frame_buffer.h"
#include "model/elements.h"

namespace velk {

struct Project;

// Draws one element by its kind: the drawing routine of kinds 1, 2, 3, 5, 6,
// 8, 9, 10, 11 and 12. GROUP entries and the placeholder kinds have none and
// draw nothing, as does an element whose parameters are not its kind's.
void DrawElement(FrameBuffer& frame, const Project& project, const Struct_gr_element& element);

// Sets the PAGE input to `page`, then draws that page's elements from the
// last to the first, so the first of the list ends up on top. An element is
// skipped while its ENABLE flag is off (an empty ENABLE link counts as off).
// A page outside 1..10 has no elements.
void DrawPage(FrameBuffer& frame, Project& project, int page);

}  // namespace velk
