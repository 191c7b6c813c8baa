#pragma once

#include <cstdint>

#include "emulation/frame_buffer.h"

namespace velk {

// The editor's marks on the frame, drawn with a pen of `width` pixels in an
// opaque colour 0x00RRGGBB: a line of width w covers w pixels across it,
// starting w/2 before its coordinate (a 2-pixel line at x = 10 covers 9 and 10).
void DrawPenLine(FrameBuffer& frame, int x0, int y0, int x1, int y1, int width, uint32_t rgb);

// The outline of a rectangle from (x0, y0) to (x1, y1).
void DrawOutline(FrameBuffer& frame, int x0, int y0, int x1, int y1, int width, uint32_t rgb);

// The grid lines of a grid choice (20, 40 or 60 pixels; anything else draws
// nothing): vertical lines first, then horizontal ones, grey, 1 pixel wide.
void DrawGrid(FrameBuffer& frame, int spacing);

// The colours of the marks, 0x00RRGGBB.
inline constexpr uint32_t kSelectionBlue = 0x0000FF;
inline constexpr uint32_t kGroupGreen = 0x008000;
inline constexpr uint32_t kGridGrey = 0x808080;

}  // namespace velk
