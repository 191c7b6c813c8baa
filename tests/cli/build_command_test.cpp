#include <gtest/gtest.h>

#include "cli/run_velk.h"
#include "support/temp_folder.h"

namespace velk {
namespace {

struct BuildCliCase {
  const char* name;
  std::string script;
  int status;
  std::string out;
  std::string err;  // "SCRIPT" stands for the script's path
};

void PrintTo(const BuildCliCase& c, std::ostream* os) { *os << c.name; }

class VelkBuild : public testing::TestWithParam<BuildCliCase> {};

TEST_P(VelkBuild, VerdictAndFailingLine) {
  const BuildCliCase& c = GetParam();
  test::TempFolder folder;
  const std::string script = folder.Write("scr.txt", c.script);
  const test::VelkRun run = test::RunVelk("build '" + script + "'", folder.Path("err"));
  EXPECT_EQ(run.status, c.status);
  EXPECT_EQ(run.out, c.out);
  std::string err = c.err;
  if (const size_t at = err.find("SCRIPT"); at != std::string::npos) err.replace(at, 6, script);
  EXPECT_EQ(run.err, err);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, VelkBuild,
    testing::Values(
        BuildCliCase{"ok", "RECTANGLE=W:1;\nGREND;\nTIM.1=HI:1|LO:1;\nEND;\n", 0, "Logic:Ok\n", ""},
        // The loader lets a repeated TIM.1 pass; Build names its line in the file.
        BuildCliCase{"declared_twice", "RECTANGLE=W:1;\n\nGREND;\nTIM.1=HI:1|LO:1;\n// c\nTIM.1=HI:2|LO:2;\nEND;\n", 1,
                     "Logic:ERR = Элемент уже был объявлен\n", "SCRIPT:6: Logic:ERR = Элемент уже был объявлен\n"},
        BuildCliCase{"no_semicolon", "GREND;\nTIM.1=HI:1|LO:1\nEND;\n", 1, "Logic:ERR = No \";\"\n",
                     "SCRIPT:2: Logic:ERR = No \";\"\n"},
        BuildCliCase{"no_end", "GREND;\n@d=DI.1;\n", 1, "Logic:ERR\n", "SCRIPT:2: Logic:ERR\n"},
        BuildCliCase{"no_grend", "RECTANGLE=W:1;\nEND;\n", 0, "Logic:Ok\n", ""}));

TEST(VelkBuild, UsageErrors) {
  test::TempFolder folder;
  for (const char* arguments : {"build", "build a b", "build --x"})
    EXPECT_EQ(test::RunVelk(arguments, folder.Path("err")).status, 64) << arguments;
}

}  // namespace
}  // namespace velk
