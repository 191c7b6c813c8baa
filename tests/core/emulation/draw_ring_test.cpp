#include "emulation/draw_ring.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "emulation/fast_atan2.h"
#include "support/draw_rig.h"

namespace velk {
namespace {

struct AtanCase {
  float y, x;
  float expected;  // worked out operation by operation in single precision
};

void PrintTo(const AtanCase& c, std::ostream* os) { *os << "FastAtan2(" << c.y << ", " << c.x << ")"; }

class FastAtan2Test : public ::testing::TestWithParam<AtanCase> {};

TEST_P(FastAtan2Test, GivesTheDisplaysBits) { EXPECT_EQ(FastAtan2(GetParam().y, GetParam().x), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Cases, FastAtan2Test,
                         ::testing::Values(AtanCase{1, 1, 0.7853981852531433f},
                                           AtanCase{-1, -1, -2.356194496154785f},
                                           AtanCase{1, 0, 1.5707981586456299f},
                                           // Straight up is a hair below 0: the 1e-10 and the cubic.
                                           AtanCase{0, 1, -1.8477439880371094e-06f},
                                           AtanCase{0, -1, 3.141594409942627f},
                                           AtanCase{3, 4, 0.6457276344299316f}));

struct ArcCase {
  float start, end, angle;
  bool inside;
};

void PrintTo(const ArcCase& c, std::ostream* os) { *os << c.angle << " on " << c.start << ".." << c.end; }

class InsideArcTest : public ::testing::TestWithParam<ArcCase> {};

TEST_P(InsideArcTest, FollowsTheArcAcross180) {
  EXPECT_EQ(InsideArc(GetParam().start, GetParam().end, GetParam().angle), GetParam().inside);
}

INSTANTIATE_TEST_SUITE_P(Cases, InsideArcTest,
                         ::testing::Values(ArcCase{-150, 150, 0, true}, ArcCase{-150, 150, -150, false},
                                           ArcCase{-150, 150, 150, false}, ArcCase{-150, 150, 170, false},
                                           ArcCase{-90, 200, -170, true},   // past 180 the arc goes on from -180
                                           ArcCase{-90, 200, -150, false},
                                           ArcCase{-270, 90, 100, true},    // before -180 it starts below 180
                                           ArcCase{-270, 90, 80, true}, ArcCase{-270, 90, 90, false}));

// A ring of outer radius 50 and thickness 10 centred on (200, 200), drawn
// with COLOUR1 green and COLOUR2 red; pixels named by their offset from the
// centre, with their single-precision distance and angle worked out by hand:
// (-45, 0) -90.0001 deg, (45, 0) +90.0001, (0, 45) -180.0001 (the gap),
// (35, 35) 135 at distance 49.4975 (coverage 128), (-29, -28) -45.99 at
// 40.3113 (coverage 79), (-28, -28) at 39.598 (inside the hole),
// (44, 8) 99.79, (40, 20) 116.67, (20, 40) 153.33, (44, -8) 80.21,
// (-35, 35) -135 (coverage 128).
struct RingPixel {
  int dx, dy;
  uint32_t word;
};

struct RingCase {
  const char* what;
  std::string fields;  // after BAR_S=X:200|Y:200|W:10|H:50|TYPE:C|COLOUR1:2|COLOUR2:1|INPUT:ADC.1|
  float value;
  std::vector<RingPixel> pixels;
};

void PrintTo(const RingCase& c, std::ostream* os) { *os << c.what; }

constexpr uint32_t kHalfGreen = 0xFF008000;  // coverage 128 over black
constexpr uint32_t kHalfRed = 0xFF800000;
constexpr uint32_t kEdgeRed = 0xFF4F0000;  // coverage 79 over black

class RingTest : public ::testing::TestWithParam<RingCase> {};

TEST_P(RingTest, FillsTheArcUpToTheValue) {
  const RingCase& c = GetParam();
  test::DrawRig rig;
  rig.Add("BAR_S=X:200|Y:200|W:10|H:50|TYPE:C|COLOUR1:2|COLOUR2:1|INPUT:ADC.1|" + c.fields);
  rig.SetValue("ADC.1", c.value);
  rig.Draw();
  for (const RingPixel& p : c.pixels)
    EXPECT_EQ(rig.Pixel(200 + p.dx, 200 + p.dy), p.word) << "offset (" << p.dx << ", " << p.dy << ")";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RingTest,
    ::testing::Values(
        RingCase{"half way fills the left side in COLOUR2",
                 "FIRST_INPUT:0|LAST_INPUT:100",
                 50,
                 {{-45, 0, test::kRed}, {45, 0, test::kGreen}, {0, 45, test::kBlack}, {35, 35, kHalfGreen},
                  {-29, -28, kEdgeRed}, {-28, -28, test::kBlack}, {0, 0, test::kBlack}, {49, 0, test::kGreen},
                  {50, 0, test::kBlack}, {-40, 0, test::kBlack}}},
        RingCase{"at FIRST_INPUT all in COLOUR1",
                 "FIRST_INPUT:0|LAST_INPUT:100",
                 0,
                 {{-45, 0, test::kGreen}, {45, 0, test::kGreen}, {0, -45, test::kGreen}, {0, 45, test::kBlack}}},
        RingCase{"past LAST_INPUT the value is not held", "FIRST_INPUT:0|LAST_INPUT:100", 200,
                 {{-45, 0, test::kRed}, {45, 0, test::kRed}, {35, 35, kHalfRed}}},
        RingCase{"FIRST_INPUT above LAST_INPUT swaps the colours",
                 "FIRST_INPUT:100|LAST_INPUT:0",
                 50,
                 {{-45, 0, test::kGreen}, {45, 0, test::kRed}, {35, 35, kHalfRed}}},
        RingCase{"an arc past 180 goes on from -180",
                 "FIRST_INPUT:0|LAST_INPUT:100|FIRST_ANGLE:0|LAST_ANGLE:270",
                 100,
                 {{-35, 35, kHalfRed}, {45, 0, test::kRed}, {-35, -35, test::kBlack}}},
        RingCase{"the same arc part filled", "FIRST_INPUT:0|LAST_INPUT:100|FIRST_ANGLE:0|LAST_ANGLE:270", 50,
                 {{-35, 35, kHalfGreen}, {45, 0, test::kRed}, {20, 40, test::kGreen}}},
        RingCase{"a value angle before -180 fills only up to it",
                 "FIRST_INPUT:0|LAST_INPUT:100|FIRST_ANGLE:-270|LAST_ANGLE:90",
                 10,  // angle -234, i.e. 126 on the far side
                 {{44, 8, test::kRed}, {40, 20, test::kRed}, {20, 40, test::kGreen}, {44, -8, test::kGreen}}}));

TEST(RingTest, IsClippedAtTheScreenEdgesWithoutWrapping) {
  test::DrawRig rig;
  rig.Add("BAR_S=X:0|Y:0|W:10|H:50|TYPE:C|COLOUR1:2|COLOUR2:1|INPUT:ADC.1|FIRST_INPUT:0|LAST_INPUT:100|"
          "FIRST_ANGLE:-180|LAST_ANGLE:180");
  rig.Add("BAR_S=X:1023|Y:599|W:10|H:50|TYPE:C|COLOUR1:2|COLOUR2:1|INPUT:ADC.1|FIRST_INPUT:0|LAST_INPUT:100|"
          "FIRST_ANGLE:-180|LAST_ANGLE:180");
  rig.Draw();
  // The quarters that are on the screen.
  EXPECT_EQ(rig.Pixel(45, 0), test::kGreen);
  EXPECT_EQ(rig.Pixel(5, 45), test::kGreen);
  EXPECT_EQ(rig.Pixel(1023 - 45, 599), test::kGreen);
  EXPECT_EQ(rig.Pixel(1023, 599 - 45), test::kGreen);
  // What lies off the screen shows nowhere: not in the extra column, not on
  // the far side of the rows before or after.
  for (int y = 0; y < kScreenHeight; ++y) ASSERT_EQ(rig.Pixel(1024, y), test::kBlack) << "extra column, row " << y;
  for (int y = 0; y < 100; ++y)
    for (int x = 900; x < kScreenWidth; ++x) ASSERT_EQ(rig.Pixel(x, y), test::kBlack) << x << ", " << y;
  for (int y = 500; y < kScreenHeight; ++y)
    for (int x = 0; x < 100; ++x) ASSERT_EQ(rig.Pixel(x, y), test::kBlack) << x << ", " << y;
}

TEST(RingTest, HugeRadiusOnlyVisitsTheScreen) {
  // A ring that is far larger than the screen: the visible band of its
  // edge is drawn, the inside is not, and nothing outside is touched.
  test::DrawRig rig;
  rig.Add("BAR_S=X:512|Y:100000300|W:20|H:100000000|TYPE:C|COLOUR1:2|COLOUR2:1|INPUT:ADC.1|FIRST_INPUT:0|"
          "LAST_INPUT:100");
  rig.Draw();
  EXPECT_EQ(rig.Pixel(512, 310), test::kGreen);
  EXPECT_EQ(rig.Pixel(512, 250), test::kBlack);
  EXPECT_EQ(rig.Pixel(512, 350), test::kBlack);
}

}  // namespace
}  // namespace velk
