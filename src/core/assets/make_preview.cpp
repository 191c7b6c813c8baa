#include "assets/make_preview.h"

#include <algorithm>
#include <cstddef>

namespace velk {
namespace {

inline float Lerp(float a, float b, float t) { return a + (b - a) * t; }

}  // namespace

void MakePreview(const Picture& picture, Picture& preview) {
  const int width = picture.width;
  const int height = picture.height;
  const auto side = static_cast<float>(kPreviewSide);
  const float fx = width >= kPreviewSide ? side / static_cast<float>(width) : 1.0f;
  const float fy = height >= kPreviewSide ? side / static_cast<float>(height) : 1.0f;
  const float f = std::min(fx, fy);
  const int w = width > 0 ? static_cast<int>(f * static_cast<float>(width)) : 0;
  const int h = height > 0 ? static_cast<int>(f * static_cast<float>(height)) : 0;
  preview.width = w;
  preview.height = h;
  preview.rgb.assign(static_cast<size_t>(w) * static_cast<size_t>(h) * 3, 0);
  preview.alpha.assign(static_cast<size_t>(w) * static_cast<size_t>(h), 0);
  const auto pixels = static_cast<size_t>(width) * static_cast<size_t>(height);
  if (w == 0 || h == 0 || picture.rgb.size() < pixels * 3 || picture.alpha.size() < pixels) return;

  // Byte k (0 red, 1 green, 2 blue, 3 alpha) of picture pixel (x, y).
  const auto byte = [&picture, width](int x, int y, int k) {
    const size_t at = static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x);
    return static_cast<float>(k < 3 ? picture.rgb[at * 3 + static_cast<size_t>(k)] : picture.alpha[at]);
  };
  for (int j = 0; j < h; ++j) {
    const float sy = static_cast<float>(j) / static_cast<float>(h) * static_cast<float>(height - 1);
    const int y0 = static_cast<int>(sy);
    const float ty = sy - static_cast<float>(y0);
    // The neighbour past the last row or column is only reached by a picture
    // one pixel high or wide, where its weight is exactly 0: the edge pixel
    // stands in for it and leaves the value unchanged.
    const int y1 = std::min(y0 + 1, height - 1);
    for (int i = 0; i < w; ++i) {
      const float sx = static_cast<float>(i) / static_cast<float>(w) * static_cast<float>(width - 1);
      const int x0 = static_cast<int>(sx);
      const float tx = sx - static_cast<float>(x0);
      const int x1 = std::min(x0 + 1, width - 1);
      const size_t at = static_cast<size_t>(j) * static_cast<size_t>(w) + static_cast<size_t>(i);
      for (int k = 0; k < 4; ++k) {
        const float value = Lerp(Lerp(byte(x0, y0, k), byte(x1, y0, k), tx), Lerp(byte(x0, y1, k), byte(x1, y1, k), tx), ty);
        const auto result = static_cast<uint8_t>(value);
        if (k < 3) preview.rgb[at * 3 + static_cast<size_t>(k)] = result;
        else preview.alpha[at] = result;
      }
    }
  }
}

}  // namespace velk
