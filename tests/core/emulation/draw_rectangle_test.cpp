#include "emulation/draw_rectangle.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/draw_rig.h"

namespace velk {
namespace {

using test::kBlack;
using test::kRed;

// Palette entries 1 red and 3 blue (opaque), 5 transparent, as a fresh model
// holds them, and 7 = half-transparent green.
struct RectangleCase {
  const char* what;
  std::string statement;
  std::vector<test::PixelCheck> pixels;
};

void PrintTo(const RectangleCase& c, std::ostream* os) { *os << c.what; }

class RectangleTest : public ::testing::TestWithParam<RectangleCase> {};

TEST_P(RectangleTest, DrawsItsStyle) {
  test::DrawRig rig;
  rig.SetColour(7, 0x8000FF00);
  rig.Add(GetParam().statement);
  rig.Draw();
  test::ExpectPixels(rig, GetParam().pixels);
}

// The shades were worked out operation by operation in single precision.
// Of three rows, the middle one's alpha is trunc(255 x 0.6666666 + 255 x
// 0.33333334) = 254, so even two opaque colours blend there.
INSTANTIATE_TEST_SUITE_P(
    Cases, RectangleTest,
    ::testing::Values(
        RectangleCase{"solid, its edges",
                      "RECTANGLE=X:10|Y:20|W:5|H:3|COLOUR1:1",
                      {{10, 20, kRed}, {14, 22, kRed}, {9, 20, kBlack}, {15, 20, kBlack}, {10, 19, kBlack},
                       {10, 23, kBlack}}},
        RectangleCase{"solid, clipped at the right and bottom edges",
                      "RECTANGLE=X:1020|Y:595|W:10|H:10|COLOUR1:1",
                      {{1023, 599, kRed}, {1024, 599, kBlack}, {1024, 595, kBlack}, {0, 596, kBlack}}},
        RectangleCase{"solid, negative size", "RECTANGLE=X:10|Y:10|W:-5|H:3|COLOUR1:1", {{5, 10, kBlack}, {10, 10, kBlack}}},
        RectangleCase{"vertical shade of three rows",
                      "RECTANGLE=X:10|Y:20|W:2|H:3|COLOUR1:1|COLOUR2:3|STYLE:V_SHADE",
                      {{10, 20, kRed}, {11, 20, kRed}, {10, 21, 0xFFA80054}, {11, 22, 0xFF5400AA}, {10, 23, kBlack}}},
        RectangleCase{"vertical shade of four rows",
                      "RECTANGLE=X:10|Y:20|W:1|H:4|COLOUR1:1|COLOUR2:3|STYLE:V_SHADE",
                      {{10, 20, kRed}, {10, 21, 0xFFBF003F}, {10, 22, 0xFF7F007F}, {10, 23, 0xFF3F00BF}}},
        RectangleCase{"horizontal shade of four columns",
                      "RECTANGLE=X:10|Y:20|W:4|H:2|COLOUR1:1|COLOUR2:3|STYLE:H_SHADE",
                      {{10, 21, kRed}, {11, 20, 0xFFBF003F}, {12, 21, 0xFF7F007F}, {13, 20, 0xFF3F00BF},
                       {14, 20, kBlack}, {10, 22, kBlack}}},
        RectangleCase{"alpha is shaded too",
                      "RECTANGLE=X:10|Y:20|W:1|H:4|COLOUR1:7|COLOUR2:5|STYLE:V_SHADE",
                      {{10, 20, 0xFF008000}, {10, 21, 0xFF004700}, {10, 22, 0xFF001F00}, {10, 23, 0xFF000700}}},
        RectangleCase{"a vertical shade cut by the top keeps its steps",
                      "RECTANGLE=X:10|Y:-1|W:1|H:4|COLOUR1:1|COLOUR2:3|STYLE:V_SHADE",
                      {{10, 0, 0xFFBF003F}, {10, 2, 0xFF3F00BF}, {10, 3, kBlack}}},
        RectangleCase{"a horizontal shade cut by both sides keeps its steps",
                      "RECTANGLE=X:-2|Y:0|W:1030|H:1|COLOUR1:1|COLOUR2:3|STYLE:H_SHADE",
                      {{0, 0, 0xFFFE0000}, {1023, 0, 0xFF0100FD}, {1024, 0, kBlack}}},
        RectangleCase{"a horizontal shade cut by the right edge",
                      "RECTANGLE=X:1022|Y:0|W:4|H:1|COLOUR1:1|COLOUR2:3|STYLE:H_SHADE",
                      {{1022, 0, kRed}, {1023, 0, 0xFFBF003F}, {1024, 0, kBlack}}}));

}  // namespace
}  // namespace velk
