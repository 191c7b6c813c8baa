#include "assets/device_text.h"

#include <algorithm>
#include <array>

#include "emulation/put_pixel.h"

namespace velk {
namespace {

// The glyph and the pen advance of a code: the record, and for digits the
// tabular advance and the shift that centres the glyph in it.
struct Placed {
  const FontRange* range = nullptr;
  GlyphRecord glyph;
  uint16_t advance = 0;
  int shift = 0;
};

Placed Place(int32_t code, const DeviceFont& font) {
  Placed placed;
  placed.range = font.RangeOf(code);
  if (!placed.range) return placed;
  placed.glyph = font.Glyph(*placed.range, code);
  if (code >= '0' && code <= '9') {
    placed.advance = placed.range->digit_advance;
    placed.shift = (placed.range->digit_advance - placed.glyph.width) >> 1;
  } else {
    placed.advance = placed.glyph.cursor_dist;
  }
  return placed;
}

std::string_view UpToZero(std::string_view text) { return text.substr(0, text.find('\0')); }

}  // namespace

int32_t NextCode(std::string_view text, size_t& position) {
  const auto byte = static_cast<uint8_t>(text[position]);
  if ((byte & 0xE0u) == 0xC0u && position + 1 < text.size()) {
    const auto next = static_cast<uint8_t>(text[position + 1]);
    if ((next & 0xC0u) == 0x80u) {
      position += 2;
      return static_cast<int32_t>((byte & 0x1Fu) << 6) + (next & 0x3F);
    }
  }
  ++position;
  return static_cast<int8_t>(byte);
}

uint16_t DrawGlyph(FrameBuffer& frame, int32_t code, int x, int y, uint32_t colour, const DeviceFont& font) {
  const Placed placed = Place(code, font);
  if (!placed.range) return 0;
  const GlyphRecord& glyph = placed.glyph;

  // The ink word of each coverage level, chosen once for the glyph.
  const float a = kAlphaScale[colour >> 24];
  const uint32_t rgb = colour & 0x00FFFFFFu;
  std::array<uint32_t, 16> ink{};
  for (uint32_t level = 0; level < 16; ++level) {
    const uint32_t coverage = level == 15 ? static_cast<uint32_t>(255.0f * a)
                                          : std::min(255u, static_cast<uint32_t>(static_cast<float>(level * 17) * a));
    ink[level] = coverage << 24 | rgb;
  }

  // Clip the bitmap to the screen once, then walk its rows.
  const int64_t left = int64_t{x} + glyph.x_pos + placed.shift;
  const int64_t top = int64_t{y} + glyph.y_pos;
  const int64_t col_begin = std::max<int64_t>(0, -left);
  const int64_t col_end = std::min<int64_t>(glyph.width, kScreenWidth - left);
  const int64_t row_begin = std::max<int64_t>(0, -top);
  const int64_t row_end = std::min<int64_t>(glyph.height, kScreenHeight - top);
  const size_t stride = (size_t{glyph.width} + 1) / 2;  // each row starts on a byte
  const uint8_t* bitmap = font.Bitmap(glyph);
  for (int64_t row = row_begin; row < row_end; ++row) {
    const uint8_t* bits = bitmap + static_cast<size_t>(row) * stride;
    uint32_t* line = frame.Row(static_cast<int>(top + row));
    for (int64_t col = col_begin; col < col_end; ++col) {
      const uint32_t level = (bits[col >> 1] >> ((col & 1) ? 0 : 4)) & 0xFu;  // high nibble on the left
      const uint32_t word = ink[level];
      if (word >> 24) BlendPixel(line[left + col], word);
    }
  }
  return placed.advance;
}

void DrawDeviceText(FrameBuffer& frame, std::string_view text, int x, int y, uint32_t colour, const DeviceFont& font) {
  if (font.ObjectType() != kFontObjectType || font.Size() > kMaxDrawnFontSize) return;
  text = UpToZero(text);
  // Past this pen position no glyph can reach the screen (x_pos >= -32768).
  constexpr int64_t kBeyondReach = int64_t{kScreenWidth} + 32768;
  int64_t pen = x;
  for (size_t position = 0; position < text.size() && pen <= kBeyondReach;) {
    const int32_t code = NextCode(text, position);
    pen += DrawGlyph(frame, code, static_cast<int>(pen), y, colour, font);
  }
}

int64_t DeviceTextWidth(std::string_view text, const DeviceFont& font) {
  text = UpToZero(text);
  int64_t width = 0;
  for (size_t position = 0; position < text.size();) width += Place(NextCode(text, position), font).advance;
  return width;
}

}  // namespace velk
