#include "script/writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "model/project.h"
#include "script/open_project.h"
#include "script/parse_statement.h"
#include "script/references.h"
#include "support/sample_font.h"
#include "support/temp_folder.h"

namespace velk {
namespace {

using Lines = std::vector<std::string>;

// The element lines of page 1 that the writer produces for the statements.
Lines PageOneLines(const std::vector<std::string>& statements) {
  auto project = std::make_unique<Project>();
  for (const std::string& statement : statements) EXPECT_EQ(ParseStatement(*project, statement), 0) << statement;
  Lines lines;
  WriteScript(*project, lines);
  const auto first = std::find(lines.begin(), lines.end(), "     //=======Page:1") + 1;
  const auto last = std::find(lines.begin(), lines.end(), "     //=======Page:2");
  return {first, last};
}

struct WriteCase {
  std::vector<std::string> statements;
  Lines lines;
};

void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.statements.back(); }

class ElementLines : public testing::TestWithParam<WriteCase> {};

TEST_P(ElementLines, FieldsInTheWritersOrder) { EXPECT_EQ(PageOneLines(GetParam().statements), GetParam().lines); }

INSTANTIATE_TEST_SUITE_P(
    Kinds, ElementLines,
    testing::Values(
        WriteCase{{"RECTANGLE=W:50|H:50|COLOUR2:3"}, {"RECTANGLE=PAGE:1|ENABLE:HI|X:0|Y:0|W:50|H:50|COLOUR1:1|STYLE:SOLID;"}},
        WriteCase{{"RECTANGLE=W:5|H:6|X:-3|Y:7|COLOUR1:2|COLOUR2:3|STYLE:H_SHADE|ENABLE:DI.2"},
                  {"RECTANGLE=PAGE:1|ENABLE:DI.2|X:-3|Y:7|W:5|H:6|COLOUR1:2|COLOUR2:3|STYLE:H_SHADE;"}},
        WriteCase{{"IMAGE=IMAGE:4"}, {"IMAGE=PAGE:1|ENABLE:HI|X:0|Y:0|IMAGE:4;"}},
        WriteCase{{"PICTOGRAM=IMAGE:2|COLOUR:5"}, {"PICTOGRAM=PAGE:1|ENABLE:HI|X:0|Y:0|IMAGE:2|COLOUR:5;"}},
        WriteCase{{"BAR_L=TYPE:V|IMAGE1:2|IMAGE2:3|COLOUR1:4|FIRST_INPUT:-1|LAST_INPUT:2.5|INPUT:ADC.2"},
                  {"BAR_L=PAGE:1|ENABLE:HI|X:0|Y:0|TYPE:V|IMAGE1:2|IMAGE2:3|FIRST_INPUT:-1.000000|LAST_INPUT:2.500000|"
                   "INPUT:ADC.2;"}},
        WriteCase{{"BAR_L="},
                  {"BAR_L=PAGE:1|ENABLE:HI|X:0|Y:0|TYPE:H|IMAGE1:1|IMAGE2:1|FIRST_INPUT:0.000000|LAST_INPUT:0.000000|"
                   "INPUT:ERROR_NO_LINK;"}},
        WriteCase{{"TEXT=TEXT:\"Oil temp\"|ALIGNMENT:C|FONT:2|COLOUR:3"},
                  {"TEXT=PAGE:1|ENABLE:HI|X:0|Y:0|ALIGNMENT:C|COLOUR:3|FONT:2|TEXT:\"Oil temp\";"}},
        WriteCase{{"DIGT=INPUT:VELK_RPM|DPS:1"},
                  {"DIGT=PAGE:1|ENABLE:HI|X:0|Y:0|ALIGNMENT:R|COLOUR:1|FONT:1|INPUT:VELK_RPM|DPS:1;"}},
        WriteCase{{"DIGT=INPUT:TIME_HHMM|FORMAT:(XX:XX)|ALIGNMENT:L"},
                  {"DIGT=PAGE:1|ENABLE:HI|X:0|Y:0|ALIGNMENT:L|FORMAT:(XX:XX)|COLOUR:1|FONT:1|INPUT:TIME_HHMM|DPS:0;"}},
        WriteCase{{"BAR_S=TYPE:C|FIRST_ANGLE:-90|LAST_ANGLE:90|INPUT:ADC.1"},
                  {"BAR_S=PAGE:1|ENABLE:HI|X:0|Y:0|TYPE:C|FIRST_ANGLE:-90.000000|LAST_ANGLE:90.000000|W:20|H:100|"
                   "COLOUR1:1|COLOUR2:1|FIRST_INPUT:0.000000|LAST_INPUT:0.000000|INPUT:ADC.1;"}},
        WriteCase{{"BAR_S=TYPE:V|FIRST_ANGLE:-90|INPUT:ADC.1"},
                  {"BAR_S=PAGE:1|ENABLE:HI|X:0|Y:0|TYPE:V|W:20|H:100|COLOUR1:1|COLOUR2:1|FIRST_INPUT:0.000000|"
                   "LAST_INPUT:0.000000|INPUT:ADC.1;"}},
        WriteCase{{"BAR_T=TYPE:V|H:40|COLOUR:2|INPUT:ADC.1"},
                  {"BAR_T=PAGE:1|ENABLE:HI|X:0|Y:0|TYPE:V|H:40|IMAGE:1|FIRST_INPUT:0.000000|LAST_INPUT:0.000000|"
                   "INPUT:ADC.1|COLOUR:2;"}},
        WriteCase{{"BAR_T=W:100|INPUT:ADC.1"},
                  {"BAR_T=PAGE:1|ENABLE:HI|X:0|Y:0|TYPE:H|W:100|IMAGE:1|FIRST_INPUT:0.000000|LAST_INPUT:0.000000|"
                   "INPUT:ADC.1;"}},
        WriteCase{{"ARROW=IMAGE:3|COLOUR:4|XC:5|YC:6|FIRST_ANGLE:-150|LAST_ANGLE:150|LAST_INPUT:8000|INPUT:VELK_RPM"},
                  {"ARROW=PAGE:1|ENABLE:HI|X:0|Y:0|IMAGE:3|XC:5|YC:6|FIRST_ANGLE:-150.000000|LAST_ANGLE:150.000000|"
                   "FIRST_INPUT:0.000000|LAST_INPUT:8000.000000|INPUT:VELK_RPM;"}},
        WriteCase{{"TICKS=DIVIDER:300|FIRST_VALUE:-5|LAST_VALUE:100|RECOLOUR:1|TYPE:H"},
                  {"TICKS=PAGE:1|ENABLE:HI|X:0|Y:0|YC:0|FIRST_VALUE:-5|LAST_VALUE:100|DIVIDER:44|IMAGE:1|COLOUR:1|"
                   "RECOLOUR:1|TYPE:H;"}},
        WriteCase{{"TICKS=RECOLOUR:2"},
                  {"TICKS=PAGE:1|ENABLE:HI|X:0|Y:0|YC:0|FIRST_VALUE:0|LAST_VALUE:0|DIVIDER:2|IMAGE:1|COLOUR:1|TYPE:C;"}},
        // @names are written as the slots they denote; groups from the group table.
        WriteCase{{"@t=TIM.1", "RECTANGLE=ENABLE:@t|W:1|H:1|GROUP:\"G\"", "RECTANGLE=GROUP:\"G\""},
                  {"RECTANGLE=PAGE:1|ENABLE:TIM.1|GROUP:\"G\"|X:0|Y:0|W:1|H:1|COLOUR1:1|STYLE:SOLID;",
                   "RECTANGLE=PAGE:1|ENABLE:HI|GROUP:\"G\"|X:0|Y:0|W:0|H:0|COLOUR1:1|STYLE:SOLID;"}}));

TEST(WriteScript, EmptyProjectWritesHeaderSeparatorsGrendAndEnd) {
  auto project = std::make_unique<Project>();
  Lines lines;
  WriteScript(*project, lines);
  Lines expected = {"     //Ver.1.01;"};
  for (int page = 1; page <= 10; ++page) expected.push_back("     //=======Page:" + std::to_string(page));
  expected.push_back("GREND;");
  expected.push_back("END;");
  EXPECT_EQ(lines, expected);
}

TEST(WriteScript, LibrariesInOrderAndLogicTextAsItStands) {
  auto project = std::make_unique<Project>();
  ASSERT_EQ(ParseStatement(*project, "COLOR_PALETTE.1=0xFF123456"), 0);
  ASSERT_EQ(ParseStatement(*project, "COLOR_PALETTE.2=0x00ABCDEF"), 0);
  project->images.entries.push_back({"img\\needle.png", {}, {}, nullptr});
  project->images.entries.push_back({"b.png", {}, {}, nullptr});
  project->fonts.names = {"font 1.fon"};
  project->logic_text = {"@d = DI.1;  // door", "", "END;"};
  project->current_comment = "Frame";
  ASSERT_EQ(ParseStatement(*project, "RECTANGLE=PAGE:3|W:2|H:2"), 0);
  Lines lines;
  WriteScript(*project, lines);
  const Lines head(lines.begin(), lines.begin() + 6);
  EXPECT_EQ(head, (Lines{"     //Ver.1.01;", "IMAGE_LOAD.1=\"img\\needle.png\";", "IMAGE_LOAD.2=\"b.png\";",
                         "COLOR_PALETTE.1=0xFF123456;", "COLOR_PALETTE.2=0x00ABCDEF;", "FONT_LOAD.1=\"font 1.fon\";"}));
  EXPECT_EQ(lines[8], "     //=======Page:3");
  EXPECT_EQ(lines[9], "RECTANGLE=PAGE:3|ENABLE:HI|X:0|Y:0|W:2|H:2|COLOUR1:1|STYLE:SOLID;//Frame");
  const Lines tail(lines.end() - 4, lines.end());
  EXPECT_EQ(tail, (Lines{"GREND;", "@d = DI.1;  // door", "", "END;"}));
}

TEST(ReferenceText, SlotNameOrErrorNoLink) {
  EXPECT_EQ(ReferenceText({RowOf("CAN_STREAM"), 7}), "CAN_STREAM.7");
  EXPECT_EQ(ReferenceText(kLinkHi), "HI");
  EXPECT_EQ(ReferenceText({}), "ERROR_NO_LINK");
}

TEST(IsDisplayPartStatement, LibrariesAndElementsOnly) {
  for (const char* kept : {"IMAGE_LOAD.1=\"a.png\"", "FONT_LOAD.2=x", "COLOR_PALETTE.1=0xFF000000", "RECTANGLE=W:1",
                           "@x=TICKS=", "BAR_T="})
    EXPECT_TRUE(IsDisplayPartStatement(kept)) << kept;
  for (const char* dropped : {"LED.1=RED:1", "VELK_RPM=ADC.1", "TIM.1=HI:1", "@d=DI.1", "GREND", "GROUP=x", "GR_No=x",
                              "RECTANGLE", "IMAGE.1=x"})
    EXPECT_FALSE(IsDisplayPartStatement(dropped)) << dropped;
}

// Written, read and written again, a script comes back the same: the writer's
// output is a fixed point, and what it does not keep returns as defaults.
TEST(WriteScript, RoundTripIsAFixedPoint) {
  test::TempFolder folder;
  const std::string script =
      "COLOR_PALETTE.1=0xFF123456;\r\n"
      "COLOR_PALETTE.2=0x80FF0000;\r\n"
      "RECTANGLE=W:5|H:5|COLOUR2:4|GROUP:\"Box\";//Frame\r\n"
      "BAR_L=COLOUR1:3|INPUT:ADC.1|PAGE:2;\r\n"
      "ARROW=COLOUR:2|INPUT:ADC.2|FIRST_ANGLE:-10.5;\r\n"
      "BAR_S=TYPE:V|FIRST_ANGLE:-10|INPUT:ADC.3;\r\n"
      "BAR_S=TYPE:C|FIRST_ANGLE:-10|INPUT:ADC.3|GROUP:\"Box\";\r\n"
      "TEXT=TEXT:\"Oil temp\"|PAGE:10;\r\n"
      "TICKS=DIVIDER:300|TYPE:V;\r\n"
      "DIGT=INPUT:ADC.4|FORMAT:(X:XX.XXX)|DPS:3;\r\n"
      "GREND;\r\n"
      "@d=DI.1;\r\n"
      "END;\r\n";
  auto first = std::make_unique<Project>();
  ASSERT_EQ(OpenProject(*first, folder.Write("a.txt", script)).code, kLoadOk);
  Lines once;
  WriteScript(*first, once);
  std::string text;
  for (const std::string& line : once) text += line + "\r\n";
  auto second = std::make_unique<Project>();
  ASSERT_EQ(OpenProject(*second, folder.Write("b.txt", text)).code, kLoadOk);
  Lines twice;
  WriteScript(*second, twice);
  EXPECT_EQ(once, twice);
  // What the layout does not write comes back as the readers' defaults.
  const auto& bar_l = std::get<BarLParams>(second->Page(2).elements[0].params);
  EXPECT_EQ(bar_l.colour1, 0);
  EXPECT_EQ(bar_l.recolour, 0);
  EXPECT_EQ(std::get<RectangleParams>(second->Page(1).elements[1].params).colour2, 0);
  EXPECT_EQ(std::get<BarSParams>(second->Page(1).elements[3].params).first_angle, -150.0f);
  EXPECT_EQ(std::get<BarSParams>(second->Page(1).elements[4].params).first_angle, -10.0f);
  EXPECT_EQ(std::get<ArrowParams>(second->Page(1).elements[2].params).colour, 0);
}

}  // namespace
}  // namespace velk

namespace velk {
namespace {

// Every fixture script of the project: opened, written, opened again and
// written again, it gives the same text twice. The fixtures' font is written
// beside them (their pictures may be missing: IMAGE_LOAD stands without its file).
TEST(WriteScript, EveryFixtureScriptIsAFixedPointOfTheWriter) {
  size_t scripts = 0;
  for (const auto& file : std::filesystem::recursive_directory_iterator(VELK_TEST_DATA)) {
    if (file.path().extension() != ".txt") continue;
    ++scripts;
    test::TempFolder folder;
    folder.Write("sample.fon", test::BuildFont(test::SampleFont()));
    std::ifstream in(file.path(), std::ios::binary);
    const std::string script{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    auto first = std::make_unique<Project>();
    ASSERT_EQ(OpenProject(*first, folder.Write("scr.txt", script)).code, kLoadOk) << file.path();
    Lines once;
    WriteScript(*first, once);
    std::string text;
    for (const std::string& line : once) text += line + "\r\n";
    auto second = std::make_unique<Project>();
    ASSERT_EQ(OpenProject(*second, folder.Write("again.txt", text)).code, kLoadOk) << file.path();
    Lines twice;
    WriteScript(*second, twice);
    EXPECT_EQ(once, twice) << file.path();
  }
  EXPECT_GT(scripts, 0u) << "no fixture script under " << VELK_TEST_DATA;
}

}  // namespace
}  // namespace velk
