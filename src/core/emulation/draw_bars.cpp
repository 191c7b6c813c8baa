#include "emulation/draw_bars.h"

#include <algorithm>
#include <cmath>

#include "emulation/device_image.h"
#include "emulation/draw_arithmetic.h"
#include "emulation/draw_image.h"
#include "emulation/draw_image_picture.h"
#include "emulation/draw_ring.h"
#include "emulation/element_sources.h"
#include "emulation/fill_rect.h"
#include "model/project.h"
#include "script/numbers.h"

namespace velk {
namespace {

enum BarType : uint8_t { kHorizontal = 0, kVertical = 1, kRing = 2 };

float HeldInRange(float value, float first, float last) {
  if (std::isnan(value)) return first;
  return std::clamp(value, std::min(first, last), std::max(first, last));
}

void DrawStraightBarS(FrameBuffer& frame, const Struct_gr_element& element, const BarSParams& p, float value,
                      uint32_t colour1, uint32_t colour2) {
  if (p.type == kHorizontal) {
    const int32_t n = FilledPixels(p.w, value, p.first_input, p.last_input);
    FillRect(frame, element.x, element.y, n, p.h, colour1);
    FillRect(frame, HoldCoordinate(int64_t{element.x} + n), element.y, p.w - n, p.h, colour2);
    return;
  }
  const int32_t n = FilledPixels(p.h, value, p.first_input, p.last_input);
  FillRect(frame, element.x, HoldCoordinate(int64_t{element.y} + p.h - n), p.w, n, colour1);
  FillRect(frame, element.x, element.y, p.w, p.h - n, colour2);
}

}  // namespace

int32_t FilledPixels(int32_t size, float value, float first, float last) {
  const float o = std::fabs(HeldInRange(value, first, last) - first);
  const int32_t n = CutToInteger(static_cast<float>(size) / std::fabs(last - first) * o);
  return std::clamp(n, 0, std::max(size, 0));
}

void DrawBarL(FrameBuffer& frame, const Project& project, const Struct_gr_element& element, const BarLParams& params) {
  const float* value = project.Analogue(params.input);
  const DeviceImage* empty = SlotImage(project, params.image1);
  const DeviceImage* full = SlotImage(project, params.image2);
  if (!value || !empty || !full || params.last_input == params.first_input) return;
  const ImageView view = ViewOf(empty);
  if (params.type == kHorizontal) {
    const int32_t n = FilledPixels(view.width, *value, params.first_input, params.last_input);
    DrawImageColumns(frame, HoldCoordinate(int64_t{element.x} + n), element.y, n, view.width, empty);
    DrawImageColumns(frame, element.x, element.y, 0, n, full);
  } else if (params.type == kVertical) {
    const int32_t n = FilledPixels(view.height, *value, params.first_input, params.last_input);
    const int32_t cut = view.height - n;
    DrawImageRows(frame, element.x, element.y, 0, cut, empty);
    DrawImageRows(frame, element.x, HoldCoordinate(int64_t{element.y} + cut), cut, view.height, full);
  }
}

void DrawBarS(FrameBuffer& frame, const Project& project, const Struct_gr_element& element, const BarSParams& params) {
  const float* value = project.Analogue(params.input);
  const uint32_t* colour1 = PaletteColour(project, params.colour1);
  const uint32_t* colour2 = PaletteColour(project, params.colour2);
  if (!value || !colour1 || !colour2 || params.last_input == params.first_input) return;
  if (params.type == kRing) DrawRing(frame, element.x, element.y, params, *value, *colour1, *colour2);
  else if (params.type == kHorizontal || params.type == kVertical)
    DrawStraightBarS(frame, element, params, *value, *colour1, *colour2);
}

int32_t ThumbTravel(const BarTParams& params, float value) {
  const float span = params.last_input - params.first_input;
  const float k = static_cast<float>(params.length) / span;
  float d = value > params.first_input ? value - params.first_input : 0.0f;
  d = std::min(d, span);
  return CutToInteger(k * d);
}

void DrawBarT(FrameBuffer& frame, const Project& project, const Struct_gr_element& element, const BarTParams& params) {
  const float* value = project.Analogue(params.input);
  const DeviceImage* image = SlotImage(project, params.image);
  const ImageView view = ViewOf(image);
  if (!value || !view.pixels || params.last_input == params.first_input) return;
  const uint32_t* colour = nullptr;
  if (params.recolour) {
    colour = PaletteColour(project, params.colour);
    if (!colour) return;
  }
  const int64_t n = ThumbTravel(params, *value);
  int64_t x = element.x;
  int64_t y = element.y;
  if (params.type == kHorizontal) x += n - view.width / 2;
  else if (params.type == kVertical) y += int64_t{params.length} - n - view.height / 2;
  else return;
  if (colour) DrawImageRecoloured(frame, HoldCoordinate(x), HoldCoordinate(y), image, *colour);
  else DrawImagePicture(frame, project.images, HoldCoordinate(x), HoldCoordinate(y), image);
}

}  // namespace velk
