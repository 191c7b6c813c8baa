#include "emulation/draw_image_picture.h"

#include <algorithm>

#include "emulation/device_image.h"

namespace velk {
namespace {

constexpr size_t kSearchedEntries = 100;

const Picture* PictureOf(const ImageLibrary& images, const DeviceImage* image) {
  const size_t searched = std::min(images.entries.size(), kSearchedEntries);
  for (size_t k = 0; k < searched; ++k)
    if (images.entries[k].device.get() == image) return &images.entries[k].picture;
  return images.entries.empty() ? nullptr : &images.entries[0].picture;
}

// Source over destination in 8-bit integers, rounded to nearest:
// alpha 255 gives the picture's byte, alpha 0 keeps the frame's.
inline uint32_t Over(uint32_t source, uint32_t target, uint32_t alpha) {
  return (source * alpha + target * (255u - alpha) + 127u) / 255u;
}

}  // namespace

void DrawImagePicture(FrameBuffer& frame, const ImageLibrary& images, int x, int y, const DeviceImage* image) {
  if (!ViewOf(image).pixels) return;
  const Picture* picture = PictureOf(images, image);
  if (!picture || picture->width <= 0 || picture->height <= 0) return;
  const auto pixels = static_cast<size_t>(picture->width) * static_cast<size_t>(picture->height);
  if (picture->rgb.size() < pixels * 3 || picture->alpha.size() < pixels) return;

  const int64_t col_begin = std::max<int64_t>(0, -int64_t{x});
  const int64_t col_end = std::min<int64_t>(picture->width, kScreenWidth - int64_t{x});
  const int64_t row_begin = std::max<int64_t>(0, -int64_t{y});
  const int64_t row_end = std::min<int64_t>(picture->height, kScreenHeight - int64_t{y});
  for (int64_t row = row_begin; row < row_end; ++row) {
    const size_t first = static_cast<size_t>(row * picture->width);
    const uint8_t* rgb = picture->rgb.data() + first * 3;
    const uint8_t* alpha = picture->alpha.data() + first;
    uint32_t* line = frame.Row(static_cast<int>(y + row));
    for (int64_t col = col_begin; col < col_end; ++col) {
      const uint32_t a = alpha[col];
      if (a == 0) continue;
      const uint8_t* source = rgb + col * 3;
      uint32_t& target = line[x + col];
      const uint32_t stored = target;
      if (a == 255) {
        target = 0xFF000000u | uint32_t{source[0]} << 16 | uint32_t{source[1]} << 8 | source[2];
        continue;
      }
      target = 0xFF000000u | Over(source[0], stored >> 16 & 0xFFu, a) << 16 |
                    Over(source[1], stored >> 8 & 0xFFu, a) << 8 | Over(source[2], stored & 0xFFu, a);
    }
  }
}

}  // namespace velk
