#pragma once

#include <cstdint>
#include <memory>

#include "model/libraries.h"

namespace velk {

// Header word of a device image: type in bits 0-3, width in bits 10-20,
// height in bits 21-31.
inline constexpr uint32_t kDeviceImageType = 5;
inline constexpr int kMaxDeviceImageSide = 2047;  // what 11 header bits hold

constexpr uint32_t DeviceImageHeader(uint32_t width, uint32_t height) {
  return (width << 10 | kDeviceImageType) | height << 21;
}
constexpr uint32_t HeaderType(uint32_t header) { return header & 0xFu; }
constexpr int HeaderWidth(uint32_t header) { return static_cast<int>(header >> 10 & 0x7FFu); }
constexpr int HeaderHeight(uint32_t header) { return static_cast<int>(header >> 21); }

// A device image as the primitives read it: width x height colour words from
// the top-left pixel. `pixels` is null when there is nothing to draw.
struct ImageView {
  int width = 0;
  int height = 0;
  const uint32_t* pixels = nullptr;
};

// The view of an image, or an empty view when there is no image, its header
// type is not 5, or it holds fewer words than its header promises.
ImageView ViewOf(const DeviceImage* image);

// A width x height device image with its header written and every pixel 0
// (empty); nullptr when the size does not fit the header or the memory
// cannot be had.
std::shared_ptr<DeviceImage> AllocateDeviceImage(int width, int height);

}  // namespace velk
