#include "emulation/draw_ticks.h"

#include "emulation/device_image.h"
#include "emulation/draw_arithmetic.h"
#include "emulation/draw_image.h"
#include "emulation/draw_image_picture.h"
#include "emulation/element_sources.h"
#include "emulation/rotate_image.h"
#include "model/project.h"
#include "script/numbers.h"

namespace velk {
namespace {

enum TicksType : uint8_t { kRow = 0, kColumn = 1, kCircle = 2 };

// One mark at (x, y), recoloured when `colour` is given.
void Stamp(FrameBuffer& frame, const Project& project, const DeviceImage* image, int x, int y,
           const uint32_t* colour) {
  if (colour) DrawImageRecoloured(frame, x, y, image, *colour);
  else DrawImagePicture(frame, project.images, x, y, image);
}

}  // namespace

void DrawTicks(FrameBuffer& frame, const Project& project, const Struct_gr_element& element,
               const TicksParams& params) {
  const DeviceImage* image = SlotImage(project, params.image);
  const ImageView view = ViewOf(image);
  const int divider = params.divider & 0xFF;
  if (!view.pixels || divider == 0) return;
  const uint32_t* colour = nullptr;
  if (params.recolour == 1) {
    colour = PaletteColour(project, params.colour);
    if (!colour) return;
  }

  const float step = static_cast<float>(int64_t{params.last_value} - params.first_value) / static_cast<float>(divider);
  const int64_t half_width = view.width / 2;
  const int64_t half_height = view.height / 2;
  const RotationSource source = RotationSourceOf(image);
  for (int i = 0; i <= divider; ++i) {
    const float offset = static_cast<float>(i) * step;
    switch (params.type) {
      case kRow: {
        const float x = offset + static_cast<float>(element.x - half_width);
        Stamp(frame, project, image, CutToInteger(x), element.y, colour);
        break;
      }
      case kColumn: {
        const float y = offset + static_cast<float>(element.y - half_height);
        Stamp(frame, project, image, element.x, CutToInteger(y), colour);
        break;
      }
      case kCircle: {
        const float angle = WithinOneTurn(offset + static_cast<float>(params.first_value));
        const auto pivot_x = static_cast<int>(half_width);
        if (colour)
          RotateImageRecoloured(frame, source, pivot_x, params.yc, element.x, element.y, angle, kScreenWidth,
                                kScreenHeight, *colour);
        else
          RotateImage(frame, source, pivot_x, params.yc, element.x, element.y, angle, kScreenWidth, kScreenHeight);
        break;
      }
      default: return;
    }
  }
}

}  // namespace velk
