#include "assets/make_preview.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace velk {
namespace {

Picture Blank(int width, int height) {
  Picture picture;
  picture.width = width;
  picture.height = height;
  picture.rgb.assign(static_cast<size_t>(width) * static_cast<size_t>(height) * 3, 0);
  picture.alpha.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 255);
  return picture;
}

// Pixels as 0xRRGGBBAA, row by row.
Picture FromRgba(int width, int height, const std::vector<uint32_t>& pixels) {
  Picture picture = Blank(width, height);
  for (size_t i = 0; i < pixels.size(); ++i) {
    picture.rgb[i * 3] = static_cast<uint8_t>(pixels[i] >> 24);
    picture.rgb[i * 3 + 1] = static_cast<uint8_t>(pixels[i] >> 16);
    picture.rgb[i * 3 + 2] = static_cast<uint8_t>(pixels[i] >> 8);
    picture.alpha[i] = static_cast<uint8_t>(pixels[i]);
  }
  return picture;
}

uint32_t Rgba(const Picture& picture, int x, int y) {
  const size_t at = static_cast<size_t>(y) * static_cast<size_t>(picture.width) + static_cast<size_t>(x);
  return uint32_t{picture.rgb[at * 3]} << 24 | uint32_t{picture.rgb[at * 3 + 1]} << 16 |
         uint32_t{picture.rgb[at * 3 + 2]} << 8 | picture.alpha[at];
}

struct SizeCase {
  int width, height;
  int preview_width, preview_height;
};

void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.width << " x " << c.height; }

class PreviewSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(PreviewSize, FitsIn145KeepingTheAspectAndNeverEnlarging) {
  const SizeCase& c = GetParam();
  Picture preview;
  MakePreview(Blank(c.width, c.height), preview);
  EXPECT_EQ(preview.width, c.preview_width) << c.width << " x " << c.height;
  EXPECT_EQ(preview.height, c.preview_height) << c.width << " x " << c.height;
  EXPECT_EQ(preview.rgb.size(), static_cast<size_t>(c.preview_width * c.preview_height * 3));
  EXPECT_EQ(preview.alpha.size(), static_cast<size_t>(c.preview_width * c.preview_height));
}

// Sizes are trunc(f x side) with f = min(145 / W, 145 / H) (1 for a side
// below 145), in single precision.
INSTANTIATE_TEST_SUITE_P(Cases, PreviewSize,
                         ::testing::Values(SizeCase{300, 100, 145, 48}, SizeCase{100, 50, 100, 50},
                                           SizeCase{145, 145, 145, 145}, SizeCase{146, 10, 145, 9},
                                           SizeCase{10, 1000, 1, 145}, SizeCase{144, 300, 69, 145},
                                           SizeCase{1000, 999, 145, 144}, SizeCase{2047, 2047, 145, 145},
                                           SizeCase{433, 7, 145, 2}, SizeCase{2047, 1, 145, 0},
                                           SizeCase{1, 1, 1, 1}, SizeCase{0, 0, 0, 0}));

// A picture below 145 keeps its size but is still resampled over
// (i / w) x (W - 1): a 3-pixel row samples at 0, 2/3 and 4/3.
TEST(MakePreview, ResamplesEveryChannelBilinearlyWithTruncation) {
  const Picture picture = FromRgba(3, 2, {0x000AFFFF, 0x64140000, 0xC81E8033, 0xFF280107, 0x32323232, 0x073C63C8});
  Picture preview;
  MakePreview(picture, preview);
  ASSERT_EQ(preview.width, 3);
  ASSERT_EQ(preview.height, 2);
  const uint32_t expected[2][3] = {{0x000AFFFF, 0x42105555, 0x85172A11}, {0x7F198083, 0x5C1F3B3C, 0x5426363A}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(Rgba(preview, x, y), expected[y][x]) << "(" << x << ", " << y << ")";
}

TEST(MakePreview, ShrinksAWidePicture) {
  std::vector<uint32_t> pixels;
  for (uint32_t y = 0; y < 3; ++y)
    for (uint32_t x = 0; x < 290; ++x)
      pixels.push_back((x % 256) << 24 | (y * 100) << 16 | ((x * 3) % 256) << 8 | (255 - x % 256));
  Picture preview;
  MakePreview(FromRgba(290, 3, pixels), preview);
  ASSERT_EQ(preview.width, 145);
  ASSERT_EQ(preview.height, 1);
  EXPECT_EQ(Rgba(preview, 0, 0), 0x000000FFu);
  EXPECT_EQ(Rgba(preview, 1, 0), 0x010005FDu);
  EXPECT_EQ(Rgba(preview, 77, 0), 0x9900CC65u);
  EXPECT_EQ(Rgba(preview, 144, 0), 0x1F005DDFu);
}

TEST(MakePreview, OnePixelPictureKeepsItsPixel) {
  Picture preview;
  MakePreview(FromRgba(1, 1, {0x12345678}), preview);
  ASSERT_EQ(preview.width, 1);
  EXPECT_EQ(Rgba(preview, 0, 0), 0x12345678u);
}

}  // namespace
}  // namespace velk
