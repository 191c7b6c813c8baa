#include <gtest/gtest.h>

#include "cli/run_velk.h"
#include "support/temp_folder.h"

namespace velk {
namespace {

struct CheckCase {
  const char* name;
  std::string script;
  int status;
  std::string out;
  std::string err;  // "SCRIPT" stands for the script's path
};

void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.name; }

class VelkCheck : public testing::TestWithParam<CheckCase> {};

TEST_P(VelkCheck, PrintsTheLoadAndExitsWithItsCode) {
  const CheckCase& c = GetParam();
  test::TempFolder folder;
  const std::string script = folder.Write("scr.txt", c.script);
  const test::VelkRun run = test::RunVelk("check '" + script + "'", folder.Path("err"));
  EXPECT_EQ(run.status, c.status);
  EXPECT_EQ(run.out, c.out);
  std::string err = c.err;
  if (const size_t at = err.find("SCRIPT"); at != std::string::npos) err.replace(at, 6, script);
  EXPECT_EQ(run.err, err);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, VelkCheck,
    testing::Values(
        CheckCase{"ok", "RECTANGLE=W:1;\r\nGREND;\r\nEND;\r\n", 0,
                  "Размер файла:30\nRECTANGLE=W:1\nGREND\nLogic Ok \n", ""},
        CheckCase{"rejected", "GREND;\n\n@d=DI;\nEND;\n", 4,
                  "Размер файла:20\nGREND\n@d=DI\nLogic Error synt 4! STR = \n@d=DI\nSystem/Logic Error \n",
                  "SCRIPT:3: Logic Error synt 4! STR = @d=DI\n"},
        CheckCase{"logic_instance_beyond_table",
                  "GREND;\nTIM.1=HI:100|LO:100|ENABLE:HI;\nMATH.1=ADC.1*2;\nCOMPARE.1=MATH.1>10|1;\nTIM.51=HI:1;\nEND;\n", 4,
                  "Размер файла:95\nGREND\nTIM.1=HI:100|LO:100|ENABLE:HI\nMATH.1=ADC.1*2\nCOMPARE.1=MATH.1>10|1\n"
                  "TIM.51=HI:1\nLogic Error synt 4! STR = \nTIM.51=HI:1\nSystem/Logic Error \n",
                  "SCRIPT:5: Logic Error synt 4! STR = TIM.51=HI:1 (TIM has 50 instances)\n"},
        CheckCase{"math_diagnostic", "GREND;\nMATH.1=1+;\nEND;\n", 4,
                  "Размер файла:23\nGREND\nMATH.1=1+\nLogic Error synt 4! STR = \nMATH.1=1+\nSystem/Logic Error \n",
                  "SCRIPT:2: Logic Error synt 4! STR = MATH.1=1+ (Пустое выражение)\n"},
        CheckCase{"no_semicolon", "GREND\n", 5, "Размер файла:6\nLogic_read Error 5! no ;\nSystem/Logic Error \n",
                  "SCRIPT:1: Logic_read Error 5! no ;\n"},
        CheckCase{"no_end", "GREND;\n", 1, "Размер файла:7\nGREND\nSystem/Logic Error \n", "SCRIPT: no END line\n"}),
    [](const testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

TEST(VelkCheck, NulBytesReachStdout) {
  test::TempFolder folder;
  const std::string script = folder.Write("scr.txt", std::string("A\0B;\n", 5));
  const test::VelkRun run = test::RunVelk("check '" + script + "'", folder.Path("err"));
  EXPECT_EQ(run.status, 4);
  using namespace std::string_literals;
  EXPECT_EQ(run.out,
            "Размер файла:5\nA\0B\nLogic Error synt 4! STR = \nA\0B\n"
            "line 1: A\0B stands before GREND; a save will not keep it\nSystem/Logic Error \n"s);
}

TEST(VelkCheck, MissingScript) {
  test::TempFolder folder;
  const std::string script = folder.Path("absent.txt");
  const test::VelkRun run = test::RunVelk("check '" + script + "'", folder.Path("err"));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "нет файла\nSystem/Logic Error \n");
  EXPECT_EQ(run.err, script + ": нет файла\n");
}

TEST(VelkCheck, UsageErrorsExitWith64) {
  test::TempFolder folder;
  for (const char* arguments : {"check", "check a b", "check --bogus", "nosuchcommand", ""}) {
    const test::VelkRun run = test::RunVelk(arguments, folder.Path("err"));
    EXPECT_EQ(run.status, 64) << arguments;
    EXPECT_FALSE(run.err.empty()) << arguments;
  }
}

TEST(VelkCheck, HelpDescribesTheCommand) {
  test::TempFolder folder;
  const test::VelkRun run = test::RunVelk("check --help", folder.Path("err"));
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("usage: velk check SCRIPT"), std::string::npos);
  const test::VelkRun top = test::RunVelk("--help", folder.Path("err"));
  EXPECT_EQ(top.status, 0);
  EXPECT_EQ(top.out.rfind("usage: velk COMMAND", 0), 0u);
  EXPECT_NE(top.out.find("\n  check "), std::string::npos);
}

}  // namespace
}  // namespace velk
