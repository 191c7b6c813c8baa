#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace velk {

// The emulated screen. Every primitive clips to it.
inline constexpr int kScreenWidth = 1024;
inline constexpr int kScreenHeight = 600;

// The frame picture is one column wider than the screen, as the display's
// picture is: the preview scales the whole 1025 x 600 picture (and so shows
// the extra column), while drawing clips at 1024 and never reaches it.
inline constexpr int kFrameWidth = 1025;

// The frame buffer: one 32-bit word 0xFFRRGGBB per pixel, row by row from
// the top-left pixel, kFrameWidth words per row. The top byte is always 0xFF:
// the colour is 24-bit RGB over an alpha plane that stays opaque, and the
// words are the layout a QImage of Format_RGB32 reads without a conversion.
class FrameBuffer {
 public:
  FrameBuffer();  // black

  uint32_t* Row(int y) { return pixels_.data() + static_cast<size_t>(y) * kFrameWidth; }
  const uint32_t* Row(int y) const { return pixels_.data() + static_cast<size_t>(y) * kFrameWidth; }
  // The word at (x, y); x < kFrameWidth, y < kScreenHeight.
  uint32_t Pixel(int x, int y) const { return Row(y)[x]; }
  const uint32_t* Data() const { return pixels_.data(); }

 private:
  std::vector<uint32_t> pixels_;
};

// Starts a frame by copying the background over the whole picture. The
// background is opaque black and never changes, so the copy is a fill; no
// second picture is kept for it.
void ClearFrame(FrameBuffer& frame);

}  // namespace velk
