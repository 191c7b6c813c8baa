#pragma once

#include <algorithm>
#include <functional>
#include <vector>

#include "assets/glyph_rasterizer.h"

namespace velk::test {

// Fills a rectangle of a grey picture with one level, cut to the picture.
inline void FillGrey(GreyPicture& picture, int x, int y, int width, int height, uint8_t level) {
  for (int row = std::max(y, 0); row < std::min(y + height, picture.height); ++row)
    for (int col = std::max(x, 0); col < std::min(x + width, picture.width); ++col) picture.At(col, row) = level;
}

// A rasterizer whose glyphs the test describes: the advance and the drawing
// of each character at a cell height. It remembers the cell heights asked for.
class SyntheticRasterizer final : public GlyphRasterizer {
 public:
  using Advance = std::function<int(char32_t character, int cell_height)>;
  using Drawing = std::function<void(char32_t character, int cell_height, int x, GreyPicture& picture)>;

  SyntheticRasterizer(Advance advance, Drawing drawing) : advance_(std::move(advance)), drawing_(std::move(drawing)) {}

  int TextWidth(char32_t character, int cell_height) override {
    cells.push_back(cell_height);
    return advance_(character, cell_height);
  }
  void Draw(char32_t character, int cell_height, int x, GreyPicture& picture) override {
    cells.push_back(cell_height);
    drawing_(character, cell_height, x, picture);
  }

  std::vector<int> cells;

 private:
  Advance advance_;
  Drawing drawing_;
};

}  // namespace velk::test
