#include "emulation/draw_rectangle.h"

#include <algorithm>
#include <vector>

#include "emulation/draw_arithmetic.h"
#include "emulation/element_sources.h"
#include "emulation/fill_rect.h"
#include "emulation/put_pixel.h"
#include "model/project.h"

namespace velk {
namespace {

enum Style : uint8_t { kSolid = 0, kVerticalShade = 1, kHorizontalShade = 2 };

// The steps first..end of a shade of `steps` whose step k lies at
// `origin` + k: the ones on the screen's 0..limit.
struct Visible {
  int64_t first;
  int64_t end;
};

Visible VisibleSteps(int64_t origin, int64_t steps, int64_t limit) {
  return {std::max<int64_t>(0, -origin), std::min<int64_t>(steps, limit - origin)};
}

// One colour per row: each row is a fill.
void ShadeRows(FrameBuffer& frame, const Struct_gr_element& element, const RectangleParams& p, uint32_t c1,
               uint32_t c2) {
  const Visible rows = VisibleSteps(element.y, p.h, kScreenHeight);
  for (int64_t r = rows.first; r < rows.end; ++r)
    FillRect(frame, element.x, static_cast<int>(element.y + r), p.w, 1, ShadeColour(c1, c2, r, p.h));
}

// One colour per column: the colours of the visible columns are worked out
// once, then blended into every visible row.
void ShadeColumns(FrameBuffer& frame, const Struct_gr_element& element, const RectangleParams& p, uint32_t c1,
                  uint32_t c2) {
  const Visible columns = VisibleSteps(element.x, p.w, kScreenWidth);
  const Visible rows = VisibleSteps(element.y, p.h, kScreenHeight);
  if (columns.first >= columns.end || rows.first >= rows.end) return;
  std::vector<uint32_t> colours;
  colours.reserve(static_cast<size_t>(columns.end - columns.first));
  for (int64_t c = columns.first; c < columns.end; ++c) colours.push_back(ShadeColour(c1, c2, c, p.w));
  for (int64_t r = rows.first; r < rows.end; ++r) {
    uint32_t* pixel = frame.Row(static_cast<int>(element.y + r)) + (element.x + columns.first);
    for (size_t i = 0; i < colours.size(); ++i) BlendPixel(pixel[i], colours[i]);
  }
}

}  // namespace

uint32_t ShadeColour(uint32_t colour1, uint32_t colour2, int64_t step, int64_t steps) {
  const float f = static_cast<float>(step) * (1.0f / static_cast<float>(steps));
  const float g = 1.0f - f;
  uint32_t word = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const auto a = static_cast<float>(colour1 >> shift & 0xFFu);
    const auto b = static_cast<float>(colour2 >> shift & 0xFFu);
    word |= static_cast<uint32_t>(a * g + b * f) << shift;
  }
  return word;
}

void DrawRectangle(FrameBuffer& frame, const Project& project, const Struct_gr_element& element,
                   const RectangleParams& params) {
  const uint32_t* c1 = PaletteColour(project, params.colour1);
  if (!c1) return;
  if (params.style == kSolid) {
    FillRect(frame, element.x, element.y, params.w, params.h, *c1);
    return;
  }
  const uint32_t* c2 = PaletteColour(project, params.colour2);
  if (!c2) return;
  if (params.style == kVerticalShade) ShadeRows(frame, element, params, *c1, *c2);
  if (params.style == kHorizontalShade) ShadeColumns(frame, element, params, *c1, *c2);
}

}  // namespace velk
