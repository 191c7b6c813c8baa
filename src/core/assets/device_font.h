#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace velk {

// Header fields that decide whether a font is drawn.
inline constexpr uint16_t kFontObjectType = 4;
inline constexpr uint16_t kMaxDrawnFontSize = 200;

// The largest font file read; the generator's largest fonts are a few
// megabytes, and a larger file is not read into memory.
inline constexpr size_t kMaxFontFileBytes = 16u << 20;

// One 16-byte glyph record of a glyph table.
struct GlyphRecord {
  uint16_t width = 0;
  uint16_t height = 0;
  int16_t x_pos = 0;        // bitmap offset from the pen
  int16_t y_pos = 0;        // bitmap offset from the top of the line
  uint16_t cursor_dist = 0; // pen advance
  uint32_t bitmap = 0;      // file offset of the 4-bit bitmap
};

// One entry of the range table, with what drawing needs precomputed.
struct FontRange {
  uint16_t first = 0;
  uint16_t last = 0;
  uint32_t table = 0;          // file offset of the range's glyph table
  uint16_t digit_advance = 0;  // widest of the records for '0'..'9' of this table, when the range holds a digit
};

// A device font file held exactly as read (little-endian: an 8-byte header
// of object type, size and range count; 8-byte range entries; 16-byte glyph
// records; 4-bit bitmaps of height x ceil(width / 2) bytes). A DeviceFont
// exists only once its file was checked: the header, every range's glyph
// table, every glyph's bitmap and the digit records that the tabular-digit
// rule reads all lie inside the file, so drawing and measuring never read
// past it.
class DeviceFont {
 public:
  // The font of a file's bytes, or nullptr with `reason` set when the file is
  // truncated or its offsets and counts do not fit inside it.
  static std::shared_ptr<const DeviceFont> FromBytes(std::vector<uint8_t> bytes, std::string& reason);

  uint16_t ObjectType() const { return Read16(0); }
  uint16_t Size() const { return Read16(2); }
  size_t FileSize() const { return bytes_.size(); }
  const std::vector<uint8_t>& Bytes() const { return bytes_; }
  const std::vector<FontRange>& Ranges() const { return ranges_; }

  // The first range with first <= code <= last, in table order; nullptr for
  // none. Code 0 and the negative codes of stray text bytes never match.
  const FontRange* RangeOf(int32_t code) const;
  // The record of `code` in `range` (first <= code <= last).
  GlyphRecord Glyph(const FontRange& range, int32_t code) const;
  const uint8_t* Bitmap(const GlyphRecord& glyph) const { return bytes_.data() + glyph.bitmap; }

 private:
  DeviceFont() = default;
  uint16_t Read16(size_t at) const { return static_cast<uint16_t>(bytes_[at] | bytes_[at + 1] << 8); }
  GlyphRecord RecordAt(size_t at) const;

  std::vector<uint8_t> bytes_;
  std::vector<FontRange> ranges_;
};

}  // namespace velk
