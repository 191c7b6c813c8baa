#include "emulation/draw_image.h"

#include <algorithm>

#include "emulation/device_image.h"
#include "emulation/put_pixel.h"

namespace velk {
namespace {

// Image pixels first_col <= col < end_col, first_row <= row < end_row land at
// (left + col - first_col, top + row - first_row). The window is clipped to
// the image and to the screen once; each row is then one run of pointers, and
// `stamp` (inlined) puts one image pixel onto one frame pixel.
template <typename Stamp>
void StampWindow(FrameBuffer& frame, const ImageView& view, int first_col, int end_col, int first_row,
                 int end_row, int64_t left, int64_t top, Stamp stamp) {
  if (!view.pixels) return;
  // Screen column of image column c: left + c - first_col (likewise rows).
  const int64_t col_begin = std::max<int64_t>({first_col, 0, first_col - left});
  const int64_t col_end = std::min<int64_t>({end_col, view.width, first_col + kScreenWidth - left});
  const int64_t row_begin = std::max<int64_t>({first_row, 0, first_row - top});
  const int64_t row_end = std::min<int64_t>({end_row, view.height, first_row + kScreenHeight - top});
  if (col_begin >= col_end || row_begin >= row_end) return;
  const auto count = static_cast<size_t>(col_end - col_begin);
  for (int64_t row = row_begin; row < row_end; ++row) {
    const uint32_t* source = view.pixels + row * view.width + col_begin;
    uint32_t* target = frame.Row(static_cast<int>(top + row - first_row)) + (left + col_begin - first_col);
    for (size_t i = 0; i < count; ++i) stamp(target[i], source[i]);
  }
}

inline void StampPlain(uint32_t& target, uint32_t pixel) {
  if (pixel > 0x00FFFFFFu) BlendPixel(target, pixel);
}

}  // namespace

void DrawImage(FrameBuffer& frame, int x, int y, const DeviceImage* image) {
  const ImageView view = ViewOf(image);
  StampWindow(frame, view, 0, view.width, 0, view.height, x, y, StampPlain);
}

void DrawImageColumns(FrameBuffer& frame, int x, int y, int first, int end, const DeviceImage* image) {
  const ImageView view = ViewOf(image);
  StampWindow(frame, view, first, end, 0, view.height, x, y, StampPlain);
}

void DrawImageRows(FrameBuffer& frame, int x, int y, int first, int end, const DeviceImage* image) {
  const ImageView view = ViewOf(image);
  StampWindow(frame, view, 0, view.width, first, end, x, y, StampPlain);
}

void DrawImageRecoloured(FrameBuffer& frame, int x, int y, const DeviceImage* image, uint32_t colour) {
  const ImageView view = ViewOf(image);
  const float scale = kAlphaScale[colour >> 24];
  const uint32_t rgb = colour & 0x00FFFFFFu;
  StampWindow(frame, view, 0, view.width, 0, view.height, x, y, [scale, rgb](uint32_t& target, uint32_t pixel) {
    const auto alpha = static_cast<uint32_t>(static_cast<float>(pixel >> 24) * scale);
    if (alpha > 0) BlendPixel(target, alpha << 24 | rgb);
  });
}

}  // namespace velk
