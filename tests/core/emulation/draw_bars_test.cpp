#include "emulation/draw_bars.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/draw_rig.h"

namespace velk {
namespace {

using test::kBlack;
using test::kBlue;
using test::kRed;
using test::kWhite;

constexpr uint32_t kGrey = 0xFF5F5F5F;   // palette entry 4
constexpr uint32_t kEmpty = 0xFF404040;  // BAR_L's empty picture

// Images: 1 the empty bar (10 x 4, dark grey), 2 the full bar (10 x 4,
// white), 3 a thumb (5 x 3, white).
struct BarCase {
  const char* what;
  std::string statement;
  float value;  // of ADC.1
  std::vector<test::PixelCheck> pixels;
};

void PrintTo(const BarCase& c, std::ostream* os) { *os << c.what; }

class BarTest : public ::testing::TestWithParam<BarCase> {};

TEST_P(BarTest, ShowsTheValue) {
  test::DrawRig rig;
  rig.SetImage(1, 10, 4, kEmpty);
  rig.SetImage(2, 10, 4, 0xFFFFFFFF);
  rig.SetImage(3, 5, 3, 0xFFFFFFFF);
  rig.Add(GetParam().statement);
  rig.SetValue("ADC.1", GetParam().value);
  rig.Draw();
  test::ExpectPixels(rig, GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(
    BarL, BarTest,
    ::testing::Values(
        BarCase{"H fills from the left", "BAR_L=X:100|Y:50|IMAGE1:1|IMAGE2:2|INPUT:ADC.1|LAST_INPUT:100", 30,
                {{100, 50, kWhite}, {102, 53, kWhite}, {103, 50, kEmpty}, {109, 53, kEmpty}, {110, 50, kBlack},
                 {99, 50, kBlack}}},
        BarCase{"V fills from the bottom", "BAR_L=X:100|Y:50|TYPE:V|IMAGE1:1|IMAGE2:2|INPUT:ADC.1|LAST_INPUT:100",
                50, {{100, 50, kEmpty}, {109, 51, kEmpty}, {100, 52, kWhite}, {109, 53, kWhite}, {100, 54, kBlack}}},
        BarCase{"held at LAST_INPUT", "BAR_L=X:100|Y:50|IMAGE1:1|IMAGE2:2|INPUT:ADC.1|LAST_INPUT:100", 150,
                {{100, 50, kWhite}, {109, 53, kWhite}, {110, 50, kBlack}}},
        BarCase{"held at FIRST_INPUT", "BAR_L=X:100|Y:50|IMAGE1:1|IMAGE2:2|INPUT:ADC.1|LAST_INPUT:100", -5,
                {{100, 50, kEmpty}, {109, 53, kEmpty}}},
        BarCase{"FIRST_INPUT above LAST_INPUT fills as the value falls",
                "BAR_L=X:100|Y:50|IMAGE1:1|IMAGE2:2|INPUT:ADC.1|FIRST_INPUT:100", 30,
                {{106, 50, kWhite}, {107, 50, kEmpty}}},
        BarCase{"clipped on the left", "BAR_L=X:-5|Y:0|IMAGE1:1|IMAGE2:2|INPUT:ADC.1|LAST_INPUT:100", 70,
                {{0, 0, kWhite}, {1, 0, kWhite}, {2, 0, kEmpty}, {4, 3, kEmpty}, {5, 0, kBlack}, {1024, 0, kBlack}}}));

INSTANTIATE_TEST_SUITE_P(
    BarS, BarTest,
    ::testing::Values(
        BarCase{"H: COLOUR1 up to the value, COLOUR2 beyond",
                "BAR_S=X:100|Y:50|W:200|H:10|COLOUR1:1|COLOUR2:4|INPUT:ADC.1|LAST_INPUT:100", 25,
                {{100, 50, kRed}, {149, 59, kRed}, {150, 50, kGrey}, {299, 59, kGrey}, {300, 50, kBlack},
                 {100, 60, kBlack}}},
        BarCase{"V fills from the bottom",
                "BAR_S=X:100|Y:50|W:20|H:100|TYPE:V|COLOUR1:1|COLOUR2:4|INPUT:ADC.1|LAST_INPUT:100", 25,
                {{100, 50, kGrey}, {119, 124, kGrey}, {100, 125, kRed}, {119, 149, kRed}, {100, 150, kBlack}}},
        BarCase{"held at LAST_INPUT", "BAR_S=X:100|Y:50|W:200|H:10|COLOUR1:1|COLOUR2:4|INPUT:ADC.1|LAST_INPUT:100",
                1000, {{100, 50, kRed}, {299, 59, kRed}, {300, 50, kBlack}}},
        BarCase{"FIRST_INPUT above LAST_INPUT",
                "BAR_S=X:100|Y:50|W:200|H:10|COLOUR1:1|COLOUR2:4|INPUT:ADC.1|FIRST_INPUT:100", 25,
                {{249, 50, kRed}, {250, 50, kGrey}}},
        BarCase{"clipped at the right edge",
                "BAR_S=X:1000|Y:50|W:200|H:10|COLOUR1:1|COLOUR2:4|INPUT:ADC.1|LAST_INPUT:100", 25,
                {{1023, 50, kRed}, {1024, 50, kBlack}, {0, 51, kBlack}}}));

INSTANTIATE_TEST_SUITE_P(
    BarT, BarTest,
    ::testing::Values(
        BarCase{"H: the thumb's centre moves right from X",
                "BAR_T=X:100|Y:50|W:200|IMAGE:3|INPUT:ADC.1|LAST_INPUT:100", 25,
                {{147, 50, kBlack}, {148, 50, kWhite}, {152, 52, kWhite}, {153, 50, kBlack}, {148, 53, kBlack}}},
        BarCase{"H below FIRST_INPUT stays at X", "BAR_T=X:100|Y:50|W:200|IMAGE:3|INPUT:ADC.1|LAST_INPUT:100", -50,
                {{98, 50, kWhite}, {97, 50, kBlack}, {102, 50, kWhite}, {103, 50, kBlack}}},
        BarCase{"V: the thumb's centre moves up from Y + L",
                "BAR_T=X:100|Y:50|H:200|TYPE:V|IMAGE:3|INPUT:ADC.1|LAST_INPUT:100", 25,
                {{100, 198, kBlack}, {100, 199, kWhite}, {104, 201, kWhite}, {100, 202, kBlack}}},
        BarCase{"V recoloured moves the same way",
                "BAR_T=X:100|Y:50|H:200|TYPE:V|IMAGE:3|COLOUR:3|INPUT:ADC.1|LAST_INPUT:100", 25,
                {{100, 198, kBlack}, {100, 199, kBlue}, {104, 201, kBlue}, {100, 202, kBlack}}},
        BarCase{"FIRST_INPUT above LAST_INPUT rests at the far end",
                "BAR_T=X:100|Y:50|W:200|IMAGE:3|INPUT:ADC.1|FIRST_INPUT:100", 25,
                {{298, 50, kWhite}, {302, 50, kWhite}, {297, 50, kBlack}}}));

}  // namespace
}  // namespace velk
