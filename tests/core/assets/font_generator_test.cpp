#include "assets/font_generator.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "assets/device_text.h"
#include "assets/windows1251.h"
#include "support/font_builder.h"
#include "support/synthetic_rasterizer.h"

namespace velk {
namespace {

using Bytes = std::vector<uint8_t>;
using Lines = std::vector<std::string>;
using test::FillGrey;
using test::SyntheticRasterizer;

constexpr uint16_t kSize = 10;  // a cell of 10 x factor pixels: the pen sits at x = factor

// A glyph laid out in units of `factor` pixels, as a real font scales with
// the cell: ink from `from` to `to` units right of the pen, rows `top` to
// `bottom` units, and an advance of `advance` units plus `extra` pixels.
struct UnitGlyph {
  int from, to, top, bottom;
  int advance;
  int extra = 0;
  uint8_t level = 255;
};

SyntheticRasterizer UnitRasterizer(UnitGlyph glyph) {
  return SyntheticRasterizer(
      [glyph](char32_t, int cell) { return glyph.advance * cell / kSize + glyph.extra; },
      [glyph](char32_t, int cell, int x, GreyPicture& picture) {
        const int unit = cell / kSize;
        FillGrey(picture, x + glyph.from * unit, glyph.top * unit, (glyph.to - glyph.from) * unit,
                 (glyph.bottom - glyph.top) * unit, glyph.level);
      });
}

FontGeneratorSettings Settings(int factor, FontCharacterSet set = FontCharacterSet::kAll, uint16_t size = kSize) {
  return FontGeneratorSettings{size, factor, set};
}

GeneratedGlyph Render(GlyphRasterizer& rasterizer, char32_t character, int factor, uint16_t size = kSize) {
  GeneratedGlyph glyph;
  std::string reason;
  EXPECT_TRUE(RenderGlyph(rasterizer, character, Settings(factor, FontCharacterSet::kAll, size), glyph, reason))
      << reason;
  return glyph;
}

struct GlyphCase {
  const char* what;
  UnitGlyph shape;
  int factor;
  uint16_t width, height;
  int16_t x_pos, y_pos;
  uint16_t cursor_dist;
  Bytes row;  // every row of the bitmap is this
};

void PrintTo(const GlyphCase& c, std::ostream* os) { *os << c.what; }

class RenderGlyphTest : public ::testing::TestWithParam<GlyphCase> {};

TEST_P(RenderGlyphTest, CropsReducesAndPacks) {
  const GlyphCase& c = GetParam();
  SyntheticRasterizer rasterizer = UnitRasterizer(c.shape);
  const GeneratedGlyph glyph = Render(rasterizer, 'H', c.factor);
  EXPECT_EQ(glyph.record.width, c.width);
  EXPECT_EQ(glyph.record.height, c.height);
  EXPECT_EQ(glyph.record.x_pos, c.x_pos);
  EXPECT_EQ(glyph.record.y_pos, c.y_pos);
  EXPECT_EQ(glyph.record.cursor_dist, c.cursor_dist);
  EXPECT_EQ(glyph.code, 'H');
  Bytes expected;
  for (int row = 0; row < c.height; ++row) expected.insert(expected.end(), c.row.begin(), c.row.end());
  EXPECT_EQ(glyph.bitmap, expected);
}

// A bar 3 units wide from 2 units right of the pen, rows 1..7, advance 7:
// the box is one blank column plus the ink, 3 x factor + 1 pixels, padded to
// whole blocks (at factor 4 by one column on the left). The blank column
// halves the first block's ink at factors 2 and 4.
const UnitGlyph kBar{2, 5, 1, 8, 7};
// The same bar starting one unit left of the pen: x_pos = -(factor + 1)
// before reduction, which rounds down to -2 at every factor.
const UnitGlyph kLeftBar{-1, 2, 1, 8, 7};
// Ink 2 units wide: an odd reduced width of 3, each row ending in a padding nibble.
const UnitGlyph kNarrow{0, 2, 0, 3, 3};

INSTANTIATE_TEST_SUITE_P(
    Cases, RenderGlyphTest,
    ::testing::Values(GlyphCase{"factor 1: no averaging", kBar, 1, 4, 7, 1, 1, 7, {0x0F, 0xFF}},
                      GlyphCase{"factor 2", kBar, 2, 4, 7, 1, 1, 7, {0x7F, 0xF7}},
                      GlyphCase{"factor 4, padded on the left", kBar, 4, 4, 7, 1, 1, 7, {0x7F, 0xF7}},
                      GlyphCase{"left of the pen, factor 1", kLeftBar, 1, 4, 7, -2, 1, 7, {0x0F, 0xFF}},
                      GlyphCase{"left of the pen, factor 2", kLeftBar, 2, 4, 7, -2, 1, 7, {0x7F, 0xF7}},
                      GlyphCase{"left of the pen, factor 4", kLeftBar, 4, 4, 7, -2, 1, 7, {0x7F, 0xF7}},
                      GlyphCase{"odd width, factor 1", kNarrow, 1, 3, 3, -1, 0, 3, {0x0F, 0xF0}},
                      GlyphCase{"odd width, factor 2", kNarrow, 2, 3, 3, -1, 0, 3, {0x7F, 0x70}},
                      GlyphCase{"half ink", UnitGlyph{2, 5, 1, 8, 7, 0, 128}, 1, 4, 7, 1, 1, 7, {0x07, 0x77}}));

TEST(RenderGlyph, TheAdvanceIsDividedByTheFactorRoundingDown) {
  SyntheticRasterizer rasterizer = UnitRasterizer(UnitGlyph{2, 5, 1, 8, 7, 3});  // 7 units and 3 pixels
  EXPECT_EQ(Render(rasterizer, 'H', 4).record.cursor_dist, 7);
  EXPECT_EQ(Render(rasterizer, 'H', 2).record.cursor_dist, 8);
  // The glyph is drawn at a cell height of size x factor, and measured there.
  rasterizer.cells.clear();
  Render(rasterizer, 'H', 6, 33);
  EXPECT_EQ(rasterizer.cells, (std::vector<int>{198, 198}));
}

TEST(RenderGlyph, QuantisesTheLevelsByDivisionBy17) {
  // Factor 1 keeps the renderer's own levels: 255 254 18 17 16 1, then 0.
  const uint8_t levels[] = {255, 254, 18, 17, 16, 1};
  SyntheticRasterizer rasterizer([](char32_t, int) { return 8; },
                                 [&levels](char32_t, int, int x, GreyPicture& picture) {
                                   for (int k = 0; k < 6; ++k) FillGrey(picture, x + k, 2, 1, 1, levels[k]);
                                 });
  const GeneratedGlyph glyph = Render(rasterizer, 'q', 1);
  EXPECT_EQ(glyph.record.width, 7);  // the blank column and six levels
  EXPECT_EQ(glyph.bitmap, (Bytes{0x0F, 0xE1, 0x10, 0x00}));
}

TEST(RenderGlyph, AveragesEachBlockAsAnIntegerMean) {
  // At factor 2 the ink lies in columns pen..pen+4 and rows 0..2: the box is
  // the blank column and those 5 columns, and 3 rows padded to 4 at the bottom.
  SyntheticRasterizer rasterizer([](char32_t, int) { return 8; },
                                 [](char32_t, int, int x, GreyPicture& picture) {
                                   FillGrey(picture, x, 0, 1, 2, 255);
                                   FillGrey(picture, x + 1, 0, 1, 2, 254);
                                   FillGrey(picture, x + 1, 2, 1, 1, 200);
                                   FillGrey(picture, x + 3, 0, 1, 2, 255);
                                   FillGrey(picture, x + 4, 0, 1, 1, 255);
                                   FillGrey(picture, x + 4, 1, 1, 1, 254);
                                 });
  const GeneratedGlyph glyph = Render(rasterizer, 'q', 2);
  EXPECT_EQ(glyph.record.width, 3);
  EXPECT_EQ(glyph.record.height, 2);
  // Top blocks: (0 + 255 + 0 + 255) / 4 = 127, (254 + 0 + 254 + 0) / 4 = 127,
  // (255 + 255 + 255 + 254) / 4 = 254 (the mean 254.75 truncated), so levels
  // 7 7 14. Bottom blocks: 0, 200 / 4 = 50, 0: levels 0 2 0.
  EXPECT_EQ(glyph.bitmap, (Bytes{0x77, 0xE0, 0x02, 0x00}));
}

TEST(RenderGlyph, PadsWithBlackWhereTheInkTouchesTheTopOfTheCell) {
  // Full ink in rows 0-4 and columns pen..pen+6 at factor 4: 5 rows round up
  // to 8 with one row of padding on top, and 8 columns (blank + 7) need none.
  SyntheticRasterizer rasterizer([](char32_t, int) { return 40; },
                                 [](char32_t, int, int x, GreyPicture& picture) {
                                   FillGrey(picture, x, 0, 7, 5, 255);
                                 });
  const GeneratedGlyph glyph = Render(rasterizer, 'T', 4);
  EXPECT_EQ(glyph.record.width, 2);
  EXPECT_EQ(glyph.record.height, 2);
  EXPECT_EQ(glyph.record.x_pos, -1);  // the box starts one column left of the pen
  EXPECT_EQ(glyph.record.y_pos, 0);
  // Top blocks: 3 ink rows; left ones have 3 ink columns of 4, right ones 4.
  // (3 x 3 x 255) / 16 = 143, (3 x 4 x 255) / 16 = 191; bottom: 2 ink rows.
  EXPECT_EQ(glyph.bitmap, (Bytes{0x8B, 0x57}));
}

TEST(RenderGlyph, TheSpaceAndAnInklessCharacterAreOneBlankPixel) {
  SyntheticRasterizer rasterizer = UnitRasterizer(UnitGlyph{0, 0, 0, 0, 9, 3});
  for (const char32_t character : {U' ', U'\u0416'}) {
    const GeneratedGlyph glyph = Render(rasterizer, character, 4);
    EXPECT_EQ(glyph.record.width, 1);
    EXPECT_EQ(glyph.record.height, 1);
    EXPECT_EQ(glyph.record.x_pos, 1);
    EXPECT_EQ(glyph.record.y_pos, 1);
    EXPECT_EQ(glyph.record.cursor_dist, 9);  // (9 x 4 + 3) div 4
    EXPECT_EQ(glyph.bitmap, Bytes{0});
  }
  EXPECT_EQ(Render(rasterizer, U' ', 4).code, 32);
  EXPECT_EQ(Render(rasterizer, U'\u0416', 4).code, 0xFFC6);
}

TEST(RenderGlyph, InkBeyondTheScratchPictureIsCutOff) {
  // The picture is advance + 0.3 cell wide and one cell high; the cell is 10
  // pixels at factor 1, so ink from pen + 1 to pen + 20 keeps columns 2..12.
  SyntheticRasterizer rasterizer([](char32_t, int) { return 10; },
                                 [](char32_t, int, int x, GreyPicture& picture) {
                                   EXPECT_EQ(picture.width, 13);
                                   EXPECT_EQ(picture.height, 10);
                                   FillGrey(picture, x + 1, 4, 20, 20, 255);
                                 });
  const GeneratedGlyph glyph = Render(rasterizer, 'W', 1);
  EXPECT_EQ(glyph.record.width, 12);
  EXPECT_EQ(glyph.record.height, 6);
}

struct RefusalCase {
  const char* what;
  FontGeneratorSettings settings;
  char32_t character;
  int advance;
  const char* reason;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.what; }

class RenderGlyphRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RenderGlyphRefusal, SaysWhy) {
  const RefusalCase& c = GetParam();
  SyntheticRasterizer rasterizer([&c](char32_t, int) { return c.advance; },
                                 [](char32_t, int, int x, GreyPicture& picture) { FillGrey(picture, x, 0, 2, 2, 255); });
  GeneratedGlyph glyph;
  std::string reason;
  EXPECT_FALSE(RenderGlyph(rasterizer, c.character, c.settings, glyph, reason));
  EXPECT_NE(reason.find(c.reason), std::string::npos) << reason;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RenderGlyphRefusal,
    ::testing::Values(RefusalCase{"size 0", Settings(4, FontCharacterSet::kAll, 0), 'A', 5, "size 0 is not from 1 to 200"},
                      RefusalCase{"size 201", Settings(4, FontCharacterSet::kAll, 201), 'A', 5, "size 201"},
                      RefusalCase{"factor 3", Settings(3), 'A', 5, "factor 3 is not one of 1, 2, 4, 6, 8, 10"},
                      RefusalCase{"factor 0", Settings(0), 'A', 5, "factor 0"},
                      RefusalCase{"Ё has no byte", Settings(4), U'\u0401', 5, "U+0401"},
                      RefusalCase{"a negative advance", Settings(4), 'A', -1, "advance of U+0041 'A' is -1 pixels"},
                      RefusalCase{"an advance over 4 cells", Settings(1), 'A', 41, "not from 0 to 4 cell heights"}));

TEST(GlyphMemoLines, NameTheCodeFieldUnsignedAndTheRecord) {
  SyntheticRasterizer rasterizer = UnitRasterizer(kLeftBar);
  EXPECT_EQ(GlyphMemoLines(U'\u0410', Render(rasterizer, U'\u0410', 4)),
            (Lines{"Code = 65472(===\xD0\x90===)", "width = 4", "height = 7", "x_pos = -2", "y_pos = 1",
                   "cursor_dist = 7"}));
  EXPECT_EQ(GlyphMemoLines(U'H', Render(rasterizer, U'H', 1))[0], "Code = 72(===H===)");
}

struct CharacterByte {
  char32_t character;
  int byte;  // -1: none
};

void PrintTo(const CharacterByte& c, std::ostream* os) { *os << "U+" << std::hex << uint32_t{c.character}; }

class Windows1251Test : public ::testing::TestWithParam<CharacterByte> {};

TEST_P(Windows1251Test, MapsAsciiAndTheCyrillicLetters) {
  const std::optional<uint8_t> byte = Windows1251Byte(GetParam().character);
  if (GetParam().byte < 0) {
    EXPECT_FALSE(byte);
    return;
  }
  ASSERT_TRUE(byte);
  EXPECT_EQ(*byte, GetParam().byte);
}

INSTANTIATE_TEST_SUITE_P(Cases, Windows1251Test,
                         ::testing::Values(CharacterByte{U' ', 0x20}, CharacterByte{U'~', 0x7E},
                                           CharacterByte{U'\u0410', 0xC0}, CharacterByte{U'\u042F', 0xDF},
                                           CharacterByte{U'\u0430', 0xE0}, CharacterByte{U'\u044F', 0xFF},
                                           CharacterByte{U'\u0401', -1}, CharacterByte{U'\u0451', -1},
                                           CharacterByte{U'\u040F', -1}, CharacterByte{U'\u0450', -1},
                                           CharacterByte{U'\u00C0', -1}));

TEST(GlyphCodeField, SignExtendsTheByte) {
  EXPECT_EQ(GlyphCodeField(0x41), 0x41);
  EXPECT_EQ(GlyphCodeField(0x7F), 0x7F);
  EXPECT_EQ(GlyphCodeField(0xC0), 0xFFC0);
  EXPECT_EQ(GlyphCodeField(0xFF), 0xFFFF);
}

struct SetCase {
  FontCharacterSet set;
  std::vector<std::vector<uint32_t>> ranges;  // first, last, glyph table offset
  size_t first_bitmap;
  uint16_t first_code, last_code;
};

void PrintTo(const SetCase& c, std::ostream* os) { *os << c.ranges.size() << " ranges, " << c.first_code; }

class GenerateFontSets : public ::testing::TestWithParam<SetCase> {};

uint16_t Get16(const Bytes& bytes, size_t at) { return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8); }

TEST_P(GenerateFontSets, LaysOutTheHeaderTheRangesTheTablesAndTheBitmaps) {
  const SetCase& c = GetParam();
  SyntheticRasterizer rasterizer = UnitRasterizer(kBar);
  GeneratedFont font;
  std::string reason;
  ASSERT_TRUE(GenerateFont(rasterizer, Settings(2, c.set, 24), font, reason)) << reason;
  const Bytes& bytes = font.bytes;
  EXPECT_EQ(Get16(bytes, 0), 4);
  EXPECT_EQ(Get16(bytes, 2), 24);
  ASSERT_EQ(test::Get32(bytes, 4), c.ranges.size());
  size_t glyphs = 0;
  for (size_t r = 0; r < c.ranges.size(); ++r) {
    EXPECT_EQ(Get16(bytes, 8 + 8 * r), c.ranges[r][0]);
    EXPECT_EQ(Get16(bytes, 10 + 8 * r), c.ranges[r][1]);
    EXPECT_EQ(test::Get32(bytes, 12 + 8 * r), c.ranges[r][2]);
    glyphs += c.ranges[r][1] - c.ranges[r][0] + 1;
  }
  // The bitmaps follow one another in character order from the end of the
  // glyph tables, and the file ends with the last one.
  const size_t tables = 8 + 8 * c.ranges.size();
  size_t next = c.first_bitmap;
  for (size_t g = 0; g < glyphs; ++g) {
    const size_t record = tables + 16 * g;
    EXPECT_EQ(test::Get32(bytes, record + 12), next) << "glyph " << g;
    next += (Get16(bytes, record) + 1u) / 2 * Get16(bytes, record + 2);
  }
  EXPECT_EQ(bytes.size(), next);
  EXPECT_EQ(Get16(bytes, tables + 10), c.first_code);
  EXPECT_EQ(Get16(bytes, tables + 16 * (glyphs - 1) + 10), c.last_code);
  EXPECT_EQ(font.memo.size(), 6 * glyphs);

  const auto loaded = DeviceFont::FromBytes(bytes, reason);
  ASSERT_TRUE(loaded) << reason;
  EXPECT_EQ(loaded->Ranges().size(), c.ranges.size());
}

INSTANTIATE_TEST_SUITE_P(
    Sets, GenerateFontSets,
    ::testing::Values(SetCase{FontCharacterSet::kAll, {{32, 126, 24}, {1040, 1103, 1544}}, 2568, 32, 0xFFFF},
                      SetCase{FontCharacterSet::kLatin, {{32, 126, 16}}, 1536, 32, 126},
                      SetCase{FontCharacterSet::kNumbers, {{43, 59, 16}}, 288, 43, 59}));

TEST(GenerateFont, TheDeviceDrawsAGlyphWhereTheWorkstationDrewIt) {
  // At factor 1 the bar's ink is at pen + 2 .. pen + 4 and rows 1..7 of the
  // cell; drawn with the pen at (100, 50), it covers x 102..104, y 51..57.
  SyntheticRasterizer rasterizer = UnitRasterizer(kBar);
  GeneratedFont generated;
  std::string reason;
  ASSERT_TRUE(GenerateFont(rasterizer, Settings(1, FontCharacterSet::kNumbers), generated, reason)) << reason;
  const auto font = DeviceFont::FromBytes(generated.bytes, reason);
  ASSERT_TRUE(font) << reason;
  auto frame = std::make_unique<FrameBuffer>();
  DrawDeviceText(*frame, "+", 100, 50, 0xFFFFFFFF, *font);
  for (int y = 45; y < 65; ++y)
    for (int x = 95; x < 115; ++x) {
      const bool ink = x >= 102 && x <= 104 && y >= 51 && y <= 57;
      EXPECT_EQ(frame->Pixel(x, y), ink ? 0xFFFFFFFFu : 0xFF000000u) << x << ", " << y;
    }
  EXPECT_EQ(DeviceTextWidth("+", *font), 7);
}

TEST(GenerateFont, AFailingGlyphLeavesTheFontAsItWas) {
  SyntheticRasterizer rasterizer([](char32_t character, int) { return character == '5' ? -3 : 4; },
                                 [](char32_t, int, int x, GreyPicture& picture) { FillGrey(picture, x, 0, 2, 2, 255); });
  GeneratedFont font{Bytes{1, 2, 3}, Lines{"before"}};
  std::string reason;
  EXPECT_FALSE(GenerateFont(rasterizer, Settings(4, FontCharacterSet::kNumbers), font, reason));
  EXPECT_NE(reason.find("U+0035 '5'"), std::string::npos) << reason;
  EXPECT_EQ(font.bytes, (Bytes{1, 2, 3}));
  EXPECT_EQ(font.memo, Lines{"before"});
  EXPECT_FALSE(GenerateFont(rasterizer, Settings(5, FontCharacterSet::kNumbers), font, reason));
  EXPECT_NE(reason.find("factor 5"), std::string::npos) << reason;
}

TEST(GenerateFont, RefusesAFileLargerThanTheWorkBuffer) {
  // Every glyph of a 200-point font inked all over, 4 cells wide: about 87 KB
  // each, so the 159 glyphs pass 4 MiB.
  SyntheticRasterizer rasterizer([](char32_t, int cell) { return 4 * cell; },
                                 [](char32_t, int, int, GreyPicture& picture) {
                                   FillGrey(picture, 0, 0, picture.width, picture.height, 255);
                                 });
  GeneratedFont font;
  std::string reason;
  EXPECT_FALSE(GenerateFont(rasterizer, Settings(1, FontCharacterSet::kAll, 200), font, reason));
  EXPECT_NE(reason.find("4 MiB work buffer"), std::string::npos) << reason;
  EXPECT_TRUE(font.bytes.empty());
}

}  // namespace
}  // namespace velk
