#pragma once

#include <cstdint>

#include "assets/device_font.h"
#include "model/libraries.h"

namespace velk {

struct Project;

// Where an element finds its colours, pictures and fonts, by its 0-based
// library number. A number outside its table (negative, or beyond 100
// colours, 100 images, 20 fonts) or an image or font slot that holds nothing
// gives nullptr, and the element then draws nothing: no drawing routine
// indexes a library with a number that did not pass here. Every palette
// entry may be used, declared or not (entries 1 to 6 hold colours from the
// start).
const uint32_t* PaletteColour(const Project& project, int32_t number);
const DeviceImage* SlotImage(const Project& project, int32_t number);
const DeviceFont* SlotFont(const Project& project, int32_t number);

}  // namespace velk
