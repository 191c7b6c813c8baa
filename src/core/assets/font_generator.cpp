#include "assets/font_generator.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "assets/windows1251.h"

namespace velk {
namespace {

constexpr size_t kHeaderBytes = 8;
constexpr size_t kRangeBytes = 8;
constexpr size_t kRecordBytes = 16;

constexpr CharacterRange kAllRanges[] = {{32, 126}, {1040, 1103}};
constexpr CharacterRange kLatinRanges[] = {{32, 126}};
constexpr CharacterRange kNumberRanges[] = {{43, 59}};

// The rows and columns of a picture that hold ink.
struct InkBox {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

void Put16(std::vector<uint8_t>& bytes, size_t at, uint16_t value) {
  bytes[at] = static_cast<uint8_t>(value);
  bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}

void Put32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  for (size_t k = 0; k < 4; ++k) bytes[at + k] = static_cast<uint8_t>(value >> (8 * k));
}

// Division that rounds toward minus infinity: -5 / 4 is -2, so an offset
// keeps pointing at the block its pixel fell in.
int FloorDiv(int value, int divisor) { return value >= 0 ? value / divisor : -((divisor - 1 - value) / divisor); }

int RoundUp(int value, int multiple) { return (value + multiple - 1) / multiple * multiple; }

// The character as UTF-8 (the sets stop below U+0800).
std::string Utf8(char32_t character) {
  if (character < 0x80) return std::string(1, static_cast<char>(character));
  return {static_cast<char>(0xC0 | character >> 6), static_cast<char>(0x80 | (character & 0x3F))};
}

std::string Describe(char32_t character) {
  char code[16];
  std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(character));
  return std::string(code) + " '" + Utf8(character) + "'";
}

std::optional<InkBox> FindInk(const GreyPicture& picture) {
  std::optional<InkBox> box;
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) {
      if (picture.At(x, y) == 0) continue;
      if (!box) box = InkBox{x, y, x, y};
      box->left = std::min(box->left, x);
      box->right = std::max(box->right, x);
      box->bottom = y;
    }
  return box;
}

// The glyph of the space, and of any character that leaves no ink: one blank
// pixel that only advances the pen.
void BlankGlyph(int advance, int factor, GeneratedGlyph& glyph) {
  glyph.record.width = 1;
  glyph.record.height = 1;
  glyph.record.x_pos = 1;
  glyph.record.y_pos = 1;
  glyph.record.cursor_dist = static_cast<uint16_t>(advance / factor);
  glyph.bitmap.assign(1, 0);
}

// The ink box with one blank column on its left, placed at (pad_x, pad_y) in
// a black picture of width x height. The padding is black: it is never taken
// from the rendering, whatever ink lies there.
GreyPicture CropPadded(const GreyPicture& picture, const InkBox& ink, int width, int height, int pad_x, int pad_y) {
  GreyPicture box(width, height);
  for (int y = ink.top; y <= ink.bottom; ++y)
    for (int x = ink.left; x <= ink.right; ++x) box.At(pad_x + 1 + x - ink.left, pad_y + y - ink.top) = picture.At(x, y);
  return box;
}

// Each pixel of the result is the integer mean of a factor x factor block.
GreyPicture Reduce(const GreyPicture& picture, int factor) {
  GreyPicture reduced(picture.width / factor, picture.height / factor);
  for (int row = 0; row < reduced.height; ++row)
    for (int col = 0; col < reduced.width; ++col) {
      int sum = 0;
      for (int y = row * factor; y < (row + 1) * factor; ++y)
        for (int x = col * factor; x < (col + 1) * factor; ++x) sum += picture.At(x, y);
      reduced.At(col, row) = static_cast<uint8_t>(sum / (factor * factor));
    }
  return reduced;
}

// Levels 0..255 become nibbles 0..15, two pixels a byte with the left one in
// the high nibble; every row starts on a new byte.
std::vector<uint8_t> Pack(const GreyPicture& picture) {
  const size_t stride = (static_cast<size_t>(picture.width) + 1) / 2;
  std::vector<uint8_t> bitmap(stride * static_cast<size_t>(picture.height), 0);
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) {
      const int nibble = picture.At(x, y) / 17;
      bitmap[static_cast<size_t>(y) * stride + static_cast<size_t>(x) / 2] |=
          static_cast<uint8_t>(x % 2 == 0 ? nibble << 4 : nibble);
    }
  return bitmap;
}

void InkedGlyph(const GreyPicture& picture, const InkBox& ink, int origin, int advance, int factor,
                GeneratedGlyph& glyph) {
  const int width = ink.right - ink.left + 2;
  const int height = ink.bottom - ink.top + 1;
  const int padded_width = RoundUp(width, factor);
  const int padded_height = RoundUp(height, factor);
  const GreyPicture box = CropPadded(picture, ink, padded_width, padded_height, (padded_width - width) / 2,
                                     (padded_height - height) / 2);
  glyph.record.width = static_cast<uint16_t>(padded_width / factor);
  glyph.record.height = static_cast<uint16_t>(padded_height / factor);
  glyph.record.x_pos = static_cast<int16_t>(FloorDiv(ink.left - origin - 1, factor));
  glyph.record.y_pos = static_cast<int16_t>(FloorDiv(ink.top, factor));
  glyph.record.cursor_dist = static_cast<uint16_t>(advance / factor);
  glyph.bitmap = Pack(Reduce(box, factor));
}

}  // namespace

bool IsAntiAliasingFactor(int factor) { return std::ranges::find(kAntiAliasingFactors, factor) != std::end(kAntiAliasingFactors); }

std::span<const CharacterRange> CharacterSetRanges(FontCharacterSet set) {
  switch (set) {
    case FontCharacterSet::kAll:
      return kAllRanges;
    case FontCharacterSet::kLatin:
      return kLatinRanges;
    case FontCharacterSet::kNumbers:
      return kNumberRanges;
  }
  return {};
}

bool CheckFontGeneratorSettings(const FontGeneratorSettings& settings, std::string& reason) {
  if (settings.size < 1 || settings.size > kMaxGeneratedFontSize) {
    reason = "the size " + std::to_string(settings.size) + " is not from 1 to " + std::to_string(kMaxGeneratedFontSize);
    return false;
  }
  if (!IsAntiAliasingFactor(settings.factor)) {
    reason = "the anti-aliasing factor " + std::to_string(settings.factor) + " is not one of 1, 2, 4, 6, 8, 10";
    return false;
  }
  return true;
}

bool RenderGlyph(GlyphRasterizer& rasterizer, char32_t character, const FontGeneratorSettings& settings,
                 GeneratedGlyph& glyph, std::string& reason) {
  if (!CheckFontGeneratorSettings(settings, reason)) return false;
  const std::optional<uint8_t> byte = Windows1251Byte(character);
  if (!byte) {
    reason = Describe(character) + " has no Windows-1251 byte";
    return false;
  }
  const int factor = settings.factor;
  const int cell = settings.size * factor;
  const int advance = rasterizer.TextWidth(character, cell);
  if (advance < 0 || advance > kMaxAdvanceCells * cell) {
    reason = "the advance of " + Describe(character) + " is " + std::to_string(advance) + " pixels, not from 0 to " +
             std::to_string(kMaxAdvanceCells) + " cell heights";
    return false;
  }
  glyph = GeneratedGlyph{};
  glyph.code = GlyphCodeField(*byte);
  if (character == U' ') {
    BlankGlyph(advance, factor, glyph);
    return true;
  }
  // The scratch picture leaves room for ink on either side of the advance.
  GreyPicture picture(static_cast<int>(advance + cell * 0.3), cell);
  const int origin = static_cast<int>(cell * 0.1);
  rasterizer.Draw(character, cell, origin, picture);
  const std::optional<InkBox> ink = FindInk(picture);
  if (ink)
    InkedGlyph(picture, *ink, origin, advance, factor, glyph);
  else
    BlankGlyph(advance, factor, glyph);
  return true;
}

std::vector<std::string> GlyphMemoLines(char32_t character, const GeneratedGlyph& glyph) {
  const GlyphRecord& record = glyph.record;
  return {"Code = " + std::to_string(glyph.code) + "(===" + Utf8(character) + "===)",
          "width = " + std::to_string(record.width),
          "height = " + std::to_string(record.height),
          "x_pos = " + std::to_string(record.x_pos),
          "y_pos = " + std::to_string(record.y_pos),
          "cursor_dist = " + std::to_string(record.cursor_dist)};
}

bool GenerateFont(GlyphRasterizer& rasterizer, const FontGeneratorSettings& settings, GeneratedFont& font,
                  std::string& reason) {
  if (!CheckFontGeneratorSettings(settings, reason)) return false;
  const std::span<const CharacterRange> ranges = CharacterSetRanges(settings.set);
  size_t glyph_count = 0;
  for (const CharacterRange& range : ranges) glyph_count += size_t{range.last} - range.first + 1u;

  GeneratedFont built;
  const size_t tables_at = kHeaderBytes + kRangeBytes * ranges.size();
  built.bytes.assign(tables_at + kRecordBytes * glyph_count, 0);
  Put16(built.bytes, 0, kFontObjectType);
  Put16(built.bytes, 2, settings.size);
  Put32(built.bytes, 4, static_cast<uint32_t>(ranges.size()));
  size_t record_at = tables_at;
  for (size_t r = 0; r < ranges.size(); ++r) {
    const size_t entry = kHeaderBytes + kRangeBytes * r;
    Put16(built.bytes, entry, ranges[r].first);
    Put16(built.bytes, entry + 2, ranges[r].last);
    Put32(built.bytes, entry + 4, static_cast<uint32_t>(record_at));
    record_at += kRecordBytes * (size_t{ranges[r].last} - ranges[r].first + 1u);
  }

  record_at = tables_at;
  GeneratedGlyph glyph;
  for (const CharacterRange& range : ranges)
    for (char32_t character = range.first; character <= range.last; ++character, record_at += kRecordBytes) {
      if (!RenderGlyph(rasterizer, character, settings, glyph, reason)) return false;
      if (built.bytes.size() + glyph.bitmap.size() > kFontWorkBufferBytes) {
        reason = "the font file does not fit the " + std::to_string(kFontWorkBufferBytes >> 20) + " MiB work buffer";
        return false;
      }
      const GlyphRecord& record = glyph.record;
      Put16(built.bytes, record_at, record.width);
      Put16(built.bytes, record_at + 2, record.height);
      Put16(built.bytes, record_at + 4, static_cast<uint16_t>(record.x_pos));
      Put16(built.bytes, record_at + 6, static_cast<uint16_t>(record.y_pos));
      Put16(built.bytes, record_at + 8, record.cursor_dist);
      Put16(built.bytes, record_at + 10, glyph.code);
      Put32(built.bytes, record_at + 12, static_cast<uint32_t>(built.bytes.size()));
      built.bytes.insert(built.bytes.end(), glyph.bitmap.begin(), glyph.bitmap.end());
      const std::vector<std::string> memo = GlyphMemoLines(character, glyph);
      built.memo.insert(built.memo.end(), memo.begin(), memo.end());
    }
  font = std::move(built);
  return true;
}

}  // namespace velk
