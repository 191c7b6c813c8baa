#include "emulation/element_sources.h"

#include "model/project.h"

namespace velk {
namespace {

template <size_t N>
bool Inside(int32_t number) {
  return number >= 0 && static_cast<size_t>(number) < N;
}

}  // namespace

const uint32_t* PaletteColour(const Project& project, int32_t number) {
  if (!Inside<kPaletteSize>(number)) return nullptr;
  return &project.palette.colours[static_cast<size_t>(number)];
}

const DeviceImage* SlotImage(const Project& project, int32_t number) {
  if (!Inside<kImageSlots>(number)) return nullptr;
  return project.images.slots[static_cast<size_t>(number)].get();
}

const DeviceFont* SlotFont(const Project& project, int32_t number) {
  if (!Inside<kFontSlots>(number)) return nullptr;
  return project.fonts.slots[static_cast<size_t>(number)].get();
}

}  // namespace velk
