#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "model/libraries.h"

namespace velk {

struct Project;

// Loads the PNG file of an IMAGE_LOAD statement from the project folder: a
// new image-library entry (the name without its quotes, the picture, its
// preview and its device image), width x height x 4 bytes more in the device
// memory total, and the name in the package file list. Returns the device
// image, or nothing: when the file is missing, no valid PNG or wider or higher
// than 2047 pixels, a log line names the file and the reason, and the entry
// and the package name are kept without a picture or device image; when the
// library already holds 100 images, or the device image's memory cannot be
// had ("Allocation error 1."), no entry is made and nothing is counted.
std::shared_ptr<const DeviceImage> LoadImageAsset(Project& project, std::string_view file_name);

// Loads a different file into existing entry `entry` (0-based) for the image
// library window: name, picture, preview and a new device image; the entry
// count, the device memory total and the package list stay. When the file
// cannot be used the entry is left as it was and nothing is returned; when
// only the device image's memory cannot be had, the entry keeps the new
// picture and has no device image.
std::shared_ptr<const DeviceImage> ReplaceImageAsset(Project& project, std::string_view file_name, size_t entry);

// Writes the header word and the colour words (A << 24 | B << 16 | G << 8 | R,
// row by row from the top-left pixel) of a picture into `target`, which must
// hold width x height + 1 words. False (nothing written) when the target is
// too small, the picture's planes do not match its size, or a side exceeds
// the 2047 pixels the header can hold.
bool ConvertToDeviceImage(const Picture& picture, std::span<uint32_t> target);

}  // namespace velk
