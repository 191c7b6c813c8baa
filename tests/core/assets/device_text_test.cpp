#include "assets/device_text.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "emulation/put_pixel.h"
#include "support/font_builder.h"
#include "support/frames.h"
#include "support/sample_font.h"

namespace velk {
namespace {

std::shared_ptr<const DeviceFont> Font(test::FontContent content = test::SampleFont()) {
  std::string reason;
  auto font = DeviceFont::FromBytes(test::BuildFont(content), reason);
  EXPECT_TRUE(font) << reason;
  return font;
}

struct CodeCase {
  std::string text;
  int32_t code;
  size_t consumed;
};

void PrintTo(const CodeCase& c, std::ostream* os) { *os << "code " << c.code; }

class NextCodeTest : public ::testing::TestWithParam<CodeCase> {};

TEST_P(NextCodeTest, DecodesOneAndTwoByteSequencesAndStrayBytes) {
  size_t position = 0;
  EXPECT_EQ(NextCode(GetParam().text, position), GetParam().code);
  EXPECT_EQ(position, GetParam().consumed);
}

INSTANTIATE_TEST_SUITE_P(Cases, NextCodeTest,
                         ::testing::Values(CodeCase{"A", 65, 1}, CodeCase{"\xD0\x90", 0x410, 2},  // А
                                           CodeCase{"\xD1\x8F", 0x44F, 2},                       // я
                                           CodeCase{"\xDF\xBF", 0x7FF, 2},
                                           CodeCase{"\xC0\x81", 1, 2},     // an overlong pair is still a pair
                                           CodeCase{"\xC0" "A", -64, 1},   // a Windows-1251 byte alone
                                           CodeCase{"\xD0", -48, 1},       // a lead byte at the end
                                           CodeCase{"\x90\xD0", -112, 1},  // a continuation byte alone
                                           CodeCase{"\xE2\x82\xAC", -30, 1},  // three-byte sequences are not read
                                           CodeCase{"\xFF", -1, 1}));

struct WidthCase {
  const char* what;
  std::string text;
  int64_t width;
};

void PrintTo(const WidthCase& c, std::ostream* os) { *os << c.what; }

class DeviceTextWidthTest : public ::testing::TestWithParam<WidthCase> {};

TEST_P(DeviceTextWidthTest, SumsTheAdvances) {
  EXPECT_EQ(DeviceTextWidth(GetParam().text, *Font()), GetParam().width) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DeviceTextWidthTest,
    ::testing::Values(WidthCase{"empty", "", 0}, WidthCase{"letters", "AB", 6},
                      WidthCase{"digits advance by the widest digit", "12", 16},
                      WidthCase{"a narrow digit too", "11", 16}, WidthCase{"the widest itself", "7", 8},
                      WidthCase{"the first matching range wins", "A", 4},
                      WidthCase{"a Cyrillic letter by its code point", "\xD0\x90\xD0\x91", 7},
                      WidthCase{"codes in no range advance 0", "zA~", 4},
                      WidthCase{"a stray byte matches no range, not even 0xFFC0", "\xC0" "A", 4},
                      WidthCase{"the text ends at a zero byte", std::string("A\0B", 3), 4}));

TEST(DeviceTextWidth, MeasuresWhateverTheTypeAndSize) {
  test::FontContent content = test::SampleFont();
  content.object_type = 3;
  content.size = 250;
  EXPECT_EQ(DeviceTextWidth("AB", *Font(content)), 6);
}

// Coverage per level for a colour alpha: trunc(255 a) for 15, else
// min(255, trunc(level x 17 x a)), a = alpha / 255 as a float.
const uint32_t kCoverage255[16] = {0, 17, 34, 51, 68, 85, 102, 119, 136, 153, 170, 187, 204, 221, 238, 255};
const uint32_t kCoverage128[16] = {0, 8, 17, 25, 34, 42, 51, 59, 68, 76, 85, 93, 102, 110, 119, 128};

// Puts the levels of a glyph at (left, top) through PutPixel with the
// coverage table: what DrawGlyph must leave.
void ExpectedGlyph(FrameBuffer& frame, int left, int top, int width, const std::vector<uint8_t>& levels,
                   const uint32_t* coverage, uint32_t colour) {
  for (size_t i = 0; i < levels.size(); ++i) {
    const uint32_t c = coverage[levels[i]];
    if (c > 0)
      PutPixel(frame, left + static_cast<int>(i) % width, top + static_cast<int>(i) / width,
               c << 24 | (colour & 0xFFFFFF));
  }
}

struct GlyphCase {
  const char* what;
  int x, y;
  uint32_t colour;
  const uint32_t* coverage;
};

void PrintTo(const GlyphCase& c, std::ostream* os) { *os << c.what; }

class DrawGlyphTest : public ::testing::TestWithParam<GlyphCase> {};

TEST_P(DrawGlyphTest, InksEveryLevelAtItsOffset) {
  const GlyphCase& c = GetParam();
  auto actual = std::make_unique<FrameBuffer>();
  auto expected = std::make_unique<FrameBuffer>();
  test::FillPattern(*actual);
  test::FillPattern(*expected);
  // 'A' is drawn from x + x_pos (-1), y + y_pos (2).
  EXPECT_EQ(DrawGlyph(*actual, 'A', c.x, c.y, c.colour, *Font()), 4);
  ExpectedGlyph(*expected, c.x - 1, c.y + 2, 3, {15, 8, 1, 7, 0, 15}, c.coverage, c.colour);
  EXPECT_TRUE(test::SameFrame(*actual, *expected)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, DrawGlyphTest,
                         ::testing::Values(GlyphCase{"opaque ink", 10, 20, 0xFF0000FF, kCoverage255},
                                           GlyphCase{"half ink: full level at 128", 10, 20, 0x80FF8040, kCoverage128},
                                           GlyphCase{"clipped on the left", 0, 0, 0xFFFFFFFF, kCoverage255},
                                           GlyphCase{"clipped at the bottom", 500, 597, 0xFFFFFFFF, kCoverage255},
                                           GlyphCase{"clipped at 1024", 1024, 100, 0xFFFFFFFF, kCoverage255},
                                           GlyphCase{"far off the screen", -40000, 100000, 0xFFFFFFFF,
                                                     kCoverage255}));

TEST(DrawGlyph, IgnoresThePaddingNibbleOfAnOddWidthRow) {
  std::vector<uint8_t> bytes = test::BuildFont(test::SampleFont());
  const size_t bitmap = test::Get32(bytes, test::GlyphRecordAt(bytes, 1, 0) + 12);
  bytes[bitmap + 1] |= 0x0F;  // row 0: levels 15 8 | 1 pad
  bytes[bitmap + 3] |= 0x0F;  // row 1: levels 7 0 | 15 pad
  std::string reason;
  const auto font = DeviceFont::FromBytes(bytes, reason);
  ASSERT_TRUE(font) << reason;
  auto actual = std::make_unique<FrameBuffer>();
  auto expected = std::make_unique<FrameBuffer>();
  DrawGlyph(*actual, 'A', 11, 0, 0xFFFFFFFF, *font);
  ExpectedGlyph(*expected, 10, 2, 3, {15, 8, 1, 7, 0, 15}, kCoverage255, 0xFFFFFFFF);
  EXPECT_TRUE(test::SameFrame(*actual, *expected));
}

TEST(DrawGlyph, CentresANarrowDigitInTheWidestDigitsCell) {
  const auto font = Font();
  auto frame = std::make_unique<FrameBuffer>();
  EXPECT_EQ(DrawGlyph(*frame, '1', 100, 0, 0xFFFFFFFF, *font), 8);
  EXPECT_EQ(DrawGlyph(*frame, '0', 200, 0, 0xFFFFFFFF, *font), 8);
  auto expected = std::make_unique<FrameBuffer>();
  ExpectedGlyph(*expected, 103, 0, 2, std::vector<uint8_t>(4, 15), kCoverage255, 0xFFFFFFFF);  // (8 - 2) >> 1
  ExpectedGlyph(*expected, 202, 0, 4, std::vector<uint8_t>(8, 15), kCoverage255, 0xFFFFFFFF);  // (8 - 4) >> 1
  EXPECT_TRUE(test::SameFrame(*frame, *expected));
}

TEST(DrawGlyph, DrawsNothingForCodesInNoRange) {
  test::FontContent content = test::SampleFont();
  content.ranges.push_back(test::RangeContent{0, 0, {test::SolidGlyph(3, 3, 5)}});
  const auto font = Font(content);
  auto frame = std::make_unique<FrameBuffer>();
  EXPECT_EQ(DrawGlyph(*frame, 'z', 10, 10, 0xFFFFFFFF, *font), 0);
  EXPECT_EQ(DrawGlyph(*frame, 0, 10, 10, 0xFFFFFFFF, *font), 0);    // code 0 never matches
  EXPECT_EQ(DrawGlyph(*frame, -64, 10, 10, 0xFFFFFFFF, *font), 0);  // nor a stray byte
  EXPECT_EQ(DrawGlyph(*frame, 'A', 10, 10, 0x00FFFFFF, *font), 4);  // transparent ink still advances
  EXPECT_TRUE(test::SameFrame(*frame, FrameBuffer()));
}

TEST(DrawDeviceText, MovesThePenByEachAdvance) {
  const auto font = Font();
  auto frame = std::make_unique<FrameBuffer>();
  // "1" at 50 (cell of 8, glyph at +3), "A" at 58 (x_pos -1, y_pos 2), "А" at 62, stray 0xC0, "B" at 65.
  DrawDeviceText(*frame, "1A\xD0\x90\xC0" "B", 50, 30, 0xFFFFFFFF, *font);
  auto expected = std::make_unique<FrameBuffer>();
  ExpectedGlyph(*expected, 53, 30, 2, std::vector<uint8_t>(4, 15), kCoverage255, 0xFFFFFFFF);
  ExpectedGlyph(*expected, 57, 32, 3, {15, 8, 1, 7, 0, 15}, kCoverage255, 0xFFFFFFFF);
  ExpectedGlyph(*expected, 62, 30, 2, {15, 15}, kCoverage255, 0xFFFFFFFF);
  ExpectedGlyph(*expected, 65, 30, 1, {15}, kCoverage255, 0xFFFFFFFF);
  EXPECT_TRUE(test::SameFrame(*frame, *expected));
  EXPECT_EQ(DeviceTextWidth("1A\xD0\x90\xC0" "B", *font), 17);
}

struct HeaderCase {
  uint16_t object_type;
  uint16_t size;
  bool drawn;
};

void PrintTo(const HeaderCase& c, std::ostream* os) { *os << "type " << c.object_type << " size " << c.size; }

class DrawDeviceTextHeader : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(DrawDeviceTextHeader, DrawsOnlyFontsOfType4UpToSize200) {
  test::FontContent content = test::SampleFont();
  content.object_type = GetParam().object_type;
  content.size = GetParam().size;
  auto frame = std::make_unique<FrameBuffer>();
  DrawDeviceText(*frame, "B", 5, 5, 0xFFFFFFFF, *Font(content));
  EXPECT_EQ(frame->Pixel(5, 5) == 0xFFFFFFFFu, GetParam().drawn);
}

INSTANTIATE_TEST_SUITE_P(Cases, DrawDeviceTextHeader,
                         ::testing::Values(HeaderCase{4, 16, true}, HeaderCase{4, 200, true},
                                           HeaderCase{4, 201, false}, HeaderCase{5, 16, false},
                                           HeaderCase{0, 16, false}));

TEST(DrawDeviceText, ALongTextStopsWhereNothingCanReachTheScreen) {
  const auto font = Font();
  auto frame = std::make_unique<FrameBuffer>();
  DrawDeviceText(*frame, std::string(100000, '7'), 0, 0, 0xFFFFFFFF, *font);
  EXPECT_EQ(frame->Pixel(0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(frame->Pixel(1023, 0), 0xFFFFFFFFu);
  EXPECT_EQ(DeviceTextWidth(std::string(100000, '7'), *font), 800000);
}

}  // namespace
}  // namespace velk
