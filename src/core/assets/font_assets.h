#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

#include "assets/device_font.h"

namespace velk {

struct Project;

// Loads the .fon file of a FONT_LOAD statement from the project folder: the
// name (without its quotes) becomes the next font name, the file size is
// added to the device memory total and the name goes to the package file
// list. Returns the font, or nothing (with a log line naming the file and the
// reason, and no entry made) when the library already holds 20 fonts, the
// file does not open or is empty, or it is no sound font file: truncated, or
// with offsets or counts that reach past its end.
std::shared_ptr<const DeviceFont> LoadFontAsset(Project& project, std::string_view file_name);

// Loads a different file for existing font entry `entry` (0-based) for the
// font library window: the entry takes the new name and the new file's size
// is added to the device memory total (the old size stays counted); the
// count and the package list stay. Refused, with nothing changed, as above.
std::shared_ptr<const DeviceFont> ReplaceFontAsset(Project& project, std::string_view file_name, size_t entry);

}  // namespace velk
