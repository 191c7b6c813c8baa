#include "emulation/draw_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "emulation/put_pixel.h"
#include "support/frames.h"

namespace velk {
namespace {

// 4 x 3 colour words: opaque, empty (alpha 0 with white RGB), translucent,
// alpha 1, and the byte order shows in every channel.
const std::vector<uint32_t> kPixels = {
    0xFF0000FF, 0x00FFFFFF, 0x80FF0000, 0x01FFFFFF,  //
    0xFF00FF00, 0xFFFFFFFF, 0x00000000, 0xC0808080,  //
    0x40123456, 0xFF654321, 0xFE000000, 0xFFABCDEF,
};
constexpr int kWidth = 4;
constexpr int kHeight = 3;

enum class Stamp { Plain, Columns, Rows, Recoloured };

struct StampCase {
  const char* what;
  Stamp stamp;
  int x, y;
  int first = 0, end = 0;  // columns or rows
  uint32_t colour = 0;
};

void PrintTo(const StampCase& c, std::ostream* os) { *os << c.what; }

// What the primitive must do, written pixel by pixel through PutPixel.
void Expected(FrameBuffer& frame, const StampCase& c) {
  for (int row = 0; row < kHeight; ++row)
    for (int col = 0; col < kWidth; ++col) {
      const uint32_t pixel = kPixels[static_cast<size_t>(row * kWidth + col)];
      if (pixel <= 0x00FFFFFFu) continue;
      int x = c.x + col, y = c.y + row;
      if (c.stamp == Stamp::Columns) {
        if (col < c.first || col >= c.end) continue;
        x -= c.first;
      }
      if (c.stamp == Stamp::Rows) {
        if (row < c.first || row >= c.end) continue;
        y -= c.first;
      }
      uint32_t word = pixel;
      if (c.stamp == Stamp::Recoloured) {
        const auto alpha = static_cast<uint32_t>(static_cast<float>(pixel >> 24) * kAlphaScale[c.colour >> 24]);
        word = alpha << 24 | (c.colour & 0x00FFFFFFu);
      }
      PutPixel(frame, x, y, word);
    }
}

void Draw(FrameBuffer& frame, const StampCase& c, const DeviceImage* image) {
  switch (c.stamp) {
    case Stamp::Plain: DrawImage(frame, c.x, c.y, image); break;
    case Stamp::Columns: DrawImageColumns(frame, c.x, c.y, c.first, c.end, image); break;
    case Stamp::Rows: DrawImageRows(frame, c.x, c.y, c.first, c.end, image); break;
    case Stamp::Recoloured: DrawImageRecoloured(frame, c.x, c.y, image, c.colour); break;
  }
}

class DrawImageTest : public ::testing::TestWithParam<StampCase> {};

TEST_P(DrawImageTest, StampsEveryNonEmptyPixelThroughPutPixel) {
  const StampCase& c = GetParam();
  const auto image = test::MakeImage(kWidth, kHeight, kPixels);
  auto actual = std::make_unique<FrameBuffer>();
  auto expected = std::make_unique<FrameBuffer>();
  test::FillPattern(*actual);
  test::FillPattern(*expected);
  Draw(*actual, c, image.get());
  Expected(*expected, c);
  EXPECT_TRUE(test::SameFrame(*actual, *expected)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DrawImageTest,
    ::testing::Values(StampCase{"whole image", Stamp::Plain, 10, 20},
                      StampCase{"clipped top left", Stamp::Plain, -2, -1},
                      StampCase{"clipped at 1024 and 600", Stamp::Plain, 1022, 598},
                      StampCase{"columns 1..2", Stamp::Columns, 50, 60, 1, 3},
                      StampCase{"columns before the image are not read", Stamp::Columns, 50, 60, -2, 2},
                      StampCase{"columns past the image are not read", Stamp::Columns, 50, 60, 2, 10},
                      StampCase{"no columns", Stamp::Columns, 50, 60, 3, 1},
                      StampCase{"columns clipped on the left", Stamp::Columns, -1, 0, 1, 4},
                      StampCase{"rows 1..2", Stamp::Rows, 70, 80, 1, 3},
                      StampCase{"rows before the image are not read", Stamp::Rows, 70, 80, -1, 1},
                      StampCase{"rows past the image are not read", Stamp::Rows, 70, 80, 0, 99},
                      StampCase{"rows clipped at the bottom", Stamp::Rows, 0, 599, 1, 3},
                      StampCase{"recoloured opaque", Stamp::Recoloured, 5, 5, 0, 0, 0xFF00C0FF},
                      StampCase{"recoloured half", Stamp::Recoloured, 5, 5, 0, 0, 0x80402010},
                      StampCase{"recoloured transparent draws nothing", Stamp::Recoloured, 5, 5, 0, 0, 0x00FFFFFF},
                      StampCase{"recoloured and clipped", Stamp::Recoloured, 1021, -2, 0, 0, 0xC0FFFFFF}));

// The recolour alpha trunc(pixel alpha x (colour alpha / 255 as a float)).
struct RecolourCase {
  uint32_t pixel_alpha;
  uint32_t colour_alpha;
  uint32_t alpha;
};

void PrintTo(const RecolourCase& c, std::ostream* os) { *os << "alpha " << c.pixel_alpha << " by " << c.colour_alpha; }

class RecolourAlpha : public ::testing::TestWithParam<RecolourCase> {};

TEST_P(RecolourAlpha, ScalesThePixelAlphaByTheColourAlpha) {
  const RecolourCase& c = GetParam();
  const auto image = test::MakeImage(1, 1, {c.pixel_alpha << 24 | 0x00ABCDEF});
  auto actual = std::make_unique<FrameBuffer>();
  auto expected = std::make_unique<FrameBuffer>();
  actual->Row(3)[4] = expected->Row(3)[4] = 0xFF808080;
  DrawImageRecoloured(*actual, 4, 3, image.get(), c.colour_alpha << 24 | 0x00102030);
  PutPixel(*expected, 4, 3, c.alpha << 24 | 0x00102030);
  EXPECT_EQ(actual->Pixel(4, 3), expected->Pixel(4, 3));
  if (c.alpha == 0) {
    EXPECT_EQ(actual->Pixel(4, 3), 0xFF808080u);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, RecolourAlpha,
                         ::testing::Values(RecolourCase{255, 255, 255}, RecolourCase{255, 128, 128},
                                           RecolourCase{200, 128, 100}, RecolourCase{1, 128, 0},
                                           RecolourCase{3, 200, 2}, RecolourCase{100, 77, 30}));

TEST(DrawImage, WritesTheColourWordsChannelsInFrameOrder) {
  const auto image = test::MakeImage(2, 1, {0xFF332211, 0x00FFFFFF});
  auto frame = std::make_unique<FrameBuffer>();
  DrawImage(*frame, 0, 0, image.get());
  EXPECT_EQ(frame->Pixel(0, 0), 0xFF112233u);
  EXPECT_EQ(frame->Pixel(1, 0), 0xFF000000u);  // empty pixels are never drawn
}

// Images that must draw nothing: no image, a header type other than 5, and
// a header that promises more pixels than the image holds.
TEST(DrawImage, RefusesWhatIsNoDrawableImage) {
  auto wrong_type = test::MakeImage(2, 2, {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF});
  wrong_type->words[0] = (wrong_type->words[0] & ~0xFu) | 4u;
  auto short_image = test::MakeImage(2, 2, {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF});
  short_image->size = 4;  // header and three pixels
  const std::vector<const DeviceImage*> images = {nullptr, wrong_type.get(), short_image.get()};
  for (const DeviceImage* image : images) {
    auto frame = std::make_unique<FrameBuffer>();
    DrawImage(*frame, 0, 0, image);
    DrawImageColumns(*frame, 0, 0, 0, 2, image);
    DrawImageRows(*frame, 0, 0, 0, 2, image);
    DrawImageRecoloured(*frame, 0, 0, image, 0xFFFFFFFF);
    EXPECT_TRUE(test::SameFrame(*frame, FrameBuffer()));
  }
}

}  // namespace
}  // namespace velk
