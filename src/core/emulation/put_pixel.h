#pragma once

#include <array>
#include <cfloat>
#include <cstdint>

#include "emulation/frame_buffer.h"

namespace velk {

// The blend is defined operation by operation in single precision, with
// truncation; it gives the display's pixels only when every float operation
// is rounded to a float (no wider intermediates, no fused multiply-add: the
// core is built with -ffp-contract=off and never with -ffast-math).
static_assert(FLT_EVAL_METHOD == 0, "the drawing arithmetic needs single-precision evaluation");

// a = A / 255 rounded to single precision, for every alpha A. The same
// factor scales the ink of recoloured images and of device-font glyphs.
inline constexpr std::array<float, 256> kAlphaScale = [] {
  std::array<float, 256> scale{};
  for (int alpha = 0; alpha < 256; ++alpha) scale[static_cast<size_t>(alpha)] = static_cast<float>(alpha) / 255.0f;
  return scale;
}();

// The frame-buffer word (0xFFRRGGBB) of the RGB of a colour word 0xAABBGGRR.
constexpr uint32_t FrameWord(uint32_t colour) {
  return 0xFF000000u | (colour & 0xFFu) << 16 | (colour & 0xFF00u) | (colour >> 16 & 0xFFu);
}

// One stored channel blended towards a colour channel: trunc(c0 (1 - a) + c a).
// The sum never exceeds 255.x, so the result fits a byte.
inline uint32_t BlendChannel(uint32_t stored, uint32_t channel, float a, float keep) {
  return static_cast<uint32_t>(static_cast<float>(stored) * keep + static_cast<float>(channel) * a);
}

// The store of PutPixel on a pixel that is on the screen: an opaque colour
// replaces the pixel, any other is blended in. Alpha 0 keeps the pixel exactly
// (c0 x 1 + c x 0 = c0), so callers may skip such colours.
inline void BlendPixel(uint32_t& stored, uint32_t colour) {
  if (colour >= 0xFF000000u) {
    stored = FrameWord(colour);
    return;
  }
  const float a = kAlphaScale[colour >> 24];
  const float keep = 1.0f - a;
  const uint32_t red = BlendChannel(stored >> 16 & 0xFFu, colour & 0xFFu, a, keep);
  const uint32_t green = BlendChannel(stored >> 8 & 0xFFu, colour >> 8 & 0xFFu, a, keep);
  const uint32_t blue = BlendChannel(stored & 0xFFu, colour >> 16 & 0xFFu, a, keep);
  stored = 0xFF000000u | red << 16 | green << 8 | blue;
}

// Blends one pixel. The comparison is unsigned, so negative coordinates are
// outside too. Returns 1 when the pixel was on the screen and written, else 0.
inline int PutPixel(FrameBuffer& frame, int x, int y, uint32_t colour) {
  if (static_cast<unsigned>(x) >= static_cast<unsigned>(kScreenWidth) ||
      static_cast<unsigned>(y) >= static_cast<unsigned>(kScreenHeight))
    return 0;
  BlendPixel(frame.Row(y)[x], colour);
  return 1;
}

}  // namespace velk
