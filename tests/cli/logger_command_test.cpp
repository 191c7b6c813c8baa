#include <gtest/gtest.h>

#include "cli/run_velk.h"
#include "support/temp_folder.h"

namespace velk {
namespace {

struct LoggerCase {
  const char* name;
  std::string script;
  std::string out;
};

void PrintTo(const LoggerCase& c, std::ostream* os) { *os << c.name; }

class VelkLogger : public testing::TestWithParam<LoggerCase> {};

TEST_P(VelkLogger, PrintsTheBlockOkWritesAndTheRamLabel) {
  test::TempFolder folder;
  const std::string script = folder.Write("scr.txt", GetParam().script);
  const test::VelkRun run = test::RunVelk("logger '" + script + "'", folder.Path("err"));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, GetParam().out);
  EXPECT_EQ(run.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, VelkLogger,
    testing::Values(
        LoggerCase{"items",
                   "GREND;\r\n@ign=DI.1;\r\nLOGGER_SETUP=ENABLE:@ign;\r\n"
                   "LOGGER_ITEM = NAME:\"Oil temp\"|UNIT:\"C\"|RATE:10|DATA_TYPE:U8|INPUT:ADC.2|DECIMAL:1|MIN:0|"
                   "MAX:150; // t\r\n"
                   "TIM.1=HI:1|LO:1|ENABLE:HI;\r\n"
                   "LOGGER_ITEM=NAME:\"Ign\"|UNIT:\"\"|RATE:1|INPUT:@ign|MIN:0|MAX:1;\r\nEND;\r\n",
                   "LOGGER_SETUP=ENABLE:DI.1;\n"
                   "LOGGER_ITEM=NAME:\"Oil temp\"|UNIT:\"C\"|RATE:10|DATA_TYPE:U16|INPUT:ADC.2|DECIMAL:1|MAX:150.0|"
                   "MIN:0.0; // t\n"
                   "LOGGER_ITEM=NAME:\"Ign\"|UNIT:\"\"|RATE:1|DATA_TYPE:BIT|INPUT:@ign|DECIMAL:0|MAX:1|MIN:0;\n"
                   "RAM size: 0.08mb\n"},
        LoggerCase{"no_logger", "GREND;\r\nEND;\r\n", "RAM size: 0.00mb\n"}),
    [](const testing::TestParamInfo<LoggerCase>& info) { return std::string(info.param.name); });

TEST(VelkLogger, AScriptThatCannotBeReadAndUsageErrors) {
  test::TempFolder folder;
  const std::string script = folder.Path("absent.txt");
  const test::VelkRun run = test::RunVelk("logger '" + script + "'", folder.Path("err"));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, script + ": нет файла\n");
  for (const char* arguments : {"logger", "logger a b", "logger --x"}) {
    const test::VelkRun usage = test::RunVelk(arguments, folder.Path("err"));
    EXPECT_EQ(usage.status, 64) << arguments;
    EXPECT_NE(usage.err.find("velk logger: "), std::string::npos) << arguments;
  }
  EXPECT_TRUE(test::RunVelk("logger --help", folder.Path("err")).out.starts_with("usage: velk logger SCRIPT"));
}

}  // namespace
}  // namespace velk
