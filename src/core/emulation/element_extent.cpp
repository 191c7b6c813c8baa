#include "emulation/element_extent.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "assets/device_text.h"
#include "emulation/device_image.h"
#include "emulation/draw_text_elements.h"
#include "emulation/element_sources.h"
#include "model/project.h"

namespace velk {
namespace {

constexpr ElementExtentBox kCross{kExtentCross, -15, -15, 30, 30};

ElementExtentBox Box(int64_t dx, int64_t width, int64_t height) {
  const auto hold = [](int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); };
  return {kExtentRectangle, hold(dx), 0, hold(width), hold(height)};
}

ElementExtentBox PictureBox(const Project& project, int32_t image) {
  const ImageView view = ViewOf(SlotImage(project, image));
  return Box(0, view.width, view.height);
}

ElementExtentBox TextBox(const Project& project, std::string_view text, int32_t alignment, int32_t font_number) {
  const DeviceFont* font = SlotFont(project, font_number);
  if (!font) return Box(0, 0, 0);
  const int64_t width = DeviceTextWidth(text, *font);
  return Box(AlignmentOffset(alignment, width), width, font->Size());
}

ElementExtentBox DigtBox(const Project& project, const DigtParams& p) {
  std::string text;  // stays empty, and measures 0, when the DIGT shows nothing
  CurrentDigtText(project, p, text);
  return TextBox(project, text, p.alignment, p.font);
}

ElementExtentBox BarTBox(const Project& project, const BarTParams& p) {
  const ImageView thumb = ViewOf(SlotImage(project, p.image));
  return p.type == 0 ? Box(0, p.length, thumb.height) : Box(0, thumb.width, p.length);
}

}  // namespace

ElementExtentBox ElementExtent(const Project& project, const Struct_gr_element& element) {
  const ElementParams& params = element.params;
  switch (element.kind) {
    case kKindImage:
      if (const auto* p = std::get_if<ImageParams>(&params)) return PictureBox(project, p->image);
      break;
    case kKindPictogram:
      if (const auto* p = std::get_if<PictogramParams>(&params)) return PictureBox(project, p->image);
      break;
    case kKindBarL:
      if (const auto* p = std::get_if<BarLParams>(&params)) return PictureBox(project, p->image1);
      break;
    case kKindText:
      if (const auto* p = std::get_if<TextParams>(&params)) return TextBox(project, p->text, p->alignment, p->font);
      break;
    case kKindDigt:
      if (const auto* p = std::get_if<DigtParams>(&params)) return DigtBox(project, *p);
      break;
    case kKindRectangle:
      if (const auto* p = std::get_if<RectangleParams>(&params)) return Box(0, p->w, p->h);
      break;
    case kKindBarS:
      if (const auto* p = std::get_if<BarSParams>(&params)) return p->type == 2 ? kCross : Box(0, p->w, p->h);
      break;
    case kKindBarT:
      if (const auto* p = std::get_if<BarTParams>(&params)) return BarTBox(project, *p);
      break;
    case kKindArrow:
    case kKindTicks: return kCross;
    default: break;
  }
  return {};
}

}  // namespace velk
