#include "emulation/device_image.h"

#include <new>

namespace velk {

ImageView ViewOf(const DeviceImage* image) {
  if (!image || image->size == 0 || !image->words) return {};
  const uint32_t header = image->words[0];
  if (HeaderType(header) != kDeviceImageType) return {};
  const int width = HeaderWidth(header);
  const int height = HeaderHeight(header);
  if (image->size - 1 < static_cast<size_t>(width) * static_cast<size_t>(height)) return {};
  return {width, height, image->words.get() + 1};
}

std::shared_ptr<DeviceImage> AllocateDeviceImage(int width, int height) {
  if (width < 0 || height < 0 || width > kMaxDeviceImageSide || height > kMaxDeviceImageSide) return nullptr;
  const size_t words = static_cast<size_t>(width) * static_cast<size_t>(height) + 1;
  // The pixel memory is the allocation that may fail; the small record
  // around it is allocated like any other.
  std::unique_ptr<uint32_t[]> memory(new (std::nothrow) uint32_t[words]());
  if (!memory) return nullptr;
  auto image = std::make_shared<DeviceImage>();
  memory[0] = DeviceImageHeader(static_cast<uint32_t>(width), static_cast<uint32_t>(height));
  image->words = std::move(memory);
  image->size = words;
  return image;
}

}  // namespace velk
