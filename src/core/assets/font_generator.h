#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "assets/device_font.h"
#include "assets/glyph_rasterizer.h"

namespace velk {

// The character sets of the generator window's "All", "-Cyrillic" and
// "Numbers" choices.
enum class FontCharacterSet { kAll, kLatin, kNumbers };

// The anti-aliasing factors the generator offers, and the one it starts with.
inline constexpr int kAntiAliasingFactors[] = {1, 2, 4, 6, 8, 10};
inline constexpr int kDefaultAntiAliasingFactor = 4;
bool IsAntiAliasingFactor(int factor);

// Point sizes the generator accepts: larger fonts would never be drawn.
inline constexpr uint16_t kMaxGeneratedFontSize = kMaxDrawnFontSize;

// The generated file is built in a work buffer of this size; a font whose
// file would not fit is refused.
inline constexpr size_t kFontWorkBufferBytes = 4u << 20;

// A glyph's advance may be at most this many cell heights: the scratch
// picture is as wide as the advance, so this bounds its memory.
inline constexpr int kMaxAdvanceCells = 4;

// One range of character codes of a set, both ends included.
struct CharacterRange {
  uint16_t first = 0;
  uint16_t last = 0;
};

// The ranges a set writes, in file order: "All" is 32..126 and 1040..1103
// (А..я without Ё and ё), "-Cyrillic" 32..126, "Numbers" 43..59 ("+,-./",
// the digits, ":;").
std::span<const CharacterRange> CharacterSetRanges(FontCharacterSet set);

struct FontGeneratorSettings {
  // The workstation font's point size: the header's size field, and the
  // height in device pixels of the cell a glyph is made for.
  uint16_t size = 0;
  int factor = kDefaultAntiAliasingFactor;  // one of kAntiAliasingFactors
  FontCharacterSet set = FontCharacterSet::kAll;
};

// A size from 1 to kMaxGeneratedFontSize and a factor of the list; false with
// `reason` otherwise.
bool CheckFontGeneratorSettings(const FontGeneratorSettings& settings, std::string& reason);

// One glyph as the file holds it: the record (its bitmap offset is left for
// the file layout to fill), the record's code field and the packed bitmap.
struct GeneratedGlyph {
  GlyphRecord record;
  uint16_t code = 0;
  std::vector<uint8_t> bitmap;
};

// Renders one character of a set: drawn at a cell height of size x factor
// pixels, cropped to its ink box (plus one blank column on the left), padded
// to whole factor x factor blocks, reduced by box averaging, quantised to
// 16 levels and packed two pixels a byte. The space, and any character
// without ink, becomes a blank 1 x 1 glyph that keeps its advance. False with
// `reason` for unsound settings, a character outside the sets' code page or
// an advance outside 0 .. kMaxAdvanceCells cell heights.
bool RenderGlyph(GlyphRasterizer& rasterizer, char32_t character, const FontGeneratorSettings& settings,
                 GeneratedGlyph& glyph, std::string& reason);

// The generator's memo block of a glyph: "Code = 65(===A===)", then width,
// height, x_pos, y_pos and cursor_dist, one line each.
std::vector<std::string> GlyphMemoLines(char32_t character, const GeneratedGlyph& glyph);

struct GeneratedFont {
  std::vector<uint8_t> bytes;      // the whole .fon file
  std::vector<std::string> memo;   // every glyph's memo block, in file order
};

// Builds the device font file of a set: the header (type 4, the size, the
// range count), the range table, the glyph tables in range order and the
// bitmaps in character order. False with `reason`, and `font` untouched,
// when a glyph fails or the file would not fit the work buffer.
bool GenerateFont(GlyphRasterizer& rasterizer, const FontGeneratorSettings& settings, GeneratedFont& font,
                  std::string& reason);

}  // namespace velk
