#include "emulation/fill_rect.h"

#include <algorithm>
#include <array>

#include "emulation/put_pixel.h"

namespace velk {

void FillRect(FrameBuffer& frame, int x, int y, int width, int height, uint32_t colour) {
  const int64_t left = std::max<int64_t>(x, 0);
  const int64_t right = std::min<int64_t>(int64_t{x} + width, kScreenWidth);
  const int64_t top = std::max<int64_t>(y, 0);
  const int64_t bottom = std::min<int64_t>(int64_t{y} + height, kScreenHeight);
  if (left >= right || top >= bottom) return;
  const uint32_t alpha = colour >> 24;
  if (alpha == 0) return;  // blending with alpha 0 keeps every pixel
  const auto count = static_cast<size_t>(right - left);

  if (alpha == 255) {
    const uint32_t word = FrameWord(colour);
    for (int64_t row = top; row < bottom; ++row) {
      uint32_t* pixel = frame.Row(static_cast<int>(row)) + left;
      std::fill(pixel, pixel + count, word);
    }
    return;
  }

  // One colour over the whole rectangle: each channel's blend depends only on
  // the stored byte, so it is computed once per byte value, with the same
  // operations as BlendPixel, and looked up per pixel.
  const float a = kAlphaScale[alpha];
  const float keep = 1.0f - a;
  std::array<uint32_t, 256> red{}, green{}, blue{};
  for (uint32_t stored = 0; stored < 256; ++stored) {
    red[stored] = BlendChannel(stored, colour & 0xFFu, a, keep) << 16;
    green[stored] = BlendChannel(stored, colour >> 8 & 0xFFu, a, keep) << 8;
    blue[stored] = BlendChannel(stored, colour >> 16 & 0xFFu, a, keep);
  }
  for (int64_t row = top; row < bottom; ++row) {
    uint32_t* pixel = frame.Row(static_cast<int>(row)) + left;
    for (size_t i = 0; i < count; ++i) {
      const uint32_t stored = pixel[i];
      pixel[i] = 0xFF000000u | red[stored >> 16 & 0xFFu] | green[stored >> 8 & 0xFFu] | blue[stored & 0xFFu];
    }
  }
}

}  // namespace velk
