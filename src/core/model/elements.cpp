#include "model/elements.h"

namespace velk {

ElementParams MakeElementParams(uint32_t kind) {
  switch (kind) {
    case kKindBarL: return BarLParams{};
    case kKindText: return TextParams{};
    case kKindDigt: return DigtParams{};
    case kKindImage: return ImageParams{};
    case kKindPictogram: return PictogramParams{};
    case kKindArrow: return ArrowParams{};
    case kKindRectangle: return RectangleParams{};
    case kKindTicks: return TicksParams{};
    case kKindBarS: return BarSParams{};
    case kKindBarT: return BarTParams{};
    case kKindGroup: return GroupRef{};
    default: return std::monostate{};
  }
}

}  // namespace velk
