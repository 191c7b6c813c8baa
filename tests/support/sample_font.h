#pragma once

#include "support/font_builder.h"

namespace velk::test {

// A small font for the drawing and measuring rules:
// - digits 48..57: '1' 2 wide, '7' 8 wide (the widest), the others 4 wide;
// - 'A' (65): 3 x 2, odd width, x_pos -1, y_pos 2, levels 15 8 1 / 7 0 15,
//   advance 4; 'B' (66): 1 x 1, advance 2;
// - U+0410..U+0411 (А, Б): 'А' 2 x 1, advance 3;
// - 'A' again with advance 9 (never used: the first range wins);
// - 0xFFC0 alone, so that a byte 0xC0 read as unsigned would find a glyph.
inline FontContent SampleFont() {
  FontContent content;
  RangeContent digits{48, 57, {}};
  for (int d = 0; d < 10; ++d) {
    const uint16_t width = d == 1 ? 2 : d == 7 ? 8 : 4;
    digits.glyphs.push_back(SolidGlyph(width, 2, static_cast<uint16_t>(width + 1)));
  }
  content.ranges.push_back(digits);
  content.ranges.push_back(RangeContent{65, 66, {GlyphContent{3, 2, -1, 2, 4, {15, 8, 1, 7, 0, 15}}, SolidGlyph(1, 1, 2)}});
  content.ranges.push_back(RangeContent{1040, 1041, {SolidGlyph(2, 1, 3), SolidGlyph(3, 1, 4)}});
  content.ranges.push_back(RangeContent{65, 65, {SolidGlyph(5, 5, 9)}});
  content.ranges.push_back(RangeContent{0xFFC0, 0xFFC0, {SolidGlyph(4, 4, 7)}});
  return content;
}

}  // namespace velk::test
