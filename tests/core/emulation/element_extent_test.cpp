#include "emulation/element_extent.h"

#include <gtest/gtest.h>

#include <string>

#include "support/draw_rig.h"

namespace velk {

void PrintTo(const ElementExtentBox& e, std::ostream* os) {
  *os << "style " << e.style << " at (" << e.dx << ", " << e.dy << ") " << e.width << " x " << e.height;
}

namespace {

struct ExtentCase {
  const char* what;
  std::string statement;
  ElementExtentBox extent;
};

void PrintTo(const ExtentCase& c, std::ostream* os) { *os << c.what; }

class ElementExtentTest : public ::testing::TestWithParam<ExtentCase> {};

// Image 1 is 7 x 3 and image 2 is 4 x 9; font 1 is the sample font of size
// 16, in which "BB" is 4 wide and each digit 8. ADC.1 holds 12.5.
TEST_P(ElementExtentTest, MeasuresTheElement) {
  test::DrawRig rig;
  rig.SetImage(1, 7, 3, 0xFFFFFFFF);
  rig.SetImage(2, 4, 9, 0xFFFFFFFF);
  rig.SetFont(1);
  rig.SetValue("ADC.1", 12.5f);
  rig.Add(GetParam().statement);
  const auto& elements = rig.project->Page(1).elements;
  EXPECT_EQ(ElementExtent(*rig.project, elements.back()), GetParam().extent);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ElementExtentTest,
    ::testing::Values(
        ExtentCase{"IMAGE", "IMAGE=X:5|Y:6|IMAGE:1", {1, 0, 0, 7, 3}},
        ExtentCase{"PICTOGRAM", "PICTOGRAM=IMAGE:2", {1, 0, 0, 4, 9}},
        ExtentCase{"IMAGE without its picture", "IMAGE=IMAGE:3", {1, 0, 0, 0, 0}},
        ExtentCase{"BAR_L takes IMAGE1", "BAR_L=IMAGE1:2|IMAGE2:1|INPUT:ADC.1", {1, 0, 0, 4, 9}},
        ExtentCase{"TEXT R", "TEXT=TEXT:\"BB\"", {1, 0, 0, 4, 16}},
        ExtentCase{"TEXT L", "TEXT=TEXT:\"BB\"|ALIGNMENT:L", {1, -4, 0, 4, 16}},
        ExtentCase{"TEXT C", "TEXT=TEXT:\"BBB\"|ALIGNMENT:C", {1, -3, 0, 6, 16}},
        ExtentCase{"TEXT without its font", "TEXT=TEXT:\"BB\"|FONT:2", {1, 0, 0, 0, 0}},
        ExtentCase{"DIGT measures its current text", "DIGT=INPUT:ADC.1|DPS:1|ALIGNMENT:C", {1, -12, 0, 24, 16}},
        ExtentCase{"DIGT that shows nothing", "DIGT=INPUT:ADC.1|DPS:9", {1, 0, 0, 0, 16}},
        ExtentCase{"RECTANGLE", "RECTANGLE=W:30|H:40", {1, 0, 0, 30, 40}},
        ExtentCase{"BAR_S H", "BAR_S=W:30|H:40|INPUT:ADC.1", {1, 0, 0, 30, 40}},
        ExtentCase{"BAR_S V", "BAR_S=W:30|H:40|TYPE:V|INPUT:ADC.1", {1, 0, 0, 30, 40}},
        ExtentCase{"BAR_S C", "BAR_S=W:30|H:40|TYPE:C|INPUT:ADC.1", {2, -15, -15, 30, 30}},
        ExtentCase{"BAR_T H", "BAR_T=W:100|IMAGE:1|INPUT:ADC.1", {1, 0, 0, 100, 3}},
        ExtentCase{"BAR_T V", "BAR_T=H:100|TYPE:V|IMAGE:1|INPUT:ADC.1", {1, 0, 0, 7, 100}},
        ExtentCase{"ARROW", "ARROW=IMAGE:1|INPUT:ADC.1", {2, -15, -15, 30, 30}},
        ExtentCase{"TICKS", "TICKS=IMAGE:1", {2, -15, -15, 30, 30}}));

TEST(ElementExtentTest, GroupEntryHasNone) {
  test::DrawRig rig;
  rig.Add("RECTANGLE=W:1|H:1|GROUP:\"G\"");
  const auto& elements = rig.project->Page(1).elements;
  ASSERT_EQ(elements.size(), 2u);
  ASSERT_EQ(elements[0].kind, kKindGroup);
  EXPECT_EQ(ElementExtent(*rig.project, elements[0]), ElementExtentBox{});
}

}  // namespace
}  // namespace velk
