#include <gtest/gtest.h>

#include "cli/run_velk.h"
#include "support/temp_folder.h"

namespace velk {
namespace {

const char* kScript =
    "GREND;\n"
    "@blink=TIM.1=HI:100|LO:100|ENABLE:DI.1;\n"
    "MATH.1=ADC.1*2;\n"
    "CAN1_CHANNEL.1=STD_ID:0x186|DATA_TYPE:U16|BYTE_ORDER:MS|TIMEOUT:200|TIMEOUT_DATA_VALUE:-1;\n"
    "CAN1_OUT.1=STD_ID:0x185|DLC:2|PERIOD:100|INPUT:MATH.1|DATA_TYPE:U16;\n"
    "LED.1=RED:255|ENABLE:@blink;\n"
    "END;\n";

class VelkRun : public testing::Test {
 protected:
  test::VelkRun Run(const std::string& options) {
    return test::RunVelk("run '" + folder.Write("scr.txt", kScript) + "' " + options, folder.Path("err"));
  }
  test::TempFolder folder;
};

TEST_F(VelkRun, PrintsOneRowPerCycleWithTheFramesSentBeforeIt) {
  const test::VelkRun run = Run(
      "--cycles 6 --set DI.1=1 --at 100:ADC.1=21.5 --rx 150:186#0102 --watch @blink,MATH.1,CAN1_CHANNEL.1,LED.1 --tx "
      "--time '2026-12-11 10:00:00'");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "clock\t@blink\tMATH.1\tCAN1_CHANNEL.1\tLED.1\n"
            "0\t1\t0\t0\t16711680\n"
            "50\t1\t0\t0\t16711680\n"
            "TX1  ID=0x185  DLC=2  00 00 \n"
            "100\t1\t43\t0\t16711680\n"
            "150\t0\t43\t258\t0\n"
            "TX1  ID=0x185  DLC=2  00 2B \n"
            "200\t0\t43\t258\t0\n"
            "250\t0\t43\t258\t0\n");
}

TEST_F(VelkRun, ReplaysACandumpLogAndItsTimeOut) {
  folder.Write("drive.log",
               "(100.000000) can0 186#0010\n"
               "(100.100000) can0 186#0020\n"
               "(100.100000) can0 186#R\n");
  const test::VelkRun run = Run("--cycles 9 --step-ms 50 --candump '" + folder.Path("drive.log") +
                                "' --watch CAN1_CHANNEL.1,CAN1_TIMEOUT.1 --time '2026-01-01 00:00:00'");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "clock\tCAN1_CHANNEL.1\tCAN1_TIMEOUT.1\n"
            "0\t16\t0\n50\t16\t0\n100\t32\t0\n150\t32\t0\n200\t32\t0\n250\t32\t0\n"
            "300\t-1\t1\n350\t-1\t1\n400\t-1\t1\n");
  EXPECT_NE(run.err.find("drive.log:3: remote frame skipped"), std::string::npos) << run.err;
}

TEST_F(VelkRun, TimeInputsFollowTheFixedTimeAndTheClock) {
  const test::VelkRun run = Run("--cycles 2 --step-ms 1000 --watch DATA,TIME_HHMMSS,TIME_TIC --time '2026-12-11 10:59:59'");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "clock\tDATA\tTIME_HHMMSS\tTIME_TIC\n0\t261211\t105959\t0\n1000\t261211\t110000\t1000\n");
}

TEST_F(VelkRun, BadOptionsAreUsageErrors) {
  for (const char* options : {"--set DI.1=2", "--set NOPE=1", "--at x:ADC.1=1", "--rx 0:1234#00", "--rx 0:186#0",
                              "--watch NOPE", "--watch LED.11", "--time 2026-12-11", "--cycles 0", "--bogus",
                              "--set ADC.1=abc"}) {
    const test::VelkRun run = Run(options);
    EXPECT_EQ(run.status, 64) << options;
    EXPECT_NE(run.err.find("velk run:"), std::string::npos) << options;
  }
}

TEST(VelkRunLoad, AFailedLoadExitsWithTheLoadersCode) {
  test::TempFolder folder;
  const std::string script = folder.Write("scr.txt", "GREND;\nFOO=1;\nEND;\n");
  const test::VelkRun run = test::RunVelk("run '" + script + "'", folder.Path("err"));
  EXPECT_EQ(run.status, 4);
  EXPECT_NE(run.err.find("Logic Error synt 4! STR = "), std::string::npos);
}

}  // namespace
}  // namespace velk
