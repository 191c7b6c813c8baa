#include <gtest/gtest.h>

#include <sstream>

#include "cli/run_velk.h"
#include "support/shared_testdata.h"
#include "support/temp_folder.h"

namespace velk {
namespace {

const char kDbc[] =
    "VERSION \"\"\r\n"
    "NS_ :\r\n\tBO_TX_BU_\r\n\tSG_MUL_VAL_\r\n\r\n"
    "BO_ 256 Engine: 8 ECU\r\n"
    " SG_ Rpm : 0|16@1+ (0.125,0) [0|8000] \"rpm\" Dash\r\n"
    " SG_ Temp : 16|8@1+ (0.5,-40) [-40|87] \"C\" Dash\r\n"
    " SG_ Torque : 24|12@1- (1,0) [0|0] \"Nm\" Dash\r\n"
    "BO_ 2364540158 Pgn: 8 ECU\r\n"
    " SG_ Temp : 7|4@0+ (2,0) [0|0] \"\" Dash\r\n"
    "BO_TX_BU_ 256 : ECU,Dash;\r\n";

struct DbcCase {
  const char* name;
  std::string options;
  int status;
  std::string out;
  std::string err;
};

void PrintTo(const DbcCase& c, std::ostream* os) { *os << c.name; }

class VelkDbc : public testing::TestWithParam<DbcCase> {};

TEST_P(VelkDbc, PrintsTheImportedChannelLines) {
  const DbcCase& c = GetParam();
  test::TempFolder folder;
  const std::string dbc = folder.Write("engine.dbc", kDbc);
  const test::VelkRun run = test::RunVelk("dbc '" + dbc + "'" + c.options, folder.Path("err"));
  EXPECT_EQ(run.status, c.status);
  EXPECT_EQ(run.out, c.out);
  EXPECT_EQ(run.err, c.err);
}

const std::string kTorqueSkipped =
    "Warning: Signal Torque of message Engine skipped: signed, and not 8, 16 or 32 bits on byte boundaries.\n";

INSTANTIATE_TEST_SUITE_P(
    Options, VelkDbc,
    testing::Values(
        DbcCase{"all", "", 0,
                "@Rpm=CAN1_CHANNEL.1=STD_ID:0x100|BYTE_ORDER:LS|START_POS:0|DATA_TYPE:U16|DIVIDER:8;\n"
                "@Temp=CAN1_CHANNEL.2=STD_ID:0x100|BYTE_ORDER:LS|START_POS:2|DATA_TYPE:U8|DIVIDER:2|OFFSET:-80;\n"
                "@Temp_Pgn=CAN1_CHANNEL.3=EXT_ID:0x0CF004FE|BYTE_ORDER:MS|START_POS:0|DATA_TYPE:U8|"
                "DIVIDER:8|DATA_MASK:0xF0;\n",
                kTorqueSkipped},
        DbcCase{"bus_2_named", " --bus 2 --signals Temp,Nothing", 0,
                "@Temp=CAN2_CHANNEL.1=STD_ID:0x100|BYTE_ORDER:LS|START_POS:2|DATA_TYPE:U8|DIVIDER:2|OFFSET:-80;\n"
                "@Temp_Pgn=CAN2_CHANNEL.2=EXT_ID:0x0CF004FE|BYTE_ORDER:MS|START_POS:0|DATA_TYPE:U8|"
                "DIVIDER:8|DATA_MASK:0xF0;\n",
                "Warning: No signal named Nothing.\n"},
        DbcCase{"nothing_kept", " --signals Torque", 1, "", kTorqueSkipped}),
    [](const testing::TestParamInfo<DbcCase>& info) { return std::string(info.param.name); });

TEST(VelkDbc, AFileThatDoesNotOpen) {
  test::TempFolder folder;
  const test::VelkRun run = test::RunVelk("dbc '" + folder.Path("absent.dbc") + "'", folder.Path("err"));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "Failed to open file: No such file or directory\n");
}

TEST(VelkDbc, ARealFileFillsTheListAndReportsTheRest) {
  VELK_SKIP_WITHOUT_SHARED_DBC();
  test::TempFolder folder;
  const test::VelkRun run = test::RunVelk("dbc '" + test::SharedDbcFile("vehicle.dbc") + "'", folder.Path("err"));
  EXPECT_EQ(run.status, 0);
  std::istringstream out(run.out);
  size_t lines = 0;
  for (std::string line; std::getline(out, line); ++lines) {
    EXPECT_TRUE(line.starts_with("@")) << line;
    EXPECT_NE(line.find("=CAN1_CHANNEL." + std::to_string(lines + 1) + "=EXT_ID:0x"), std::string::npos) << line;
  }
  EXPECT_EQ(lines, 200u);
  std::istringstream err(run.err);
  size_t reported = 0;
  for (std::string line; std::getline(err, line); ++reported) EXPECT_TRUE(line.starts_with("Warning: Signal ")) << line;
  EXPECT_EQ(lines + reported, 462u);  // every SG_ line of the file
}

TEST(VelkDbc, UsageErrorsExitWith64) {
  test::TempFolder folder;
  for (const char* arguments : {"dbc", "dbc a.dbc b.dbc", "dbc a.dbc --bus 3", "dbc a.dbc --bus", "dbc a.dbc --signals",
                                "dbc --bogus a.dbc"}) {
    const test::VelkRun run = test::RunVelk(arguments, folder.Path("err"));
    EXPECT_EQ(run.status, 64) << arguments;
    EXPECT_NE(run.err.find("velk dbc: "), std::string::npos) << arguments;
  }
  const test::VelkRun help = test::RunVelk("dbc --help", folder.Path("err"));
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(help.out.starts_with("usage: velk dbc FILE.dbc [--bus 1|2] [--signals A,B...]\n"));
}

}  // namespace
}  // namespace velk
