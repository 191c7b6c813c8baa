#include "emulation/draw_page.h"

#include "emulation/draw_arrow.h"
#include "emulation/draw_bars.h"
#include "emulation/draw_picture_elements.h"
#include "emulation/draw_rectangle.h"
#include "emulation/draw_text_elements.h"
#include "emulation/draw_ticks.h"
#include "model/project.h"

namespace velk {
namespace {

constexpr Link kPageInput{RowOf("PAGE"), 1};

template <class Params>
using Routine = void (*)(FrameBuffer&, const Project&, const Struct_gr_element&, const Params&);

// Calls the routine when the element's parameters are the ones it draws.
template <class Params>
void Call(Routine<Params> routine, FrameBuffer& frame, const Project& project, const Struct_gr_element& element) {
  if (const Params* params = std::get_if<Params>(&element.params)) routine(frame, project, element, *params);
}

}  // namespace

void DrawElement(FrameBuffer& frame, const Project& project, const Struct_gr_element& element) {
  switch (element.kind) {
    case kKindBarL: Call<BarLParams>(DrawBarL, frame, project, element); return;
    case kKindText: Call<TextParams>(DrawTextElement, frame, project, element); return;
    case kKindDigt: Call<DigtParams>(DrawDigt, frame, project, element); return;
    case kKindImage: Call<ImageParams>(DrawImageElement, frame, project, element); return;
    case kKindPictogram: Call<PictogramParams>(DrawPictogram, frame, project, element); return;
    case kKindArrow: Call<ArrowParams>(DrawArrow, frame, project, element); return;
    case kKindRectangle: Call<RectangleParams>(DrawRectangle, frame, project, element); return;
    case kKindTicks: Call<TicksParams>(DrawTicks, frame, project, element); return;
    case kKindBarS: Call<BarSParams>(DrawBarS, frame, project, element); return;
    case kKindBarT: Call<BarTParams>(DrawBarT, frame, project, element); return;
    default: return;
  }
}

void DrawPage(FrameBuffer& frame, Project& project, int page) {
  if (float* shown = project.Analogue(kPageInput)) *shown = static_cast<float>(page);
  if (page < 1 || page > static_cast<int>(kPageCount)) return;
  const std::vector<Struct_gr_element>& elements = project.Page(page).elements;
  for (size_t k = elements.size(); k-- > 0;) {
    const Struct_gr_element& element = elements[k];
    const uint8_t* enable = project.Digital(element.enable);
    if (enable && *enable != 0) DrawElement(frame, project, element);
  }
}

}  // namespace velk
