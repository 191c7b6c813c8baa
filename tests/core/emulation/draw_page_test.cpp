#include "emulation/draw_page.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/draw_rig.h"

namespace velk {
namespace {

using test::kBlack;
using test::kBlue;
using test::kRed;

float PageInput(const Project& project) { return *project.Analogue(ResolveAnalogue(project, "PAGE")); }

TEST(DrawPageTest, TheFirstElementOfTheListEndsUpOnTop) {
  test::DrawRig rig;
  rig.Add("RECTANGLE=X:10|Y:10|W:20|H:20|COLOUR1:1");
  rig.Add("RECTANGLE=X:20|Y:20|W:20|H:20|COLOUR1:3");
  rig.Draw();
  test::ExpectPixels(rig, {{15, 15, kRed}, {25, 25, kRed}, {29, 29, kRed}, {30, 30, kBlue}, {39, 39, kBlue}});
}

TEST(DrawPageTest, SkipsAnElementWhileItsEnableIsOff) {
  test::DrawRig rig;
  rig.Add("RECTANGLE=X:10|Y:10|W:20|H:20|COLOUR1:1|ENABLE:DI.1");
  rig.Add("RECTANGLE=X:10|Y:10|W:20|H:20|COLOUR1:3");
  rig.Draw();
  EXPECT_EQ(rig.Pixel(15, 15), kBlue);
  rig.SetFlag("DI.1", 1);
  rig.Draw();
  EXPECT_EQ(rig.Pixel(15, 15), kRed);
}

TEST(DrawPageTest, DrawsOnlyThePageShownAndSetsThePageInput) {
  test::DrawRig rig;
  rig.Add("RECTANGLE=PAGE:2|X:10|Y:10|W:5|H:5|COLOUR1:1");
  rig.Add("RECTANGLE=PAGE:3|X:20|Y:10|W:5|H:5|COLOUR1:3");
  rig.Draw(3);
  EXPECT_EQ(PageInput(*rig.project), 3.0f);
  EXPECT_EQ(rig.Pixel(10, 10), kBlack);
  EXPECT_EQ(rig.Pixel(20, 10), kBlue);
}

TEST(DrawPageTest, PageInputIsSetBeforeTheElementsAreDrawn) {
  test::DrawRig rig;
  rig.SetFont(1);
  rig.Add("DIGT=PAGE:4|X:100|Y:50|INPUT:PAGE");  // "4": one digit cell of 8, the glyph 4 wide from 102
  rig.Draw(4);
  test::ExpectPixels(rig, {{101, 50, kBlack}, {102, 50, kRed}, {105, 51, kRed}, {106, 50, kBlack}});
}

TEST(DrawPageTest, APageOutsideOneToTenHasNoElements) {
  test::DrawRig rig;
  rig.Add("RECTANGLE=W:5|H:5|COLOUR1:1");
  for (int page : {0, 11, -1}) {
    rig.Draw(page);
    EXPECT_EQ(PageInput(*rig.project), static_cast<float>(page));
    EXPECT_EQ(rig.Pixel(0, 0), kBlack) << page;
  }
}

TEST(DrawPageTest, GroupEntriesDrawNothingAndTheirMembersAreDrawn) {
  test::DrawRig rig;
  rig.Add("RECTANGLE=X:10|Y:10|W:5|H:5|COLOUR1:1|GROUP:\"G\"");
  ASSERT_EQ(rig.project->Page(1).elements.front().kind, kKindGroup);
  rig.Draw();
  EXPECT_EQ(rig.Pixel(10, 10), kRed);
}

TEST(DrawPageTest, EveryPaletteEntryMayBeUsedDeclaredOrNot) {
  test::DrawRig rig;
  rig.SetColour(100, 0xFF00FF00);
  rig.Add("RECTANGLE=X:10|Y:10|W:5|H:5|COLOUR1:100");
  rig.Add("RECTANGLE=X:20|Y:10|W:5|H:5|COLOUR1:3");  // a start-up colour, the palette count still 0
  rig.Draw();
  EXPECT_EQ(rig.project->palette.count, 0u);
  EXPECT_EQ(rig.Pixel(10, 10), test::kGreen);
  EXPECT_EQ(rig.Pixel(20, 10), kBlue);
}

// Each statement names something that is not there, or has an empty input
// range: it draws nothing and the rest of the page is drawn. Image 1 (4 x 4)
// and font 1 exist, image 3 has a header of another type, ADC.1 is 50.
struct MissingCase {
  const char* what;
  std::string statement;
};

void PrintTo(const MissingCase& c, std::ostream* os) { *os << c.what; }

class MissingReferenceTest : public ::testing::TestWithParam<MissingCase> {};

TEST_P(MissingReferenceTest, DrawsNothing) {
  test::DrawRig rig;
  rig.SetImage(1, 4, 4, 0xFFFFFFFF);
  auto other_type = test::MakeImage(4, 4, std::vector<uint32_t>(16, 0xFFFFFFFF));
  other_type->words[0] &= ~0xFu;
  rig.project->images.slots[2] = other_type;
  rig.SetFont(1);
  rig.Add(GetParam().statement);
  rig.Add("RECTANGLE=X:1000|Y:500|W:1|H:1|COLOUR1:3");
  rig.SetValue("ADC.1", 50);
  rig.Draw();
  auto expected = std::make_unique<FrameBuffer>();
  expected->Row(500)[1000] = kBlue;
  EXPECT_TRUE(test::SameFrame(*rig.frame, *expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MissingReferenceTest,
    ::testing::Values(
        MissingCase{"RECTANGLE colour 0", "RECTANGLE=W:9|H:9|COLOUR1:0"},
        MissingCase{"RECTANGLE colour 101", "RECTANGLE=W:9|H:9|COLOUR1:101"},
        MissingCase{"RECTANGLE shade to colour 0", "RECTANGLE=W:9|H:9|COLOUR2:0|STYLE:H_SHADE"},
        MissingCase{"IMAGE 0", "IMAGE=IMAGE:0"}, MissingCase{"IMAGE 101", "IMAGE=IMAGE:101"},
        MissingCase{"IMAGE in an empty slot", "IMAGE=IMAGE:2"},
        MissingCase{"IMAGE of another type", "IMAGE=IMAGE:3"},
        MissingCase{"PICTOGRAM in an empty slot", "PICTOGRAM=IMAGE:2"},
        MissingCase{"PICTOGRAM colour 101", "PICTOGRAM=IMAGE:1|COLOUR:101"},
        MissingCase{"TEXT font 0", "TEXT=TEXT:\"BB\"|FONT:0"},
        MissingCase{"TEXT font 21", "TEXT=TEXT:\"BB\"|FONT:21"},
        MissingCase{"TEXT in an empty font slot", "TEXT=TEXT:\"BB\"|FONT:2"},
        MissingCase{"TEXT colour 0", "TEXT=TEXT:\"BB\"|COLOUR:0"},
        MissingCase{"DIGT without INPUT", "DIGT=X:10"},
        MissingCase{"DIGT in an empty font slot", "DIGT=INPUT:ADC.1|FONT:2"},
        MissingCase{"ARROW without INPUT", "ARROW=X:50|Y:50"},
        MissingCase{"ARROW in an empty slot", "ARROW=X:50|Y:50|IMAGE:2|INPUT:ADC.1|LAST_INPUT:100"},
        MissingCase{"ARROW with an empty range", "ARROW=X:50|Y:50|INPUT:ADC.1|FIRST_INPUT:3|LAST_INPUT:3"},
        MissingCase{"TICKS image 0", "TICKS=X:50|Y:50|IMAGE:0|LAST_VALUE:100"},
        MissingCase{"TICKS image 101", "TICKS=X:50|Y:50|IMAGE:101|TYPE:C|LAST_VALUE:100"},
        MissingCase{"BAR_L without INPUT", "BAR_L=IMAGE1:1|IMAGE2:1"},
        MissingCase{"BAR_L without IMAGE2", "BAR_L=IMAGE1:1|IMAGE2:2|INPUT:ADC.1|LAST_INPUT:100"},
        MissingCase{"BAR_L with IMAGE1 101", "BAR_L=IMAGE1:101|IMAGE2:1|INPUT:ADC.1|LAST_INPUT:100"},
        MissingCase{"BAR_L with an empty range", "BAR_L=IMAGE1:1|IMAGE2:1|INPUT:ADC.1"},
        MissingCase{"BAR_S without INPUT", "BAR_S=LAST_INPUT:100"},
        MissingCase{"BAR_S with COLOUR2 0", "BAR_S=INPUT:ADC.1|LAST_INPUT:100|COLOUR2:0"},
        MissingCase{"BAR_S ring with COLOUR1 101",
                    "BAR_S=X:100|Y:100|TYPE:C|INPUT:ADC.1|LAST_INPUT:100|COLOUR1:101"},
        MissingCase{"BAR_S with an empty range", "BAR_S=INPUT:ADC.1|FIRST_INPUT:100|LAST_INPUT:100"},
        MissingCase{"BAR_T without INPUT", "BAR_T=W:100|LAST_INPUT:100"},
        MissingCase{"BAR_T in an empty slot", "BAR_T=W:100|IMAGE:2|INPUT:ADC.1|LAST_INPUT:100"},
        MissingCase{"BAR_T recoloured in colour 0", "BAR_T=W:100|COLOUR:0|INPUT:ADC.1|LAST_INPUT:100"},
        MissingCase{"BAR_T with an empty range", "BAR_T=W:100|INPUT:ADC.1"}));

TEST(DrawElementTest, ParametersOfAnotherKindDrawNothing) {
  test::DrawRig rig;
  Struct_gr_element element;
  element.kind = kKindRectangle;
  element.params = TextParams{};
  DrawElement(*rig.frame, *rig.project, element);
  element.kind = kKindGroup;
  element.params = RectangleParams{10, 10, 0, 0, 0};
  DrawElement(*rig.frame, *rig.project, element);
  EXPECT_TRUE(test::SameFrame(*rig.frame, FrameBuffer()));
}

}  // namespace
}  // namespace velk
