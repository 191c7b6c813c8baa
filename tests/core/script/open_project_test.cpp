#include "script/open_project.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "model/project.h"
#include "support/temp_folder.h"

namespace velk {
namespace {

using Lines = std::vector<std::string>;

TEST(OpenProject, LogicTextIsTheLinesAfterTheFirstGrendLine) {
  test::TempFolder folder;
  auto project = std::make_unique<Project>();
  const std::string script =
      "\xEF\xBB\xBFRECTANGLE=W:1;\r\n"
      "  GREND; // display part ends\r\n"
      "@d = DI.1;\t// door\r\n"
      "GREND;\r\n"
      "\r\n"
      "END;\r\n";
  const OpenResult result = OpenProject(*project, folder.Write("scr.txt", script));
  EXPECT_EQ(result.code, kLoadOk);
  EXPECT_TRUE(result.has_grend);
  EXPECT_EQ(project->logic_text, (Lines{"@d = DI.1;\t// door", "GREND;", "", "END;"}));
  EXPECT_TRUE(project->logic_valid);
  EXPECT_TRUE(project->can_output);
  EXPECT_EQ(project->folder, folder.path().string() + "/");
  EXPECT_EQ(project->log.Lines().back(), "Logic Ok \n");
}

TEST(OpenProject, ScriptWithoutGrendGivesTheLogicTextEnd) {
  test::TempFolder folder;
  auto project = std::make_unique<Project>();
  const OpenResult result = OpenProject(*project, folder.Write("scr.txt", "RECTANGLE=W:1;\nEND;\n"));
  EXPECT_EQ(result.code, kLoadOk);
  EXPECT_FALSE(result.has_grend);
  EXPECT_EQ(project->logic_text, Lines{"END;"});
}

TEST(OpenProject, FailedLoadClearsTheFlagsAndSaysSo) {
  test::TempFolder folder;
  auto project = std::make_unique<Project>();
  project->logic_valid = project->can_output = true;
  ASSERT_EQ(AppendElement(*project, [] {
              Struct_gr_element e;
              e.kind = kKindRectangle;
              return e;
            }()),
            true);
  const OpenResult result = OpenProject(*project, folder.Write("scr.txt", "GREND;\nFOO=1;\nEND;\n"));
  EXPECT_EQ(result.code, kLoadRejected);
  EXPECT_EQ(result.report.line, 2);
  EXPECT_TRUE(result.has_grend);
  EXPECT_FALSE(project->logic_valid);
  EXPECT_FALSE(project->can_output);
  EXPECT_EQ(project->Page(1).count(), 0u);  // the model was cleared first
  EXPECT_EQ(project->log.Lines().back(), "System/Logic Error \n");
}

TEST(OpenProject, TellsWhatASaveWouldChange) {
  test::TempFolder folder;
  auto project = std::make_unique<Project>();
  const std::string script =
      "     //Ver.1.01;\n"
      "IMAGE_LOAD.1=\"a.png\";\n"
      "LED.1=RED:1;\n"
      "RECTANGLE=W:1;\n"
      "@d=DI.1;\n"
      "GREND;\n"
      "@e=DI.2;\n"
      "RECTANGLE=W:2;\n"
      "END;\n";
  OpenProject(*project, folder.Write("scr.txt", script));
  const Lines log = project->log.Lines();
  EXPECT_EQ(std::count(log.begin(), log.end(), "line 3: LED.1=RED:1 stands before GREND; a save will not keep it"), 1);
  EXPECT_EQ(std::count(log.begin(), log.end(), "line 5: @d=DI.1 stands before GREND; a save will not keep it"), 1);
  EXPECT_EQ(std::count(log.begin(), log.end(), "line 8: RECTANGLE=W:2 follows GREND; a save writes it twice"), 1);
  EXPECT_EQ(std::count_if(log.begin(), log.end(), [](const std::string& l) { return l.starts_with("line "); }), 3);
}

TEST(ReadScriptLines, SplitsAtLineFeedsAndDropsCarriageReturns) {
  test::TempFolder folder;
  EXPECT_EQ(ReadScriptLines(folder.Write("a.txt", "a\r\nb\n\nc")), (Lines{"a", "b", "", "c"}));
  EXPECT_EQ(ReadScriptLines(folder.Write("b.txt", "a\n")), (Lines{"a"}));
  EXPECT_TRUE(ReadScriptLines(folder.Path("absent.txt")).empty());
  EXPECT_TRUE(ReadScriptLines(folder.path().string()).empty());
}

}  // namespace
}  // namespace velk
