#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "cli/run_velk.h"
#include "support/temp_folder.h"

namespace velk {
namespace {

std::string Pages(int from) {
  std::string text;
  for (int page = from; page <= 10; ++page) text += "     //=======Page:" + std::to_string(page) + "\r\n";
  return text;
}

const std::string kScript = "RECTANGLE=W:3|H:4;//Frame\nGREND;\n@d = DI.1;\nEND;\n";
const std::string kWritten = "     //Ver.1.01;\r\n     //=======Page:1\r\n"
                             "RECTANGLE=PAGE:1|ENABLE:HI|X:0|Y:0|W:3|H:4|COLOUR1:1|STYLE:SOLID;//Frame\r\n" +
                             Pages(2) + "GREND;\r\n@d = DI.1;\r\nEND;\r\n";

TEST(VelkSave, WritesTheScriptToStdout) {
  test::TempFolder folder;
  const test::VelkRun run = test::RunVelk("save '" + folder.Write("scr.txt", kScript) + "'", folder.Path("err"));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, kWritten);
  EXPECT_NE(run.err.find("Logic Ok"), std::string::npos);
}

TEST(VelkSave, WritesToOutAndKeepsTheLoadersCode) {
  test::TempFolder folder;
  const std::string script = folder.Write("scr.txt", kScript + "FOO=1;\n");
  const test::VelkRun run = test::RunVelk("save '" + script + "' -o '" + folder.Path("out.txt") + "'", folder.Path("err"));
  EXPECT_EQ(run.status, 0);  // END comes before FOO
  std::ifstream in(folder.Path("out.txt"), std::ios::binary);
  // The logic text keeps its lines after END as they stand.
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), kWritten + "FOO=1;\r\n");

  const std::string broken = folder.Write("broken.txt", "RECTANGLE=W:1;\nFOO=1;\nEND;\n");
  const test::VelkRun failed = test::RunVelk("save '" + broken + "'", folder.Path("err"));
  EXPECT_EQ(failed.status, 4);
  EXPECT_NE(failed.out.find("\r\nRECTANGLE=PAGE:1|"), std::string::npos);  // what was read is written

  // Over a file, a script that did not load is never written: the file stays.
  const test::VelkRun refused =
      test::RunVelk("save '" + broken + "' -o '" + broken + "'", folder.Path("err"));
  EXPECT_EQ(refused.status, 4);
  EXPECT_NE(refused.err.find("is left as it was"), std::string::npos);
  std::ifstream kept(broken, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "RECTANGLE=W:1;\nFOO=1;\nEND;\n");
}

TEST(VelkSave, UnwritableOutAndUsageErrors) {
  test::TempFolder folder;
  const std::string script = folder.Write("scr.txt", kScript);
  const test::VelkRun run = test::RunVelk("save '" + script + "' -o '" + folder.Path("no/such/out.txt") + "'",
                                          folder.Path("err"));
  EXPECT_EQ(run.status, 74);
  EXPECT_NE(run.err.find("velk save: cannot"), std::string::npos);
  for (const std::string arguments : {"save", "save -o", "save a b", "save --bogus a"})
    EXPECT_EQ(test::RunVelk(arguments, folder.Path("err")).status, 64) << arguments;
}

}  // namespace
}  // namespace velk
