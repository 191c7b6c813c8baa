#include "emulation/fill_rect.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>

#include "emulation/put_pixel.h"
#include "support/frames.h"

namespace velk {
namespace {

struct FillCase {
  const char* what;
  int x, y, width, height;
  uint32_t colour;
};

void PrintTo(const FillCase& c, std::ostream* os) { *os << c.what; }

class FillRectTest : public ::testing::TestWithParam<FillCase> {};

// FillRect is PutPixel over every pixel of the rectangle; it takes the
// shortcuts (one clip, row runs, per-byte tables) and must not change a pixel.
TEST_P(FillRectTest, EqualsPutPixelOverTheRectangle) {
  const FillCase& c = GetParam();
  auto actual = std::make_unique<FrameBuffer>();
  auto expected = std::make_unique<FrameBuffer>();
  test::FillPattern(*actual);
  test::FillPattern(*expected);
  FillRect(*actual, c.x, c.y, c.width, c.height, c.colour);
  for (int64_t y = c.y; y < int64_t{c.y} + c.height; ++y)
    for (int64_t x = c.x; x < int64_t{c.x} + c.width; ++x)
      if (x >= -1 && x <= 1025 && y >= -1 && y <= 601)  // PutPixel drops the rest anyway
        PutPixel(*expected, static_cast<int>(x), static_cast<int>(y), c.colour);
  EXPECT_TRUE(test::SameFrame(*actual, *expected)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FillRectTest,
    ::testing::Values(FillCase{"opaque inside", 10, 20, 30, 5, 0xFF102030},
                      FillCase{"translucent over the pattern", 3, 4, 40, 30, 0x80FF8040},
                      FillCase{"low alpha", 100, 100, 17, 9, 0x07FFFFFF},
                      FillCase{"alpha 0 leaves everything", 0, 0, 50, 50, 0x00FFFFFF},
                      FillCase{"clipped at the top left", -2, -3, 5, 5, 0xC0123456},
                      FillCase{"clipped at 1024 and 600, the extra column untouched", 1020, 597, 10, 10,
                               0xFF00FF00},
                      FillCase{"empty width", 5, 5, 0, 10, 0xFFFFFFFF},
                      FillCase{"negative height", 5, 5, 10, -3, 0xFFFFFFFF},
                      FillCase{"entirely off the screen", 1024, 0, 10, 10, 0xFFFFFFFF}));

TEST(FillRect, HugeRectangleCoversTheScreenWithoutOverflow) {
  auto frame = std::make_unique<FrameBuffer>();
  FillRect(*frame, INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0xFFFFFFFF);  // ends at -1: nothing
  EXPECT_TRUE(test::SameFrame(*frame, FrameBuffer()));
  FillRect(*frame, -5, -5, INT_MAX, INT_MAX, 0xFFFFFFFF);
  EXPECT_EQ(frame->Pixel(0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(frame->Pixel(1023, 599), 0xFFFFFFFFu);
  EXPECT_EQ(frame->Pixel(1024, 599), 0xFF000000u);
}

}  // namespace
}  // namespace velk
