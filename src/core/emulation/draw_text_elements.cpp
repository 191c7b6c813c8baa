#include "emulation/draw_text_elements.h"

#include <string_view>

#include "assets/device_text.h"
#include "emulation/digt_text.h"
#include "emulation/draw_arithmetic.h"
#include "emulation/element_sources.h"
#include "model/project.h"

namespace velk {
namespace {

enum Alignment : int32_t { kRight = 0, kLeft = 1, kCentre = 2 };

void DrawAligned(FrameBuffer& frame, const Project& project, const Struct_gr_element& element, std::string_view text,
                 int32_t alignment, int32_t font_number, int32_t colour_number) {
  const DeviceFont* font = SlotFont(project, font_number);
  const uint32_t* colour = PaletteColour(project, colour_number);
  if (!font || !colour) return;
  const int64_t offset = AlignmentOffset(alignment, DeviceTextWidth(text, *font));
  DrawDeviceText(frame, text, HoldCoordinate(element.x + offset), element.y, *colour, *font);
}

}  // namespace

int64_t AlignmentOffset(int32_t alignment, int64_t width) {
  if (alignment == kLeft) return -width;
  if (alignment == kCentre) return -(width / 2);  // the width is never negative
  return 0;
}

void DrawTextElement(FrameBuffer& frame, const Project& project, const Struct_gr_element& element,
                     const TextParams& params) {
  DrawAligned(frame, project, element, params.text, params.alignment, params.font, params.colour);
}

bool CurrentDigtText(const Project& project, const DigtParams& params, std::string& text) {
  const float* value = project.Analogue(params.input);
  if (!value) return false;
  return DigtText(params.format, params.dps, *value, text);
}

void DrawDigt(FrameBuffer& frame, const Project& project, const Struct_gr_element& element, const DigtParams& params) {
  std::string text;
  if (!CurrentDigtText(project, params, text)) return;
  DrawAligned(frame, project, element, text, params.alignment, params.font, params.colour);
}

}  // namespace velk
