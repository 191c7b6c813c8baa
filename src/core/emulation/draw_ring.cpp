#include "emulation/draw_ring.h"

#include <algorithm>
#include <cmath>

#include "emulation/fast_atan2.h"
#include "emulation/put_pixel.h"

namespace velk {
namespace {

// The distances the coverage compares a pixel's distance with, as floats.
struct RingLimits {
  float full_from;  // R - T + 1: full coverage from here ...
  float full_to;    // R - 1: ... to here; the outer edge fades out up to
  float outer;      // R
  float inner;      // R - T: the inner edge fades in from here to R - T + 1
};

// The coverage of a pixel at distance `delta`, tested in this order.
int Coverage(const RingLimits& ring, float delta) {
  if (delta >= ring.full_from && delta < ring.full_to) return 255;
  if (delta >= ring.full_to && delta < ring.outer) return static_cast<int>((ring.outer - delta) * 255.0f);
  if (delta >= ring.inner && delta < ring.full_from) return static_cast<int>((delta - ring.inner) * 255.0f);
  return 0;
}

// The column offsets of one row (dy from the centre) that may have coverage:
// hole < |dx| <= reach. The bounds come from the radii in double precision,
// widened by a margin larger than the error of the single-precision distance
// (a few float roundings of values up to the radius), so that only pixels
// certain to have none are left out and the exact test decides the others.
struct RowSpan {
  int64_t hole;  // -1: no hole in this row
  int64_t reach;
};

struct SpanRadii {
  double outer;  // coverage 0 at and beyond this distance
  double inner;  // coverage 0 below this distance
};

bool RowSpanOf(const SpanRadii& radii, int64_t dy, RowSpan& span) {
  const double y = static_cast<double>(dy);
  const double reach_squared = radii.outer * radii.outer - y * y;
  if (reach_squared < 0) return false;
  span.reach = static_cast<int64_t>(std::floor(std::sqrt(reach_squared))) + 1;
  span.hole = -1;
  if (radii.inner > std::fabs(y))
    span.hole = static_cast<int64_t>(std::ceil(std::sqrt(radii.inner * radii.inner - y * y))) - 2;
  return true;
}

}  // namespace

bool InsideArc(float start, float end, float angle) {
  return (start < angle && angle < end) || (end > 180.0f && angle < end - 360.0f) ||
         (start < -180.0f && angle > start + 360.0f);
}

float RingAngle(int64_t dx, int64_t dy) {
  const float turn = FastAtan2(static_cast<float>(-dx), static_cast<float>(-dy));
  return static_cast<float>(static_cast<double>(turn) * -57.29577951308232);
}

void DrawRing(FrameBuffer& frame, int x, int y, const BarSParams& params, float value, uint32_t colour1,
              uint32_t colour2) {
  const int64_t radius = params.h;
  const int64_t thickness = params.w;
  if (radius <= 0) return;
  const RingLimits ring{static_cast<float>(radius - thickness + 1), static_cast<float>(radius - 1),
                        static_cast<float>(radius), static_cast<float>(radius - thickness)};
  const double outer = static_cast<double>(std::max(radius, radius - thickness + 1));
  const double inner = static_cast<double>(std::min(radius - thickness, radius - 1));
  const double margin = 2.0 + 1e-6 * std::max(std::fabs(outer), std::fabs(inner));
  const SpanRadii radii{outer + margin, inner - margin};

  const bool rising = params.first_input < params.last_input;
  const uint32_t filled = rising ? colour2 : colour1;
  const uint32_t unfilled = rising ? colour1 : colour2;
  const float k = (params.last_angle - params.first_angle) / std::fabs(params.last_input - params.first_input);
  const float o = params.first_input >= params.last_input ? params.first_input - value : value - params.first_input;
  const float value_angle = k * o + params.first_angle;
  const bool before_minus_180 = value_angle < -180.0f;
  const float value_wrap = value_angle + 360.0f;

  // The mask is 2R x 2R about the centre: offsets -R..R-1 on both axes,
  // landing at (x + dx, y + dy); only those on the screen are scanned.
  const int64_t dx_begin = std::max(-radius, -int64_t{x});
  const int64_t dx_end = std::min(radius, kScreenWidth - int64_t{x});
  const int64_t dy_begin = std::max(-radius, -int64_t{y});
  const int64_t dy_end = std::min(radius, kScreenHeight - int64_t{y});
  for (int64_t dy = dy_begin; dy < dy_end; ++dy) {
    RowSpan span;
    if (!RowSpanOf(radii, dy, span)) continue;
    uint32_t* line = frame.Row(static_cast<int>(y + dy));
    const auto fy = static_cast<float>(dy);
    const float fy_squared = fy * fy;
    // The left run, then the right one (one run when the row has no hole).
    const int64_t runs[2][2] = {{-span.reach, -span.hole - 1}, {std::max(span.hole + 1, -span.hole), span.reach}};
    for (const auto& run : runs) {
      const int64_t first = std::max(run[0], dx_begin);
      const int64_t last = std::min(run[1], dx_end - 1);
      for (int64_t dx = first; dx <= last; ++dx) {
        const auto fx = static_cast<float>(dx);
        const int coverage = Coverage(ring, std::sqrt(fx * fx + fy_squared));
        if (coverage == 0) continue;
        const float angle = RingAngle(dx, dy);
        if (!InsideArc(params.first_angle, params.last_angle, angle)) continue;
        const bool fill = InsideArc(params.first_angle, value_angle, angle) && !(before_minus_180 && angle > value_wrap);
        const uint32_t colour = fill ? filled : unfilled;
        const auto alpha = static_cast<uint32_t>(static_cast<float>(coverage) * kAlphaScale[colour >> 24]);
        if (alpha != 0) BlendPixel(line[x + dx], alpha << 24 | (colour & 0x00FFFFFFu));
      }
    }
  }
}

}  // namespace velk
