#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "emulation/device_image.h"
#include "emulation/frame_buffer.h"

namespace velk::test {

// A device image of the given colour words (0xAABBGGRR), row by row.
inline std::shared_ptr<DeviceImage> MakeImage(int width, int height, const std::vector<uint32_t>& pixels) {
  std::shared_ptr<DeviceImage> image = AllocateDeviceImage(width, height);
  for (size_t i = 0; i < pixels.size() && i + 1 < image->size; ++i) image->words[i + 1] = pixels[i];
  return image;
}

// Fills the whole picture (the extra column too) with a pattern that makes
// every blend visible: each channel differs from pixel to pixel.
inline void FillPattern(FrameBuffer& frame) {
  for (int y = 0; y < kScreenHeight; ++y)
    for (int x = 0; x < kFrameWidth; ++x)
      frame.Row(y)[x] = 0xFF000000u | static_cast<uint32_t>((x * 7 + y) & 0xFF) << 16 |
                        static_cast<uint32_t>((y * 5 + 3 * x) & 0xFF) << 8 | static_cast<uint32_t>((x + y * 11) & 0xFF);
}

// Compares two frames word by word, extra column included, and names the
// first pixel that differs.
inline ::testing::AssertionResult SameFrame(const FrameBuffer& actual, const FrameBuffer& expected) {
  for (int y = 0; y < kScreenHeight; ++y)
    for (int x = 0; x < kFrameWidth; ++x)
      if (actual.Pixel(x, y) != expected.Pixel(x, y))
        return ::testing::AssertionFailure() << "first difference at (" << x << ", " << y << "): 0x" << std::hex
                                             << actual.Pixel(x, y) << " instead of 0x" << expected.Pixel(x, y);
  return ::testing::AssertionSuccess();
}

}  // namespace velk::test
