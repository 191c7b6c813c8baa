#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace velk {

// A grey picture, one level 0..255 per pixel, row by row from the top-left
// pixel. The font generator renders, crops and reduces glyphs in it; a level
// is the red component of a white-on-black rendering.
struct GreyPicture {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> levels;  // width * height

  GreyPicture() = default;
  GreyPicture(int w, int h) : width(w), height(h), levels(static_cast<size_t>(w) * static_cast<size_t>(h), 0) {}

  uint8_t& At(int x, int y) { return levels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)]; }
  uint8_t At(int x, int y) const {
    return levels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
  }
};

// What the font generator needs of a workstation font: one character drawn in
// white on black, and its advance, with the font scaled to a character cell
// (ascent plus descent) of a given height in pixels. The program and the
// headless tool implement it with Qt; tests with synthetic glyphs.
class GlyphRasterizer {
 public:
  virtual ~GlyphRasterizer() = default;

  // The advance of `character` in pixels, as text drawing would move the pen.
  virtual int TextWidth(char32_t character, int cell_height) = 0;

  // Draws `character` onto the black `picture` with the top-left corner of
  // its cell at (x, 0); ink outside the picture is cut off.
  virtual void Draw(char32_t character, int cell_height, int x, GreyPicture& picture) = 0;
};

}  // namespace velk
