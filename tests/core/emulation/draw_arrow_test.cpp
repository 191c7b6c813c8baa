#include "emulation/draw_arrow.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>

#include "emulation/rotate_image.h"
#include "support/draw_rig.h"

namespace velk {
namespace {

struct AngleCase {
  const char* what;
  float first_angle, last_angle, first_input, last_input, value;
  float angle;
};

void PrintTo(const AngleCase& c, std::ostream* os) { *os << c.what; }

class ArrowAngleTest : public ::testing::TestWithParam<AngleCase> {};

TEST_P(ArrowAngleTest, FollowsTheValueInsideTheRange) {
  const AngleCase& c = GetParam();
  ArrowParams params;
  params.first_angle = c.first_angle;
  params.last_angle = c.last_angle;
  params.first_input = c.first_input;
  params.last_input = c.last_input;
  EXPECT_EQ(ArrowAngle(params, c.value), c.angle);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ArrowAngleTest,
    ::testing::Values(AngleCase{"below FIRST_INPUT rests at FIRST_ANGLE", -90, 90, 0, 100, -10, -90},
                      AngleCase{"above LAST_INPUT rests at LAST_ANGLE", -90, 90, 0, 100, 200, 90},
                      AngleCase{"a quarter", -90, 90, 0, 100, 25, -45}, AngleCase{"half way", -90, 90, 0, 100, 50, 0},
                      AngleCase{"a narrow range", 10, 20, 0, 4, 1, 12.5f},
                      AngleCase{"FIRST_INPUT above LAST_INPUT: LAST_ANGLE below", 0, 90, 100, 0, 50, 90},
                      AngleCase{"FIRST_INPUT above LAST_INPUT: LAST_ANGLE above", 0, 90, 100, 0, 150, 90},
                      AngleCase{"not a number counts as FIRST_INPUT", -90, 90, 0, 100,
                                std::numeric_limits<float>::quiet_NaN(), -90}));

// A needle 1 pixel wide and 5 high, white, turned about its bottom pixel.
class ArrowTest : public ::testing::Test {
 protected:
  void SetUp() override { rig.SetImage(1, 1, 5, 0xFFFFFFFF); }

  void DrawAt(float value, const std::string& range = "FIRST_ANGLE:-90|LAST_ANGLE:90") {
    rig.Add("ARROW=X:100|Y:200|XC:0|YC:4|INPUT:ADC.1|LAST_INPUT:100|" + range);
    rig.SetValue("ADC.1", value);
    rig.Draw();
  }

  // The needle drawn straight by the rotation at `angle`, pivot on (100, 200).
  std::unique_ptr<FrameBuffer> Turned(float angle) {
    auto frame = std::make_unique<FrameBuffer>();
    RotateImage(*frame, RotationSourceOf(rig.project->images.slots[0].get()), 0, 4, 100, 200, angle, 1024, 600);
    return frame;
  }

  test::DrawRig rig;
};

TEST_F(ArrowTest, PivotLandsOnXY) {
  DrawAt(50);  // 0 degrees: the needle points up from (100, 200)
  for (int y = 196; y <= 200; ++y) EXPECT_EQ(rig.Pixel(100, y), test::kWhite) << y;
  EXPECT_EQ(rig.Pixel(100, 195), test::kBlack);
  EXPECT_EQ(rig.Pixel(100, 201), test::kBlack);
  EXPECT_EQ(rig.Pixel(101, 200), test::kBlack);
}

TEST_F(ArrowTest, TurnsClockwiseByTheValuesAngle) {
  DrawAt(200);  // held at LAST_INPUT: 90 degrees, pointing right
  EXPECT_TRUE(test::SameFrame(*rig.frame, *Turned(90)));
  EXPECT_NE(rig.Pixel(103, 200), test::kBlack);
  EXPECT_EQ(rig.Pixel(100, 197), test::kBlack);
}

TEST_F(ArrowTest, AnglesBeyondOneTurnDrawTheSameNeedle) {
  DrawAt(100, "FIRST_ANGLE:0|LAST_ANGLE:450");
  EXPECT_TRUE(test::SameFrame(*rig.frame, *Turned(90)));
}

TEST_F(ArrowTest, EmptyInputRangeDrawsNothing) {
  rig.Add("ARROW=X:100|Y:200|XC:0|YC:4|INPUT:ADC.1|FIRST_INPUT:5|LAST_INPUT:5|LAST_ANGLE:90");
  rig.SetValue("ADC.1", 5);
  rig.Draw();
  EXPECT_TRUE(test::SameFrame(*rig.frame, FrameBuffer()));
}

}  // namespace
}  // namespace velk
