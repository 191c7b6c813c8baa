#include "emulation/draw_arrow.h"

#include <algorithm>

#include "emulation/draw_arithmetic.h"
#include "emulation/element_sources.h"
#include "emulation/rotate_image.h"
#include "model/project.h"

namespace velk {

float ArrowAngle(const ArrowParams& params, float value) {
  const float span = params.last_input - params.first_input;
  const float k = (params.last_angle - params.first_angle) / span;
  float d = value > params.first_input ? value - params.first_input : 0.0f;
  d = std::min(d, span);
  return k * d + params.first_angle;
}

void DrawArrow(FrameBuffer& frame, const Project& project, const Struct_gr_element& element,
               const ArrowParams& params) {
  const float* value = project.Analogue(params.input);
  const DeviceImage* image = SlotImage(project, params.image);
  if (!value || !image || params.last_input == params.first_input) return;
  RotateImage(frame, RotationSourceOf(image), params.xc, params.yc, element.x, element.y,
              WithinOneTurn(ArrowAngle(params, *value)), kScreenWidth, kScreenHeight);
}

}  // namespace velk
