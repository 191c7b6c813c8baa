#include "emulation/draw_ticks.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "emulation/rotate_image.h"
#include "support/draw_rig.h"

namespace velk {
namespace {

using test::kBlack;
using test::kBlue;
using test::kWhite;

// The mark is 3 x 2 and white: floor(w / 2) = 1, floor(h / 2) = 1.
struct TicksCase {
  const char* what;
  std::string statement;
  std::vector<test::PixelCheck> pixels;
};

void PrintTo(const TicksCase& c, std::ostream* os) { *os << c.what; }

class TicksTest : public ::testing::TestWithParam<TicksCase> {};

TEST_P(TicksTest, PlacesEveryMark) {
  test::DrawRig rig;
  rig.SetImage(1, 3, 2, 0xFFFFFFFF);
  rig.Add(GetParam().statement);
  rig.Draw();
  test::ExpectPixels(rig, GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TicksTest,
    ::testing::Values(
        TicksCase{"H: X is the first mark's centre", "TICKS=X:10|Y:20|TYPE:H|LAST_VALUE:20",
                  {{8, 20, kBlack}, {9, 20, kWhite}, {11, 21, kWhite}, {12, 20, kBlack}, {19, 20, kWhite},
                   {29, 20, kWhite}, {31, 21, kWhite}, {32, 20, kBlack}, {9, 22, kBlack}, {9, 19, kBlack}}},
        TicksCase{"H: positions are cut, not rounded", "TICKS=X:10|Y:20|TYPE:H|LAST_VALUE:10|DIVIDER:3",
                  // marks at 9, 12.33, 15.67 and 19: 9..11, 12..14, 15..17, 19..21
                  {{12, 20, kWhite}, {15, 20, kWhite}, {18, 20, kBlack}, {19, 20, kWhite}, {22, 20, kBlack}}},
        TicksCase{"H: falling values run left", "TICKS=X:30|Y:20|TYPE:H|FIRST_VALUE:20|LAST_VALUE:0",
                  {{29, 20, kWhite}, {19, 20, kWhite}, {9, 20, kWhite}, {8, 20, kBlack}, {32, 20, kBlack}}},
        TicksCase{"H: a mark partly left of the screen keeps its inside part",
                  "TICKS=X:0|Y:20|TYPE:H|LAST_VALUE:20",
                  {{0, 20, kWhite}, {1, 21, kWhite}, {2, 20, kBlack}, {1024, 19, kBlack}, {1023, 19, kBlack},
                   {9, 20, kWhite}}},
        TicksCase{"V: Y is the first mark's centre", "TICKS=X:10|Y:20|TYPE:V|LAST_VALUE:9|DIVIDER:3",
                  {{10, 18, kBlack}, {10, 19, kWhite}, {12, 20, kWhite}, {10, 21, kBlack}, {10, 22, kWhite},
                   {10, 25, kWhite}, {10, 28, kWhite}, {10, 29, kWhite}, {10, 30, kBlack}, {13, 19, kBlack}}},
        TicksCase{"recoloured", "TICKS=X:10|Y:20|TYPE:H|LAST_VALUE:20|RECOLOUR:1|COLOUR:3",
                  {{9, 20, kBlue}, {31, 21, kBlue}}},
        TicksCase{"a colour outside the palette does not matter when not recoloured",
                  "TICKS=X:10|Y:20|TYPE:H|LAST_VALUE:20|COLOUR:0", {{9, 20, kWhite}}},
        TicksCase{"recoloured without the colour draws nothing",
                  "TICKS=X:10|Y:20|TYPE:H|LAST_VALUE:20|RECOLOUR:1|COLOUR:101", {{9, 20, kBlack}, {19, 20, kBlack}}},
        TicksCase{"DIVIDER 0 draws nothing", "TICKS=X:10|Y:20|TYPE:H|LAST_VALUE:20|DIVIDER:0", {{9, 20, kBlack}}}));

TEST(TicksTest, OnlyTheLowEightBitsOfDividerCount) {
  test::DrawRig rig;
  rig.SetImage(1, 3, 2, 0xFFFFFFFF);
  rig.Add("TICKS=X:10|Y:20|TYPE:H|LAST_VALUE:20");
  std::get<TicksParams>(rig.project->Page(1).elements[0].params).divider = 0x102;  // as an editor may leave it
  rig.Draw();
  test::ExpectPixels(rig, {{9, 20, kWhite}, {19, 20, kWhite}, {29, 20, kWhite}, {14, 20, kBlack}});
}

TEST(TicksTest, CircleTurnsEachMarkAboutItsPivot) {
  test::DrawRig rig;
  rig.SetImage(1, 3, 2, 0xFFFFFFFF);
  rig.Add("TICKS=X:300|Y:200|YC:30|FIRST_VALUE:-90|LAST_VALUE:90|RECOLOUR:1|COLOUR:3");
  rig.Draw();
  // The marks at -90, 0 and 90 degrees, pivot (1, 30) of the mark on (300, 200).
  auto expected = std::make_unique<FrameBuffer>();
  const RotationSource mark = RotationSourceOf(rig.project->images.slots[0].get());
  for (float angle : {-90.0f, 0.0f, 90.0f})
    RotateImageRecoloured(*expected, mark, 1, 30, 300, 200, angle, 1024, 600, 0xFFFF0000);
  EXPECT_TRUE(test::SameFrame(*rig.frame, *expected));
  // The mark at 0 degrees stands 30 pixels above (300, 200), unturned.
  EXPECT_EQ(rig.Pixel(299, 170), kBlue);
  EXPECT_EQ(rig.Pixel(301, 171), kBlue);
  EXPECT_EQ(rig.Pixel(300, 172), kBlack);
}

}  // namespace
}  // namespace velk
