#include "assets/device_font.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/font_builder.h"
#include "support/sample_font.h"

namespace velk {
namespace {

using test::GlyphRecordAt;
using test::Put16;
using test::Put32;
using test::RangeEntryAt;

TEST(DeviceFont, ReadsTheHeaderAndTheRanges) {
  std::string reason;
  const auto font = DeviceFont::FromBytes(test::BuildFont(test::SampleFont()), reason);
  ASSERT_TRUE(font) << reason;
  EXPECT_EQ(font->ObjectType(), 4);
  EXPECT_EQ(font->Size(), 16);
  ASSERT_EQ(font->Ranges().size(), 5u);
  EXPECT_EQ(font->Ranges()[0].first, 48);
  EXPECT_EQ(font->Ranges()[0].last, 57);
  EXPECT_EQ(font->Ranges()[0].digit_advance, 8);  // the widest digit
  EXPECT_EQ(font->Ranges()[2].first, 1040);
  const GlyphRecord a = font->Glyph(font->Ranges()[1], 'A');
  EXPECT_EQ(a.width, 3);
  EXPECT_EQ(a.height, 2);
  EXPECT_EQ(a.x_pos, -1);
  EXPECT_EQ(a.y_pos, 2);
  EXPECT_EQ(a.cursor_dist, 4);
}

// A broken copy of a sound font file, and the words of the reason.
struct BrokenCase {
  const char* what;
  std::function<void(std::vector<uint8_t>&)> damage;
  const char* reason;
};

void PrintTo(const BrokenCase& c, std::ostream* os) { *os << c.what; }

class DeviceFontRefusal : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(DeviceFontRefusal, RefusesAFileThatReachesPastItsEnd) {
  std::vector<uint8_t> bytes = test::BuildFont(test::SampleFont());
  GetParam().damage(bytes);
  std::string reason;
  EXPECT_FALSE(DeviceFont::FromBytes(bytes, reason)) << GetParam().what;
  EXPECT_NE(reason.find(GetParam().reason), std::string::npos) << GetParam().what << ": " << reason;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DeviceFontRefusal,
    ::testing::Values(
        BrokenCase{"empty", [](auto& b) { b.clear(); }, "shorter than the 8-byte font header"},
        BrokenCase{"cut inside the header", [](auto& b) { b.resize(5); }, "shorter than the 8-byte font header"},
        BrokenCase{"cut inside the range table", [](auto& b) { b.resize(20); }, "ranges runs past"},
        BrokenCase{"range count too large", [](auto& b) { Put32(b, 4, 0x10000000); }, "ranges runs past"},
        BrokenCase{"range count of all ones", [](auto& b) { Put32(b, 4, 0xFFFFFFFF); }, "ranges runs past"},
        BrokenCase{"glyph table offset past the end",
                   [](auto& b) { Put32(b, RangeEntryAt(1) + 4, static_cast<uint32_t>(b.size())); },
                   "glyph table of range 2"},
        BrokenCase{"glyph table one byte too long",
                   [](auto& b) { Put32(b, RangeEntryAt(1) + 4, static_cast<uint32_t>(b.size() - 31)); },
                   "glyph table of range 2"},
        BrokenCase{"glyph table offset near 4 GiB", [](auto& b) { Put32(b, RangeEntryAt(0) + 4, 0xFFFFFFF0); },
                   "glyph table of range 1"},
        BrokenCase{"a range that ends before it begins", [](auto& b) { Put16(b, RangeEntryAt(1) + 2, 64); },
                   "ends before it begins"},
        BrokenCase{"more glyphs than the table holds", [](auto& b) { Put16(b, RangeEntryAt(4) + 2, 0xFFFF); },
                   "glyph table of range 5"},
        BrokenCase{"bitmap offset past the end",
                   [](auto& b) { Put32(b, GlyphRecordAt(b, 1, 0) + 12, static_cast<uint32_t>(b.size())); },
                   "bitmap of character 65"},
        BrokenCase{"bitmap offset near 4 GiB", [](auto& b) { Put32(b, GlyphRecordAt(b, 2, 1) + 12, 0xFFFFFFFF); },
                   "bitmap of character 1041"},
        BrokenCase{"glyph wider than its bitmap", [](auto& b) { Put16(b, GlyphRecordAt(b, 4, 0), 0x7FFF); },
                   "bitmap of character 65472"},
        BrokenCase{"glyph higher than its bitmap", [](auto& b) { Put16(b, GlyphRecordAt(b, 4, 0) + 2, 0xFFFF); },
                   "bitmap of character 65472"},
        BrokenCase{"last bitmap cut short", [](auto& b) { b.pop_back(); }, "bitmap of character 65472"},
        BrokenCase{"digit records before the start of the file",
                   [](auto& b) {
                     // One range 52..57 right after the header: the records
                     // for '0'..'3' would lie before the file.
                     test::FontContent content;
                     test::RangeContent range{52, 57, {}};
                     for (int i = 0; i < 6; ++i) range.glyphs.push_back(test::SolidGlyph(2, 2, 3));
                     content.ranges.push_back(range);
                     b = test::BuildFont(content);
                   },
                   "digit records of range 1"},
        BrokenCase{"ranges that share a table and claim more records than the file holds",
                   [](auto& b) {
                     // Ten ranges 65..66 over one glyph table of two records.
                     constexpr uint32_t kRanges = 10;
                     constexpr uint32_t kTable = 8 + 8 * kRanges;
                     b.assign(kTable + 32 + 2, 0);
                     Put16(b, 0, 4);
                     Put16(b, 2, 16);
                     Put32(b, 4, kRanges);
                     for (size_t r = 0; r < kRanges; ++r) {
                       Put16(b, RangeEntryAt(r), 65);
                       Put16(b, RangeEntryAt(r) + 2, 66);
                       Put32(b, RangeEntryAt(r) + 4, kTable);
                     }
                     for (uint32_t g = 0; g < 2; ++g) {
                       Put16(b, kTable + 16 * g, 1);
                       Put16(b, kTable + 16 * g + 2, 1);
                       Put32(b, kTable + 16 * g + 12, kTable + 32 + g);
                     }
                   },
                   "glyph table of range 4"}));

// The tabular-digit rule reads the ten records for '0'..'9' counted from the
// range's first code; in a range of only some digits those records lie
// before or after its own table, and are read as they are when they are in
// the file.
TEST(DeviceFont, DigitRecordsOutsideAPartialRangeAreReadFromTheFile) {
  test::FontContent content;
  test::RangeContent low{30, 49, {}};
  for (int i = 0; i < 20; ++i) low.glyphs.push_back(test::SolidGlyph(i == 18 ? 11 : 1, 1, 1));  // code 48 is 11 wide
  test::RangeContent high{50, 57, {}};
  for (int i = 0; i < 8; ++i) high.glyphs.push_back(test::SolidGlyph(3, 1, 1));
  content.ranges = {low, high};
  std::string reason;
  const auto font = DeviceFont::FromBytes(test::BuildFont(content), reason);
  ASSERT_TRUE(font) << reason;
  EXPECT_EQ(font->Ranges()[0].digit_advance, 11);
  EXPECT_EQ(font->Ranges()[1].digit_advance, 11);  // its '0' record is the low range's code 48
}

TEST(DeviceFont, AcceptsAFontWithoutRangesAndEmptyGlyphsAnywhere) {
  std::vector<uint8_t> bytes = test::BuildFont(test::FontContent{});
  std::string reason;
  EXPECT_TRUE(DeviceFont::FromBytes(bytes, reason)) << reason;
  test::FontContent content;
  content.ranges.push_back(test::RangeContent{32, 32, {test::GlyphContent{0, 0, 0, 0, 5, {}}}});
  bytes = test::BuildFont(content);
  Put32(bytes, GlyphRecordAt(bytes, 0, 0) + 12, static_cast<uint32_t>(bytes.size()));  // no bitmap bytes to read
  EXPECT_TRUE(DeviceFont::FromBytes(bytes, reason)) << reason;
}

}  // namespace
}  // namespace velk
