#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velk::test {

// The raw content of a PNG file to write: samples exactly as the format holds
// them (bit depth 1..16, interlaced or not), with optional palette and tRNS.
struct PngContent {
  int width = 1;
  int height = 1;
  int colour_type = 6;  // PNG colour type: 0 grey, 2 RGB, 3 palette, 4 grey + alpha, 6 RGBA
  int bit_depth = 8;
  bool interlaced = false;
  // Every sample of every pixel, row by row, channel by channel (palette: the index).
  std::vector<uint16_t> samples;
  std::vector<uint8_t> palette;  // R, G, B per entry
  // tRNS: palette alphas, or one grey / one RGB key colour (16-bit values).
  std::vector<uint8_t> palette_alpha;
  std::vector<uint16_t> key;
};

// Writes the PNG with libpng; false when libpng refused the content.
bool WritePng(const std::string& path, const PngContent& content);

// The channels per pixel of a colour type.
int ChannelsOf(int colour_type);

}  // namespace velk::test

namespace velk::test {

// An 8-bit RGBA PNG of the given pixels (0xRRGGBBAA, row by row).
inline bool WriteRgbaPng(const std::string& path, int width, int height, const std::vector<uint32_t>& pixels) {
  PngContent content;
  content.width = width;
  content.height = height;
  content.colour_type = 6;
  content.bit_depth = 8;
  for (uint32_t word : pixels)
    for (int shift = 24; shift >= 0; shift -= 8) content.samples.push_back(static_cast<uint16_t>(word >> shift & 0xFF));
  return WritePng(path, content);
}

}  // namespace velk::test
