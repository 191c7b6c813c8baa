#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace velk {

// A picture as the workstation shows it: 8-bit RGB rows (red, green, blue per
// pixel) and an 8-bit alpha plane, both from the top-left pixel.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;    // width * height * 3
  std::vector<uint8_t> alpha;  // width * height
};

// A device image: one header word (type, width, height) followed by the
// colour words. Its memory is the one allocation of an image load that may
// fail as a value ("Allocation error 1."), so it is not a std::vector.
struct DeviceImage {
  std::unique_ptr<uint32_t[]> words;
  size_t size = 0;  // number of words, header included

  std::span<const uint32_t> Words() const { return {words.get(), size}; }
  std::span<uint32_t> Words() { return {words.get(), size}; }
};

struct ImageEntry {
  std::string file_name;  // as written in the script, without surrounding quotes
  Picture picture;
  Picture preview;
  std::shared_ptr<const DeviceImage> device;  // empty when the memory could not be had
};

// A loaded device font file; defined with its reader (assets/device_font.h).
class DeviceFont;

inline constexpr size_t kImageSlots = 100;
inline constexpr size_t kFontSlots = 20;
inline constexpr size_t kPaletteSize = 100;

struct ImageLibrary {
  // Slot n-1 holds the image of IMAGE_LOAD.n; elements find pictures here.
  std::array<std::shared_ptr<const DeviceImage>, kImageSlots> slots{};
  std::vector<ImageEntry> entries;  // declaration order, at most kImageSlots
};

struct FontLibrary {
  std::array<std::shared_ptr<const DeviceFont>, kFontSlots> slots{};
  std::vector<std::string> names;  // declaration order, at most kFontSlots
};

// Colour words are 0xAABBGGRR; the script writes 0xAARRGGBB. The conversion
// exchanges the red and blue bytes, both ways.
constexpr uint32_t SwapRedBlue(uint32_t colour) {
  return (colour & 0xFF00FF00u) | (colour & 0xFFu) << 16 | (colour >> 16 & 0xFFu);
}

// Colour words 0xAABBGGRR; `count` is the number of COLOR_PALETTE statements.
struct Palette {
  std::array<uint32_t, kPaletteSize> colours{0xFF0000FF, 0xFF00FF00, 0xFFFF0000,
                                            0xFF5F5F5F, 0,          0xFF000000};
  uint32_t count = 0;
};

}  // namespace velk
