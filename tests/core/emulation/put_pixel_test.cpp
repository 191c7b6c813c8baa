#include "emulation/put_pixel.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>

#include "support/frames.h"

namespace velk {
namespace {

// Stored pixels are frame words 0xFFRRGGBB, colours are colour words
// 0xAABBGGRR. The expected channels were worked out one rounded float
// operation at a time: a = A / 255 rounded to a float, then
// trunc(c0 x (1 - a) + c x a) with every product and sum rounded.
struct BlendCase {
  const char* what;
  uint32_t stored;
  uint32_t colour;
  uint32_t expected;
};

void PrintTo(const BlendCase& c, std::ostream* os) { *os << c.what; }

class PutPixelBlend : public ::testing::TestWithParam<BlendCase> {};

TEST_P(PutPixelBlend, StoresTheSinglePrecisionBlend) {
  const BlendCase& c = GetParam();
  auto frame = std::make_unique<FrameBuffer>();
  frame->Row(5)[7] = c.stored;
  EXPECT_EQ(PutPixel(*frame, 7, 5, c.colour), 1);
  EXPECT_EQ(frame->Pixel(7, 5), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PutPixelBlend,
    ::testing::Values(
        BlendCase{"alpha 0 changes nothing", 0xFF123456, 0x00FFFFFF, 0xFF123456},
        BlendCase{"alpha 255 stores the colour's bytes exactly", 0xFF123456, 0xFF332211, 0xFF112233},
        BlendCase{"alpha 128 red over black gives red 128", 0xFF000000, 0x800000FF, 0xFF800000},
        BlendCase{"alpha 128 black over white truncates to 126", 0xFFFFFFFF, 0x80000000, 0xFF7E7E7E},
        BlendCase{"alpha 77 white over white loses one level", 0xFFFFFFFF, 0x4DFFFFFF, 0xFFFEFEFE},
        BlendCase{"alpha 254 black over white truncates to 0", 0xFFFFFFFF, 0xFE000000, 0xFF000000},
        BlendCase{"alpha 1 red over black reaches 1", 0xFF000000, 0x010000FF, 0xFF010000},
        BlendCase{"alpha 49: a is 49/255 rounded, so 3 over 3 stays 3", 0xFF030303, 0x31030303, 0xFF030303},
        BlendCase{"alpha 65: 3 over 3 truncates to 2", 0xFF030303, 0x41030303, 0xFF020202},
        BlendCase{"each channel blends on its own", 0xFFC8110A, 0x4DFAF064, 0xFFA95452}));

struct ClipCase {
  int x;
  int y;
  int written;
};

void PrintTo(const ClipCase& c, std::ostream* os) { *os << "(" << c.x << ", " << c.y << ")"; }

class PutPixelClip : public ::testing::TestWithParam<ClipCase> {};

TEST_P(PutPixelClip, WritesOnlyInsideTheScreen) {
  const ClipCase& c = GetParam();
  auto frame = std::make_unique<FrameBuffer>();
  auto untouched = std::make_unique<FrameBuffer>();
  EXPECT_EQ(PutPixel(*frame, c.x, c.y, 0xFFFFFFFF), c.written);
  if (c.written) {
    EXPECT_EQ(frame->Pixel(c.x, c.y), 0xFFFFFFFFu);
    frame->Row(c.y)[c.x] = 0xFF000000u;
  }
  EXPECT_TRUE(test::SameFrame(*frame, *untouched));
}

INSTANTIATE_TEST_SUITE_P(Cases, PutPixelClip,
                         ::testing::Values(ClipCase{0, 0, 1}, ClipCase{1023, 599, 1}, ClipCase{-1, 0, 0},
                                           ClipCase{0, -1, 0}, ClipCase{1024, 0, 0},  // the extra column stays
                                           ClipCase{0, 600, 0}, ClipCase{INT_MIN, 10, 0},
                                           ClipCase{10, INT_MAX, 0}));

TEST(ClearFrame, CopiesTheBlackBackgroundOverEverything) {
  auto frame = std::make_unique<FrameBuffer>();
  test::FillPattern(*frame);
  ClearFrame(*frame);
  EXPECT_TRUE(test::SameFrame(*frame, FrameBuffer()));
  EXPECT_EQ(frame->Pixel(1024, 599), 0xFF000000u);
}

}  // namespace
}  // namespace velk
