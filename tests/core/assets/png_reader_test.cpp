#include "assets/png_reader.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "support/png_writer.h"
#include "support/temp_folder.h"

namespace velk {
namespace {

using test::PngContent;

// RGBA of pixel (x, y) as 0xRRGGBBAA.
uint32_t Rgba(const Picture& picture, int x, int y) {
  const size_t at = static_cast<size_t>(y) * static_cast<size_t>(picture.width) + static_cast<size_t>(x);
  return uint32_t{picture.rgb[at * 3]} << 24 | uint32_t{picture.rgb[at * 3 + 1]} << 16 |
         uint32_t{picture.rgb[at * 3 + 2]} << 8 | picture.alpha[at];
}

std::vector<uint32_t> AllRgba(const Picture& picture) {
  std::vector<uint32_t> pixels;
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) pixels.push_back(Rgba(picture, x, y));
  return pixels;
}

struct DecodeCase {
  const char* what;
  PngContent content;
  std::vector<uint32_t> expected;  // 0xRRGGBBAA per pixel
};

void PrintTo(const DecodeCase& c, std::ostream* os) { *os << c.what; }

PngContent Content(int width, int height, int colour_type, int bit_depth, std::vector<uint16_t> samples) {
  PngContent content;
  content.width = width;
  content.height = height;
  content.colour_type = colour_type;
  content.bit_depth = bit_depth;
  content.samples = std::move(samples);
  return content;
}

PngContent WithKey(PngContent content, std::vector<uint16_t> key) {
  content.key = std::move(key);
  return content;
}

PngContent WithPalette(PngContent content, std::vector<uint8_t> palette, std::vector<uint8_t> alpha = {}) {
  content.palette = std::move(palette);
  content.palette_alpha = std::move(alpha);
  return content;
}

PngContent Interlaced(PngContent content) {
  content.interlaced = true;
  return content;
}

// A 9 x 9 RGBA pattern: large enough that all seven interlace passes hold pixels.
std::vector<uint16_t> Pattern(int channels, int scale) {
  std::vector<uint16_t> samples;
  for (int i = 0; i < 81; ++i)
    for (int k = 0; k < channels; ++k) samples.push_back(static_cast<uint16_t>(((i * 29 + k * 71) % 256) * scale));
  return samples;
}

std::vector<uint32_t> PatternRgba() {
  std::vector<uint32_t> pixels;
  for (int i = 0; i < 81; ++i) {
    uint32_t word = 0;
    for (int k = 0; k < 4; ++k) word = word << 8 | static_cast<uint32_t>((i * 29 + k * 71) % 256);
    pixels.push_back(word);
  }
  return pixels;
}

const std::vector<uint8_t> kPalette = {255, 0, 0, 0, 255, 0, 0, 0, 255, 10, 20, 30, 200, 100, 50};
const std::vector<uint8_t> kPalette4 = {255, 0, 0, 0, 255, 0, 0, 0, 255, 10, 20, 30};  // what 2 bits index

class ReadPngPictureTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(ReadPngPictureTest, ExpandsEveryFormatToRgbAndAlpha) {
  const DecodeCase& c = GetParam();
  test::TempFolder folder;
  const std::string path = folder.Path() + "in.png";
  ASSERT_TRUE(test::WritePng(path, c.content)) << c.what;
  Picture picture;
  std::string reason;
  ASSERT_TRUE(ReadPngPicture(path, 2047, picture, reason)) << c.what << ": " << reason;
  EXPECT_EQ(picture.width, c.content.width);
  EXPECT_EQ(picture.height, c.content.height);
  ASSERT_EQ(picture.rgb.size(), c.expected.size() * 3);
  ASSERT_EQ(picture.alpha.size(), c.expected.size());
  EXPECT_EQ(AllRgba(picture), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Formats, ReadPngPictureTest,
    ::testing::Values(
        DecodeCase{"grey 1 bit", Content(3, 2, 0, 1, {0, 1, 1, 0, 1, 0}),
                   {0x000000FF, 0xFFFFFFFF, 0xFFFFFFFF, 0x000000FF, 0xFFFFFFFF, 0x000000FF}},
        DecodeCase{"grey 2 bit scales to 0, 85, 170, 255", Content(4, 1, 0, 2, {0, 1, 2, 3}),
                   {0x000000FF, 0x555555FF, 0xAAAAAAFF, 0xFFFFFFFF}},
        DecodeCase{"grey 4 bit scales by 17", Content(3, 1, 0, 4, {0, 7, 15}), {0x000000FF, 0x777777FF, 0xFFFFFFFF}},
        DecodeCase{"grey 8 bit with a transparent key", WithKey(Content(2, 1, 0, 8, {7, 8}), {7}),
                   {0x07070700, 0x080808FF}},
        DecodeCase{"grey 16 bit keeps the high byte", Content(3, 1, 0, 16, {0x1234, 0xFFFF, 0x00FF}),
                   {0x121212FF, 0xFFFFFFFF, 0x000000FF}},
        DecodeCase{"grey 16 bit key compares all 16 bits", WithKey(Content(2, 1, 0, 16, {0x1234, 0x12FF}), {0x1234}),
                   {0x12121200, 0x121212FF}},
        DecodeCase{"RGB 8 bit", Content(2, 1, 2, 8, {1, 2, 3, 250, 251, 252}), {0x010203FF, 0xFAFBFCFF}},
        DecodeCase{"RGB 8 bit with a transparent key", WithKey(Content(2, 1, 2, 8, {1, 2, 3, 1, 2, 4}), {1, 2, 3}),
                   {0x01020300, 0x010204FF}},
        DecodeCase{"RGB 16 bit", Content(1, 1, 2, 16, {0xABCD, 0x1234, 0x00FF}), {0xAB1200FF}},
        DecodeCase{"palette 1 bit", WithPalette(Content(3, 1, 3, 1, {0, 1, 1}), {9, 8, 7, 6, 5, 4}),
                   {0x090807FF, 0x060504FF, 0x060504FF}},
        DecodeCase{"palette 2 bit with partial tRNS", WithPalette(Content(4, 1, 3, 2, {0, 1, 2, 3}), kPalette4, {0, 128}),
                   {0xFF000000, 0x00FF0080, 0x0000FFFF, 0x0A141EFF}},
        DecodeCase{"palette 4 bit", WithPalette(Content(2, 1, 3, 4, {4, 3}), kPalette), {0xC86432FF, 0x0A141EFF}},
        DecodeCase{"palette 8 bit with tRNS", WithPalette(Content(2, 1, 3, 8, {4, 0}), kPalette, {1, 2, 3, 4, 5}),
                   {0xC8643205, 0xFF000001}},
        DecodeCase{"grey and alpha 8 bit", Content(2, 1, 4, 8, {10, 20, 255, 0}), {0x0A0A0A14, 0xFFFFFF00}},
        DecodeCase{"grey and alpha 16 bit", Content(1, 1, 4, 16, {0x80FF, 0x4001}), {0x80808040}},
        DecodeCase{"RGBA 8 bit", Content(1, 2, 6, 8, {1, 2, 3, 4, 5, 6, 7, 8}), {0x01020304, 0x05060708}},
        DecodeCase{"RGBA 16 bit", Content(1, 1, 6, 16, {0x1111, 0x22FF, 0x3300, 0x4480}), {0x11223344}},
        DecodeCase{"RGBA 8 bit interlaced", Interlaced(Content(9, 9, 6, 8, Pattern(4, 1))), PatternRgba()},
        DecodeCase{"RGBA 16 bit interlaced", Interlaced(Content(9, 9, 6, 16, Pattern(4, 257))), PatternRgba()},
        DecodeCase{"palette 2 bit interlaced", Interlaced(WithPalette(Content(3, 3, 3, 2, {0, 1, 2, 3, 0, 1, 2, 3, 0}),
                                                                      kPalette4, {0, 128})),
                   {0xFF000000, 0x00FF0080, 0x0000FFFF, 0x0A141EFF, 0xFF000000, 0x00FF0080, 0x0000FFFF, 0x0A141EFF,
                    0xFF000000}},
        DecodeCase{"grey 1 bit interlaced", Interlaced(Content(9, 1, 0, 1, {1, 0, 1, 1, 0, 0, 1, 0, 1})),
                   {0xFFFFFFFF, 0x000000FF, 0xFFFFFFFF, 0xFFFFFFFF, 0x000000FF, 0x000000FF, 0xFFFFFFFF, 0x000000FF,
                    0xFFFFFFFF}}));

struct SizeCase {
  int width;
  int height;
  bool read;
};

void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.width << " x " << c.height; }

class ReadPngPictureSize : public ::testing::TestWithParam<SizeCase> {};

// The device image header holds 11 bits per side.
TEST_P(ReadPngPictureSize, RefusesSidesAbove2047) {
  const SizeCase& c = GetParam();
  test::TempFolder folder;
  const std::string path = folder.Path() + "wide.png";
  PngContent content = Content(c.width, c.height, 0, 1, std::vector<uint16_t>(static_cast<size_t>(c.width * c.height), 1));
  ASSERT_TRUE(test::WritePng(path, content));
  Picture picture;
  std::string reason;
  EXPECT_EQ(ReadPngPicture(path, 2047, picture, reason), c.read) << reason;
  if (c.read) {
    EXPECT_EQ(picture.width, c.width);
    EXPECT_EQ(picture.height, c.height);
  } else {
    EXPECT_NE(reason.find("2047"), std::string::npos) << reason;
    EXPECT_TRUE(picture.rgb.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadPngPictureSize,
                         ::testing::Values(SizeCase{2047, 1, true}, SizeCase{1, 2047, true}, SizeCase{2048, 1, false},
                                           SizeCase{1, 2048, false}));

TEST(ReadPngPicture, RefusesMissingEmptyAndTruncatedFiles) {
  test::TempFolder folder;
  const std::string whole = folder.Path() + "whole.png";
  ASSERT_TRUE(test::WritePng(whole, Interlaced(Content(9, 9, 6, 8, Pattern(4, 1)))));
  const auto size = static_cast<size_t>(std::filesystem::file_size(whole));
  std::filesystem::copy_file(whole, folder.Path() + "cut.png");
  std::filesystem::resize_file(folder.Path() + "cut.png", size / 2);
  std::filesystem::copy_file(whole, folder.Path() + "no_end.png");
  std::filesystem::resize_file(folder.Path() + "no_end.png", size - 12);  // the IEND chunk gone
  folder.Write("empty.png", "");
  folder.Write("text.png", "not a picture at all");
  for (const char* name : {"missing.png", "cut.png", "no_end.png", "empty.png", "text.png"}) {
    Picture picture;
    std::string reason;
    EXPECT_FALSE(ReadPngPicture(folder.Path() + name, 2047, picture, reason)) << name;
    EXPECT_FALSE(reason.empty()) << name;
  }
  Picture picture;
  std::string reason;
  EXPECT_TRUE(ReadPngPicture(whole, 2047, picture, reason)) << reason;
}

// PngSuite: pictures that nobody here made. The expected values were worked
// out with a separate decoder (samples scaled to 8 bits, 16-bit samples by
// their high byte, tRNS as alpha, no gamma); the hash is FNV-1a over R, G, B,
// A of every pixel in row order.
struct SuiteCase {
  const char* file;
  int width;
  int height;
  uint64_t hash;
  std::array<std::array<uint32_t, 3>, 3> samples;  // x, y, 0xRRGGBBAA
};

void PrintTo(const SuiteCase& c, std::ostream* os) { *os << c.file; }

const SuiteCase kSuite[] = {
    {"basi0g01.png", 32, 32, 0xF76AB9C2CC275B5DULL, {{{0, 0, 0xFFFFFFFFu}, {16, 10, 0xFFFFFFFFu}, {31, 31, 0x000000FFu}}}},
    {"basi3p04.png", 32, 32, 0x817FFF880B5D72C5ULL, {{{0, 0, 0xFF0000FFu}, {16, 10, 0x00FF44FFu}, {31, 31, 0xFF00BBFFu}}}},
    {"basi4a08.png", 32, 32, 0x4B4E70FC7720494DULL, {{{0, 0, 0xFFFFFF00u}, {16, 10, 0xACACAC83u}, {31, 31, 0x000000FFu}}}},
    {"basi6a16.png", 32, 32, 0x1C3A480C49C2C715ULL, {{{0, 0, 0xFFFF0000u}, {16, 10, 0x74FF00A5u}, {31, 31, 0x0000FF00u}}}},
    {"basn0g01.png", 32, 32, 0xF76AB9C2CC275B5DULL, {{{0, 0, 0xFFFFFFFFu}, {16, 10, 0xFFFFFFFFu}, {31, 31, 0x000000FFu}}}},
    {"basn0g02.png", 32, 32, 0x100BBCF53D1FD325ULL, {{{0, 0, 0x000000FFu}, {16, 10, 0xAAAAAAFFu}, {31, 31, 0xAAAAAAFFu}}}},
    {"basn0g04.png", 32, 32, 0xCA83A263DA76AB25ULL, {{{0, 0, 0x000000FFu}, {16, 10, 0x666666FFu}, {31, 31, 0xEEEEEEFFu}}}},
    {"basn0g08.png", 32, 32, 0x11ED8979CE4D7B4DULL, {{{0, 0, 0x000000FFu}, {16, 10, 0xAEAEAEFFu}, {31, 31, 0x030303FFu}}}},
    {"basn0g16.png", 32, 32, 0x565667F6B6F01665ULL, {{{0, 0, 0x000000FFu}, {16, 10, 0xA4A4A4FFu}, {31, 31, 0x000000FFu}}}},
    {"basn2c08.png", 32, 32, 0x6D0A594462868F25ULL, {{{0, 0, 0xFFFFFFFFu}, {16, 10, 0xFFAFFFFFu}, {31, 31, 0x000000FFu}}}},
    {"basn2c16.png", 32, 32, 0x016A07C086368525ULL, {{{0, 0, 0xFFFF00FFu}, {16, 10, 0x7BAD00FFu}, {31, 31, 0x0000FFFFu}}}},
    {"basn3p01.png", 32, 32, 0x83E9607069333725ULL, {{{0, 0, 0xEEFF22FFu}, {16, 10, 0xEEFF22FFu}, {31, 31, 0xEEFF22FFu}}}},
    {"basn3p02.png", 32, 32, 0xE1B97808C557CB25ULL, {{{0, 0, 0x0000FFFFu}, {16, 10, 0xFFFF00FFu}, {31, 31, 0x0000FFFFu}}}},
    {"basn3p04.png", 32, 32, 0x817FFF880B5D72C5ULL, {{{0, 0, 0xFF0000FFu}, {16, 10, 0x00FF44FFu}, {31, 31, 0xFF00BBFFu}}}},
    {"basn3p08.png", 32, 32, 0x3733A8885D80DB25ULL, {{{0, 0, 0x010000FFu}, {16, 10, 0x00AA00FFu}, {31, 31, 0xFFFEFFFFu}}}},
    {"basn4a08.png", 32, 32, 0x4B4E70FC7720494DULL, {{{0, 0, 0xFFFFFF00u}, {16, 10, 0xACACAC83u}, {31, 31, 0x000000FFu}}}},
    {"basn4a16.png", 32, 32, 0x8C09F25148B55145ULL, {{{0, 0, 0x00000000u}, {16, 10, 0xE8E8E8A5u}, {31, 31, 0x00000000u}}}},
    {"basn6a08.png", 32, 32, 0xF9ED41B6375B125DULL, {{{0, 0, 0xFF000800u}, {16, 10, 0xC0FF0683u}, {31, 31, 0x0020FFFFu}}}},
    {"basn6a16.png", 32, 32, 0x1C3A480C49C2C715ULL, {{{0, 0, 0xFFFF0000u}, {16, 10, 0x74FF00A5u}, {31, 31, 0x0000FF00u}}}},
    {"ftbbn0g04.png", 32, 32, 0x39883B6D2D852264ULL, {{{0, 0, 0xFFFFFF00u}, {16, 10, 0x777777FFu}, {31, 31, 0xFFFFFF00u}}}},
    {"ftbbn2c16.png", 32, 32, 0x1E1F86E420F8AD04ULL, {{{0, 0, 0xFFFFFF00u}, {16, 10, 0x7B7B7BFFu}, {31, 31, 0xFFFFFF00u}}}},
    {"ftbbn3p08.png", 32, 32, 0x6CDFF609C65AAC37ULL, {{{0, 0, 0xFFFFFF00u}, {16, 10, 0x7B7B7BFFu}, {31, 31, 0xFFFFFF00u}}}},
    {"ftbrn2c08.png", 32, 32, 0x1E1F86E420F8AD04ULL, {{{0, 0, 0xFFFFFF00u}, {16, 10, 0x7B7B7BFFu}, {31, 31, 0xFFFFFF00u}}}},
    {"ftp1n3p08.png", 32, 32, 0x6CDFF609C65AAC37ULL, {{{0, 0, 0xFFFFFF00u}, {16, 10, 0x7B7B7BFFu}, {31, 31, 0xFFFFFF00u}}}},
    {"s01n3p01.png", 1, 1, 0x4A3D077F9B55736BULL, {{{0, 0, 0x0000FFFFu}, {0, 0, 0x0000FFFFu}, {0, 0, 0x0000FFFFu}}}},
    {"tm3n3p02.png", 32, 32, 0x020E1F8A0874C325ULL, {{{0, 0, 0x0000FF00u}, {16, 10, 0x0000FF55u}, {31, 31, 0x0000FFFFu}}}},
};

std::string SuiteFolder() { return std::string(VELK_SHARED_TESTDATA) + "/png/"; }

uint64_t Fnv1a(const Picture& picture) {
  uint64_t hash = 0xCBF29CE484222325ULL;
  for (uint32_t word : AllRgba(picture))
    for (int shift = 24; shift >= 0; shift -= 8) {
      hash ^= word >> shift & 0xFF;
      hash *= 0x100000001B3ULL;
    }
  return hash;
}

class PngSuiteValid : public ::testing::TestWithParam<SuiteCase> {};

TEST_P(PngSuiteValid, LoadsWithTheRightSizeAndPixels) {
  const SuiteCase& c = GetParam();
  if (!std::filesystem::is_directory(SuiteFolder())) GTEST_SKIP() << "PngSuite images not found in " << SuiteFolder();
  Picture picture;
  std::string reason;
  ASSERT_TRUE(ReadPngPicture(SuiteFolder() + c.file, 2047, picture, reason)) << c.file << ": " << reason;
  EXPECT_EQ(picture.width, c.width);
  EXPECT_EQ(picture.height, c.height);
  for (const auto& sample : c.samples)
    EXPECT_EQ(Rgba(picture, static_cast<int>(sample[0]), static_cast<int>(sample[1])), sample[2])
        << c.file << " at (" << sample[0] << ", " << sample[1] << ")";
  EXPECT_EQ(Fnv1a(picture), c.hash) << c.file;
}

INSTANTIATE_TEST_SUITE_P(Files, PngSuiteValid, ::testing::ValuesIn(kSuite));

// The deliberately corrupt PngSuite files, with a word of the reason libpng
// gives for each.
struct CorruptCase {
  const char* file;
  const char* reason;
};

void PrintTo(const CorruptCase& c, std::ostream* os) { *os << c.file; }

class PngSuiteCorrupt : public ::testing::TestWithParam<CorruptCase> {};

TEST_P(PngSuiteCorrupt, IsRefusedWithTheReason) {
  const CorruptCase& c = GetParam();
  if (!std::filesystem::is_directory(SuiteFolder())) GTEST_SKIP() << "PngSuite images not found in " << SuiteFolder();
  Picture picture;
  std::string reason;
  EXPECT_FALSE(ReadPngPicture(SuiteFolder() + c.file, 2047, picture, reason)) << c.file;
  EXPECT_NE(reason.find(c.reason), std::string::npos) << c.file << ": " << reason;
}

INSTANTIATE_TEST_SUITE_P(Files, PngSuiteCorrupt,
                         ::testing::Values(CorruptCase{"xs1n0g01.png", "Not a PNG file"},
                                           CorruptCase{"xs2n0g01.png", "Not a PNG file"},
                                           CorruptCase{"xs4n0g01.png", "Not a PNG file"},
                                           CorruptCase{"xs7n0g01.png", "ASCII conversion"},
                                           CorruptCase{"xcrn0g04.png", "ASCII conversion"},
                                           CorruptCase{"xlfn0g04.png", "ASCII conversion"},
                                           CorruptCase{"xhdn0g08.png", "CRC"},
                                           CorruptCase{"xc1n0g08.png", "color type"},
                                           CorruptCase{"xc9n2c08.png", "color type"},
                                           CorruptCase{"xd0n2c08.png", "bit depth"},
                                           CorruptCase{"xd3n2c08.png", "bit depth"},
                                           CorruptCase{"xd9n2c08.png", "bit depth"},
                                           CorruptCase{"xdtn0g01.png", "IEND"},
                                           CorruptCase{"xcsn0g01.png", "CRC"}));

}  // namespace
}  // namespace velk
