#pragma once

#include <cstdint>
#include <vector>

namespace velk::test {

// A glyph to write: its record fields and its coverage levels (0..15), one
// per pixel, row by row.
struct GlyphContent {
  uint16_t width = 0;
  uint16_t height = 0;
  int16_t x_pos = 0;
  int16_t y_pos = 0;
  uint16_t cursor_dist = 0;
  std::vector<uint8_t> levels;
};

struct RangeContent {
  uint16_t first = 0;
  uint16_t last = 0;
  std::vector<GlyphContent> glyphs;  // last - first + 1 of them
};

struct FontContent {
  uint16_t object_type = 4;
  uint16_t size = 16;
  std::vector<RangeContent> ranges;
};

inline void Put16(std::vector<uint8_t>& bytes, size_t at, uint16_t value) {
  bytes[at] = static_cast<uint8_t>(value);
  bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}

inline void Put32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  for (int k = 0; k < 4; ++k) bytes[at + static_cast<size_t>(k)] = static_cast<uint8_t>(value >> (8 * k));
}

inline uint32_t Get32(const std::vector<uint8_t>& bytes, size_t at) {
  return uint32_t{bytes[at]} | uint32_t{bytes[at + 1]} << 8 | uint32_t{bytes[at + 2]} << 16 |
         uint32_t{bytes[at + 3]} << 24;
}

// Offsets inside a font file.
inline size_t RangeEntryAt(size_t range) { return 8 + 8 * range; }
inline size_t GlyphRecordAt(const std::vector<uint8_t>& bytes, size_t range, size_t glyph) {
  return Get32(bytes, RangeEntryAt(range) + 4) + 16 * glyph;
}

// The bytes of a .fon file laid out as the generator does: header, range
// table, the glyph tables in range order, then the bitmaps (4 bits per
// pixel, high nibble first, each row padded to a whole byte).
inline std::vector<uint8_t> BuildFont(const FontContent& content) {
  std::vector<uint8_t> bytes(8 + 8 * content.ranges.size(), 0);
  Put16(bytes, 0, content.object_type);
  Put16(bytes, 2, content.size);
  Put32(bytes, 4, static_cast<uint32_t>(content.ranges.size()));
  std::vector<size_t> tables;
  for (size_t r = 0; r < content.ranges.size(); ++r) {
    const RangeContent& range = content.ranges[r];
    Put16(bytes, RangeEntryAt(r), range.first);
    Put16(bytes, RangeEntryAt(r) + 2, range.last);
    Put32(bytes, RangeEntryAt(r) + 4, static_cast<uint32_t>(bytes.size()));
    tables.push_back(bytes.size());
    bytes.resize(bytes.size() + 16 * range.glyphs.size(), 0);
  }
  for (size_t r = 0; r < content.ranges.size(); ++r) {
    for (size_t g = 0; g < content.ranges[r].glyphs.size(); ++g) {
      const GlyphContent& glyph = content.ranges[r].glyphs[g];
      const size_t record = tables[r] + 16 * g;
      Put16(bytes, record, glyph.width);
      Put16(bytes, record + 2, glyph.height);
      Put16(bytes, record + 4, static_cast<uint16_t>(glyph.x_pos));
      Put16(bytes, record + 6, static_cast<uint16_t>(glyph.y_pos));
      Put16(bytes, record + 8, glyph.cursor_dist);
      Put32(bytes, record + 12, static_cast<uint32_t>(bytes.size()));
      const size_t stride = (glyph.width + 1u) / 2;
      const size_t start = bytes.size();
      bytes.resize(start + stride * glyph.height, 0);
      for (size_t row = 0; row < glyph.height; ++row)
        for (size_t col = 0; col < glyph.width; ++col) {
          const uint8_t level = glyph.levels[row * glyph.width + col] & 0xF;
          bytes[start + row * stride + col / 2] |= static_cast<uint8_t>(col % 2 == 0 ? level << 4 : level);
        }
    }
  }
  return bytes;
}

// A glyph of the given size with every pixel at `level`.
inline GlyphContent SolidGlyph(uint16_t width, uint16_t height, uint16_t cursor_dist, uint8_t level = 15) {
  return GlyphContent{width, height, 0, 0, cursor_dist, std::vector<uint8_t>(size_t{width} * height, level)};
}

}  // namespace velk::test
