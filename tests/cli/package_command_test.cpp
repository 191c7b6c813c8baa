#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "cli/run_velk.h"
#include "support/temp_folder.h"

namespace velk {
namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const std::string kScript = "RECTANGLE=W:3|H:4;\nGREND;\nEND;\n";

// The package of logo.png ("LOGO") and scr.txt (`script`), as the device reads it.
std::string TwoFilePackage(const std::string& script) {
  std::string bytes("KVXFS1\0\0\x02\0\0\0", 12);
  const auto entry = [&bytes](const std::string& name, uint32_t size, uint32_t address) {
    bytes += name + std::string(132 - name.size(), '\0');
    for (uint32_t value : {size, address})
      for (int k = 0; k < 4; ++k) bytes += static_cast<char>(value >> (8 * k) & 0xFF);
  };
  entry("logo.png", 4, 0x450124);
  entry("scr.txt", static_cast<uint32_t>(script.size()), 0x450128);
  return bytes + "LOGO" + script;
}

TEST(VelkPackage, WritesScrVelkIntoTheProjectFolder) {
  test::TempFolder folder;
  folder.Write("logo.png", "LOGO");
  const std::string script = folder.Write("scr.txt", kScript);
  const test::VelkRun run = test::RunVelk("package '" + script + "'", folder.Path("err"));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("Logic Ok"), std::string::npos);  // the load's log
  EXPECT_EQ(ReadAll(folder.Path("scr.velk")), TwoFilePackage(kScript));
}

// Whatever the script is called, the package carries the folder's scr.txt;
// the default name follows the script's.
TEST(VelkPackage, NamesThePackageAfterTheScriptOrAfterO) {
  test::TempFolder folder;
  folder.Write("logo.png", "LOGO");
  folder.Write("scr.txt", "the device's script");
  const std::string demo = folder.Write("demo.txt", kScript);
  EXPECT_EQ(test::RunVelk("package '" + demo + "'", folder.Path("err")).status, 0);
  EXPECT_EQ(ReadAll(folder.Path("demo.velk")), TwoFilePackage("the device's script"));
  EXPECT_EQ(test::RunVelk("package -o out.bin '" + demo + "'", folder.Path("err")).status, 0);
  EXPECT_EQ(ReadAll(folder.Path("out.bin")), TwoFilePackage("the device's script"));
}

struct RefusalCase {
  const char* what;
  const char* script;
  bool logo;
  const char* reason;  // the end of stderr
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.what; }

class VelkPackageRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(VelkPackageRefusalTest, ExitsWithOneAndTheReasonAndWritesNothing) {
  test::TempFolder folder;
  if (GetParam().logo) folder.Write("logo.png", "LOGO");
  const std::string script = folder.Write("scr.txt", GetParam().script);
  const test::VelkRun run = test::RunVelk("package '" + script + "'", folder.Path("err"));
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.err.ends_with(GetParam().reason)) << run.err;
  EXPECT_FALSE(std::filesystem::exists(folder.Path("scr.velk")));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VelkPackageRefusalTest,
    ::testing::Values(
        RefusalCase{"no logo.png", "GREND;\nEND;\n", false,
                    "velk package: cannot open logo.png in the project folder: No such file or directory\n"},
        RefusalCase{"an image listed but missing", "IMAGE_LOAD.1=\"gone.png\";\nGREND;\nEND;\n", true,
                    "velk package: cannot open gone.png in the project folder: No such file or directory\n"},
        RefusalCase{"a script that does not load", "GREND;\nFOO=1;\nEND;\n", true,
                    "did not load (result code 4); no package written\n"}));

TEST(VelkPackage, UsageErrors) {
  test::TempFolder folder;
  for (const std::string arguments :
       {"package", "package -o", "package a b", "package --bogus a", "package a -o sub/x.velk", "package a -o ''"})
    EXPECT_EQ(test::RunVelk(arguments, folder.Path("err")).status, 64) << arguments;
}

}  // namespace
}  // namespace velk
