#include "emulation/editor_overlay.h"

#include <algorithm>
#include <array>

namespace velk {
namespace {

struct GridSize {
  int spacing;
  int vertical;
  int horizontal;
};

constexpr std::array<GridSize, 3> kGrids = {{{20, 52, 30}, {40, 26, 15}, {60, 18, 10}}};

// Fills the screen part of a rectangle given by its inclusive corners.
void FillSpan(FrameBuffer& frame, int left, int top, int right, int bottom, uint32_t word) {
  left = std::max(left, 0);
  top = std::max(top, 0);
  right = std::min(right, kScreenWidth - 1);
  bottom = std::min(bottom, kScreenHeight - 1);
  for (int y = top; y <= bottom; ++y) std::fill(frame.Row(y) + left, frame.Row(y) + std::max(left, right + 1), word);
}

}  // namespace

void DrawPenLine(FrameBuffer& frame, int x0, int y0, int x1, int y1, int width, uint32_t rgb) {
  const uint32_t word = 0xFF000000u | rgb;
  const int before = width / 2;
  const int after = width - 1 - before;
  // Only straight lines are drawn; the end point is left out, as a pen's line leaves it.
  if (y0 == y1) {
    FillSpan(frame, std::min(x0, x1), y0 - before, std::max(x0, x1) - 1, y0 + after, word);
  } else if (x0 == x1) {
    FillSpan(frame, x0 - before, std::min(y0, y1), x0 + after, std::max(y0, y1) - 1, word);
  }
}

void DrawOutline(FrameBuffer& frame, int x0, int y0, int x1, int y1, int width, uint32_t rgb) {
  DrawPenLine(frame, x0, y0, x1, y0, width, rgb);
  DrawPenLine(frame, x1, y0, x1, y1, width, rgb);
  DrawPenLine(frame, x1, y1, x0, y1, width, rgb);
  DrawPenLine(frame, x0, y1, x0, y0, width, rgb);
}

void DrawGrid(FrameBuffer& frame, int spacing) {
  for (const GridSize& grid : kGrids) {
    if (grid.spacing != spacing) continue;
    for (int i = 0; i < grid.vertical; ++i) DrawPenLine(frame, i * spacing, 0, i * spacing, kScreenHeight, 1, kGridGrey);
    for (int i = 0; i < grid.horizontal; ++i) DrawPenLine(frame, 0, i * spacing, kScreenWidth, i * spacing, 1, kGridGrey);
  }
}

}  // namespace velk
