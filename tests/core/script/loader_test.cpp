#include "script/loader.h"

#include <gtest/gtest.h>

#include <memory>

#include "model/project.h"
#include "script/references.h"
#include "support/temp_folder.h"

namespace velk {
namespace {

using Lines = std::vector<std::string>;

struct LoadCase {
  const char* name;
  std::string script;
  int code;
  Lines log;  // after the "Размер файла:" line
  int line;   // the failing line reported, 0 for none
};

std::string SizeLine(const std::string& script) { return "Размер файла:" + std::to_string(script.size()); }

void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }

class LoadScriptCases : public testing::TestWithParam<LoadCase> {};

TEST_P(LoadScriptCases, CodeLogAndFailingLine) {
  const LoadCase& c = GetParam();
  test::TempFolder folder;
  auto project = std::make_unique<Project>();
  LoadReport report;
  EXPECT_EQ(LoadScript(*project, folder.Write("scr.txt", c.script), &report), c.code);
  Lines expected = {SizeLine(c.script)};
  expected.insert(expected.end(), c.log.begin(), c.log.end());
  EXPECT_EQ(project->log.Lines(), expected);
  EXPECT_EQ(report.line, c.line);
}

const std::string kLong(1000, 'A');
std::string Repeat(const std::string& text, int times) {
  std::string result;
  for (int i = 0; i < times; ++i) result += text;
  return result;
}
const std::string kLongest = "RECTANGLE=" + Repeat("W:1|", 247);

INSTANTIATE_TEST_SUITE_P(
    Scripts, LoadScriptCases,
    testing::Values(
        LoadCase{"header_and_end", "     //Ver.1.01;\r\nEND;\r\n", 0, {}, 0},
        LoadCase{"bom", "\xEF\xBB\xBFGREND;\nEND;\n", 0, {"GREND"}, 0},
        LoadCase{"no_end", "GREND;\n@d=DI.3;\n", 1, {"GREND", "@d=DI.3"}, 0},
        LoadCase{"nothing_after_end", "END;\nFOO;\nBAR\n", 0, {}, 0},
        LoadCase{"end_without_line_feed", "GREND;\nEND;", 0, {"GREND"}, 0},
        LoadCase{"spaces_and_tabs_line", "  \t \r\nEND;\n", 0, {}, 0},
        LoadCase{"no_semicolon", "GREND;\nTIM.1=HI:100|LO:100|ENABLE:HI\nEND;\n", 5,
                 {"GREND", "Logic_read Error 5! no ;"}, 2},
        LoadCase{"rejected", "GREND;\n@d=DI;\nEND;\n", 4,
                 {"GREND", "@d=DI", "Logic Error synt 4! STR = ", "@d=DI"}, 2},
        // A block declared twice passes the load; an @name given twice does not.
        LoadCase{"tim_twice", "TIM.1=HI:100|LO:100|ENABLE:HI;\nTIM.1=HI:5;\nEND;\n", 0,
                 {"TIM.1=HI:100|LO:100|ENABLE:HI", "TIM.1=HI:5"}, 0},
        LoadCase{"at_name_twice", "@t=TIM.1=HI:100|LO:100|ENABLE:HI;\n@t=TIM.1=HI:100|LO:100|ENABLE:HI;\nEND;\n", 4,
                 {"@t=TIM.1=HI:100|LO:100|ENABLE:HI", "@t=TIM.1=HI:100|LO:100|ENABLE:HI", "Logic Error synt 4! STR = ",
                  "@t=TIM.1=HI:100|LO:100|ENABLE:HI"},
                 2},
        LoadCase{"spaces_dropped", "@d = DI.3 ;\nEND ;\n", 0, {"@d=DI.3"}, 0},
        LoadCase{"quoted_spaces_kept", "FOO=\"a b\";\nEND;\n", 4,
                 {"FOO=\"a b\"", "Logic Error synt 4! STR = ", "FOO=\"a b\""}, 1},
        LoadCase{"line_too_long", "RECTANGLE=W:1;\n" + kLong + ";\nEND;\n", 4,
                 {"RECTANGLE=W:1", "Logic Error synt 4! STR = ", std::string(999, 'A')}, 2},
        // 999 bytes with the ";" fit the line; fields past the 19th are not read.
        LoadCase{"longest_line", kLongest + ";\nEND;\n", 0, {kLongest}, 0},
        LoadCase{"one_byte_too_long", kLongest + "W;\nEND;\n", 4,
                 {"Logic Error synt 4! STR = ", kLongest + "W"}, 1},
        LoadCase{"longest_comment", "GREND;//" + std::string(999, 'c') + "\nEND;\n", 0, {"GREND"}, 0},
        LoadCase{"comment_too_long", "GREND;//" + kLong + "\nEND;\n", 4,
                 {"Logic Error synt 4! STR = ", "GREND;"}, 1},
        LoadCase{"nul_bytes", std::string("GREND;\n\0\0;\nEND;\n", 16), 4,
                 {"GREND", std::string(2, '\0'), "Logic Error synt 4! STR = ", std::string(2, '\0')}, 2},
        LoadCase{"binary_garbage", "\x01\x02\xff\xfe\x80", 5, {"Logic_read Error 5! no ;"}, 1},
        LoadCase{"invalid_utf8", "RECTANGLE=W:1;//\xC3\x28\xFF\nEND;\n", 0, {"RECTANGLE=W:1"}, 0}),
    [](const testing::TestParamInfo<LoadCase>& info) { return std::string(info.param.name); });

TEST(LoadScript, MissingFileIsCodeOne) {
  test::TempFolder folder;
  auto project = std::make_unique<Project>();
  LoadReport report;
  EXPECT_EQ(LoadScript(*project, folder.Path("absent.txt"), &report), kLoadNoFile);
  EXPECT_EQ(project->log.Lines(), Lines{"нет файла"});
  EXPECT_EQ(report.reason, "нет файла");
}

TEST(LoadScript, FolderIsNoFile) {
  test::TempFolder folder;
  auto project = std::make_unique<Project>();
  EXPECT_EQ(LoadScript(*project, folder.path().string()), kLoadNoFile);
  EXPECT_EQ(project->log.Lines(), Lines{"нет файла"});
}

TEST(LoadScript, EmptyFileIsCodeZeroButNotRead) {
  test::TempFolder folder;
  auto project = std::make_unique<Project>();
  EXPECT_EQ(LoadScript(*project, folder.Write("scr.txt", "")), kLoadOk);
  EXPECT_EQ(project->log.Lines(), Lines{"файл не прочитан"});
}

TEST(LoadScript, HugeSingleLineIsRefusedWithoutReadingPastIt) {
  test::TempFolder folder;
  auto project = std::make_unique<Project>();
  const std::string script(4 << 20, 'x');
  EXPECT_EQ(LoadScript(*project, folder.Write("scr.txt", script)), kLoadRejected);
  EXPECT_EQ(project->log.Lines().back(), std::string(999, 'x'));
}

TEST(LoadScript, StatementsBeforeTheFailureStayInTheModel) {
  test::TempFolder folder;
  auto project = std::make_unique<Project>();
  const std::string script = "RECTANGLE=W:1;\n@d=DI.3;\nFOO=1;\nRECTANGLE=W:2;\nEND;\n";
  EXPECT_EQ(LoadScript(*project, folder.Write("scr.txt", script)), kLoadRejected);
  EXPECT_EQ(project->Page(1).count(), 1u);
  EXPECT_EQ(ResolveDigital(*project, "@d"), (Link{RowOf("DI"), 3}));
}

TEST(LoadScript, CommentNamesTheElementOfItsOwnLineOnly) {
  test::TempFolder folder;
  auto project = std::make_unique<Project>();
  const std::string script =
      "RECTANGLE=PAGE:1|W:5|H:5;//Frame\r\n"
      "// a comment line\r\n"
      "RECTANGLE=PAGE:1|W:6|H:6;\r\n"
      "RECTANGLE=W:7;//\r\n"
      "END;\r\n";
  ASSERT_EQ(LoadScript(*project, folder.Write("scr.txt", script)), kLoadOk);
  const Page_Def& page = project->Page(1);
  ASSERT_EQ(page.count(), 3u);
  EXPECT_EQ(page.elements[0].comment, "Frame");
  EXPECT_EQ(page.elements[1].comment, "");
  EXPECT_EQ(page.elements[2].comment, "");
}

TEST(LoadScript, LogicBlocksAreEvaluatedInTheOrderOfTheirLines) {
  test::TempFolder folder;
  auto project = std::make_unique<Project>();
  const std::string script =
      "GREND;\n"
      "AXIS.1 = 0|10|20;\n"
      "CONVERT.2 = INPUT:ADC.1 | AXIS_X:1 | AXIS_Y:1;\n"
      "COUNTER.1 = UP:DI.1;\n"
      "@speed = MATH.4 = CONVERT.2 * 3.6;\n"
      "TIM.3 = HI:200 | LO:200 | ENABLE:HI;\n"
      "END;\n";
  ASSERT_EQ(LoadScript(*project, folder.Write("scr.txt", script)), kLoadOk);
  const std::vector<EvaluationEntry> expected = {
      {BlockKind::Convert, 1}, {BlockKind::Math, 3}, {BlockKind::Tim, 2}};
  EXPECT_EQ(project->evaluation, expected);
  EXPECT_EQ(ResolveAnalogue(*project, "@speed"), (Link{RowOf("MATH"), 4}));
  EXPECT_EQ(project->logic.axis[0].count, 3);
}

TEST(LoadScript, ThreeHundredAndFirstNameIsRejected) {
  test::TempFolder folder;
  auto project = std::make_unique<Project>();
  std::string script;
  for (int i = 0; i < 300; ++i) script += "@n" + std::to_string(i) + "=TIM." + std::to_string(i % 50 + 1) + ";\n";
  script += "@last=DI.1;\nEND;\n";
  LoadReport report;
  EXPECT_EQ(LoadScript(*project, folder.Write("scr.txt", script), &report), kLoadRejected);
  EXPECT_EQ(project->names.size(), 300u);
  EXPECT_EQ(report.line, 301);
  EXPECT_EQ(project->parser_message, "Достигнут предел на кол-во имен");
  EXPECT_NE(report.reason.find("Достигнут предел на кол-во имен"), std::string::npos);
}

}  // namespace
}  // namespace velk
