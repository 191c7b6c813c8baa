#pragma once

#include <cstdint>

#include "emulation/frame_buffer.h"
#include "model/elements.h"

namespace velk {

struct Project;

// The filled part of a straight bar of `size` pixels: the value held inside
// the range FIRST..LAST (either order; NaN counts as FIRST), o = its distance
// from FIRST, n = trunc(size / |LAST - FIRST| x o) in single precision, held
// in 0..size.
int32_t FilledPixels(int32_t size, float value, float first, float last);

// BAR_L: IMAGE2 (the full bar) up to the value and IMAGE1 (the empty bar)
// beyond, both cut at n of IMAGE1's width (TYPE H, filling from the left) or
// height (TYPE V, filling from the bottom). Nothing is drawn without INPUT or
// either image, or when LAST_INPUT equals FIRST_INPUT. The colours are not
// used.
void DrawBarL(FrameBuffer& frame, const Project& project, const Struct_gr_element& element, const BarLParams& params);

// BAR_S: TYPE H fills n of W from the left in COLOUR1 and the rest in
// COLOUR2; TYPE V fills n of H from the bottom; TYPE C is the ring arc
// (DrawRing). Nothing is drawn without INPUT or either colour, or when
// LAST_INPUT equals FIRST_INPUT.
void DrawBarS(FrameBuffer& frame, const Project& project, const Struct_gr_element& element, const BarSParams& params);

// The thumb's travel along a track of `length`: k = length / (LAST - FIRST),
// d = the value's distance above FIRST (0 below it, and for NaN) held at
// LAST - FIRST, n = trunc(k x d), all in single precision.
int32_t ThumbTravel(const BarTParams& params, float value);

// BAR_T: the thumb (w x h) at (X + n - floor(w / 2), Y) for TYPE H, or at
// (X, Y + L - n - floor(h / 2)) for TYPE V; recoloured in COLOUR when COLOUR
// was given, else with its own colours. Nothing is drawn without INPUT, the
// image, or (when recoloured) the colour, or when LAST_INPUT equals
// FIRST_INPUT.
void DrawBarT(FrameBuffer& frame, const Project& project, const Struct_gr_element& element, const BarTParams& params);

}  // namespace velk
