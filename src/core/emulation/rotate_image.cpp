#include "emulation/rotate_image.h"

#include <algorithm>
#include <cmath>

#include "emulation/device_image.h"
#include "emulation/put_pixel.h"

namespace velk {
namespace {

// The display's constants: pi/180 and 2 pi as single-precision reals, and the
// quadrant limits as doubles.
constexpr float kRadiansPerDegree = 0.017453292f;
constexpr float kFullTurn = 6.2831855f;
constexpr double kQuarterTurn = 1.5707963267948966;
constexpr double kHalfTurn = 3.141592653589793;
constexpr double kThreeQuarterTurn = 4.71238898038469;

struct Point {
  float x;
  float y;
};

struct Vertex {
  int16_t x;
  int16_t y;
};

// The vertices are 16-bit values. A turned corner outside that range (only
// for a pivot tens of thousands of pixels away) would wrap; such a rotation
// draws nothing instead.
bool ToVertex(float x, float y, bool floor_x, bool floor_y, Vertex& vertex) {
  if (floor_x) x = std::floor(x);
  if (floor_y) y = std::floor(y);
  if (!(x > -32769.0f && x < 32768.0f && y > -32769.0f && y < 32768.0f)) return false;
  vertex = {static_cast<int16_t>(static_cast<int32_t>(x)), static_cast<int16_t>(static_cast<int32_t>(y))};
  return true;
}

inline uint32_t SourcePixel(const RotationSource& source, int col, int row) {
  if (static_cast<unsigned>(col) >= source.width || static_cast<unsigned>(row) >= source.height) return 0;
  return source.pixels[static_cast<size_t>(row) * source.width + static_cast<size_t>(col)];
}

inline float Channel(uint32_t pixel, int shift) { return static_cast<float>(pixel >> shift & 0xFFu); }

template <bool kRecoloured>
void Rotate(FrameBuffer& frame, const RotationSource& source, int px, int py, int dx, int dy, float angle,
            uint16_t target_width, uint16_t target_height, uint32_t colour) {
  // Every sample of any other source is transparent black: nothing to draw.
  if (source.kind != 1 || !source.pixels || source.width == 0 || source.height == 0) return;

  // 1. The angle in radians, counter-clockwise, within 0..2 pi.
  float theta = -angle * kRadiansPerDegree;
  if (theta < 0) theta += kFullTurn;
  // 2. cos and sin, kept as single-precision reals.
  const auto c = static_cast<float>(std::cos(static_cast<double>(theta)));
  const auto s = static_cast<float>(std::sin(static_cast<double>(theta)));
  const auto turn = [c, s](int64_t u, int64_t v) {
    const auto fu = static_cast<float>(u);
    const auto fv = static_cast<float>(v);
    return Point{fu * c + fv * s, -(fu * s) + fv * c};
  };

  // 3. The corners as offsets from the pivot, turned.
  const int64_t w = source.width;
  const int64_t h = source.height;
  const Point top_left = turn(-int64_t{px}, -int64_t{py});
  const Point top_right = turn(w - px - 1, -int64_t{py});
  const Point bottom_right = turn(w - px - 1, h - py - 1);
  const Point bottom_left = turn(-int64_t{px}, h - py - 1);

  // 4. Which turned corner is the left, top, right and bottom vertex.
  Point l, t, r, b;
  if (theta < kQuarterTurn) {
    l = top_left, t = top_right, r = bottom_right, b = bottom_left;
  } else if (theta < kHalfTurn) {
    l = top_right, t = bottom_right, r = bottom_left, b = top_left;
  } else if (theta < kThreeQuarterTurn) {
    l = bottom_right, t = bottom_left, r = top_left, b = top_right;
  } else {
    l = bottom_left, t = top_left, r = top_right, b = bottom_right;
  }
  Vertex left, top, right, bottom;
  if (!ToVertex(l.x, l.y, true, false, left) || !ToVertex(t.x, t.y, false, true, top) ||
      !ToVertex(r.x, r.y, false, false, right) || !ToVertex(b.x, b.y, false, false, bottom))
    return;

  // 5. The left and right edges of the first row and their slopes.
  float xl, xr, s1 = 0, s2 = 0;
  if (top.y == left.y) {
    xl = left.x;
    xr = top.x;
  } else if (top.x == left.x) {
    xl = left.x;
    xr = right.x;
  } else {
    xl = xr = top.x;
    const auto to_left = static_cast<float>(left.x - top.x);
    s1 = std::max(to_left, to_left / static_cast<float>(left.y - top.y));
    const auto to_bottom = static_cast<float>(bottom.x - left.x);
    s2 = left.y == bottom.y ? to_bottom : std::min(to_bottom, to_bottom / static_cast<float>(bottom.y - left.y));
  }

  // 6. Scan the rows of the turned rectangle. The destination is clipped to
  // the target and the screen once per row; the edges advance on every row.
  const int64_t x_limit = std::min<int64_t>(target_width, kScreenWidth);
  const int64_t y_limit = std::min<int64_t>(target_height, kScreenHeight);
  const auto pivot_x = static_cast<float>(px);
  const auto pivot_y = static_cast<float>(py);
  const uint32_t rgb = colour & 0x00FFFFFFu;
  const int source_width = source.width;
  for (int j = top.y; j <= bottom.y; ++j) {
    const int64_t y = int64_t{dy} + j;
    if (y >= 0 && y < y_limit) {
      const int16_t start = static_cast<int16_t>(static_cast<int32_t>(xl));
      const int16_t end = static_cast<int16_t>(static_cast<int32_t>(j == top.y ? xr : std::ceil(xr)));
      const int64_t first = std::max<int64_t>(start, -int64_t{dx});
      const int64_t last = std::min<int64_t>(end, x_limit - 1 - dx);
      uint32_t* line = frame.Row(static_cast<int>(y));
      const auto fj = static_cast<float>(j);
      const float js = fj * s;
      const float jc = fj * c;
      for (int64_t i = first; i <= last; ++i) {
        const auto fi = static_cast<float>(i);
        const float sx = pivot_x + (fi * c - js);
        const float sy = pivot_y + (fi * s + jc);
        const auto x0 = static_cast<int>(sx);  // towards zero
        const auto y0 = static_cast<int>(sy);
        const float fx = sx - static_cast<float>(x0);
        const float fy = sy - static_cast<float>(y0);
        const float w00 = (1.0f - fx) * (1.0f - fy);
        const float w10 = fx * (1.0f - fy);
        const float w01 = (1.0f - fx) * fy;
        const float w11 = fx * fy;
        uint32_t p00, p10, p01, p11;
        if (static_cast<unsigned>(x0) < source.width - 1u && static_cast<unsigned>(y0) < source.height - 1u) {
          const uint32_t* at = source.pixels + static_cast<size_t>(y0) * source_width + x0;
          p00 = at[0], p10 = at[1], p01 = at[source_width], p11 = at[source_width + 1];
        } else {
          p00 = SourcePixel(source, x0, y0), p10 = SourcePixel(source, x0 + 1, y0);
          p01 = SourcePixel(source, x0, y0 + 1), p11 = SourcePixel(source, x0 + 1, y0 + 1);
        }
        const auto sample = [&](int shift) {
          return static_cast<int32_t>(w00 * Channel(p00, shift) + w10 * Channel(p10, shift) +
                                      w01 * Channel(p01, shift) + w11 * Channel(p11, shift));
        };
        // The sums are not clamped: weights of a point just left of or above
        // the image leave 0..1, and the words keep whatever bits result.
        const int32_t alpha = sample(24);
        if ((alpha & 0xFF) == 0) continue;
        uint32_t word;
        if constexpr (kRecoloured) {
          word = static_cast<uint32_t>(alpha) << 24 | rgb;
        } else {
          word = static_cast<uint32_t>(alpha) << 24 | static_cast<uint32_t>(sample(16)) << 16 |
                 static_cast<uint32_t>(sample(8)) << 8 | static_cast<uint32_t>(sample(0));
        }
        BlendPixel(line[dx + i], word);
      }
    }

    // 7. Advance the edges to the next row.
    if (j < left.y) xl = std::max(xl + s1, static_cast<float>(left.x));
    else if (j == left.y) xl = left.x;
    else xl = std::min(xl + s2, static_cast<float>(bottom.x));
    if (j < right.y) xr = std::min(xr + s2, static_cast<float>(right.x));
    else if (j == right.y) xr = right.x;
    else xr = std::max(xr + s1, static_cast<float>(bottom.x));
  }
}

}  // namespace

RotationSource RotationSourceOf(const DeviceImage* image) {
  const ImageView view = ViewOf(image);
  if (!view.pixels) return {};
  return {static_cast<uint16_t>(view.width), static_cast<uint16_t>(view.height), 1, view.pixels};
}

void RotateImage(FrameBuffer& frame, const RotationSource& source, int px, int py, int dx, int dy, float angle,
                 uint16_t target_width, uint16_t target_height) {
  Rotate<false>(frame, source, px, py, dx, dy, angle, target_width, target_height, 0);
}

void RotateImageRecoloured(FrameBuffer& frame, const RotationSource& source, int px, int py, int dx, int dy,
                           float angle, uint16_t target_width, uint16_t target_height, uint32_t colour) {
  Rotate<true>(frame, source, px, py, dx, dy, angle, target_width, target_height, colour);
}

}  // namespace velk
