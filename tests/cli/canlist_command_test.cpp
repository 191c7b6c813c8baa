#include <gtest/gtest.h>

#include "cli/run_velk.h"
#include "support/temp_folder.h"

namespace velk {
namespace {

const char kScript[] =
    "RECTANGLE=W:1;\r\n"
    "GREND;\r\n"
    "CAN1_CHANNEL.1 = STD_ID:0x186 | MULTIPLIER:1 | DIVIDER:8 | OFFSET:0 | DATA_MASK:0xFFFFFFFF;  // oil\r\n"
    "@Oil=CAN1_CHANNEL.3=STD_ID:0x186|BYTE_ORDER:LS|START_POS:2|DATA_TYPE:S16|MULTIPLIER:10|DIVIDER:4|OFFSET:-40|"
    "DATA_MASK:0xFFF|TIMEOUT:500|TIMEOUT_DATA_VALUE:0|FRAME_ID_POS:0|FRAME_ID_MASK:0xFF|FRAME_ID:5;//x\r\n"
    "CAN2_CHANNEL.2=EXT_ID:0x18FEF100|TIMEOUT:100|TIMEOUT_DATA_VALUE:-40.5;\r\n"
    "CAN1_CHANNEL.4=START_POS:9;\r\n"
    "END;\r\n"
    "CAN1_CHANNEL.5=STD_ID:0x1;\r\n";

struct CanlistCase {
  const char* options;
  std::string out;
};

class VelkCanlist : public testing::TestWithParam<CanlistCase> {};

TEST_P(VelkCanlist, PrintsTheBusLinesAsOkWritesThem) {
  test::TempFolder folder;
  const std::string script = folder.Write("scr.txt", kScript);
  const test::VelkRun run = test::RunVelk("canlist '" + script + "'" + GetParam().options, folder.Path("err"));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, GetParam().out);
  EXPECT_EQ(run.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Buses, VelkCanlist,
    testing::Values(
        CanlistCase{"", "CAN1_CHANNEL.1=STD_ID:0x186|BYTE_ORDER:MS|START_POS:0|DATA_TYPE:U8|DIVIDER:8; // oil\n"
                        "@Oil=CAN1_CHANNEL.3=STD_ID:0x186|BYTE_ORDER:LS|START_POS:2|DATA_TYPE:S16|MULTIPLIER:10|"
                        "DIVIDER:4|OFFSET:-40|DATA_MASK:0xFFF|TIMEOUT:500|TIMEOUT_DATA_VALUE:0|FRAME_ID_POS:0|"
                        "FRAME_ID_MASK:0xFF|FRAME_ID:5; //x\n"},
        CanlistCase{" --bus 1", "CAN1_CHANNEL.1=STD_ID:0x186|BYTE_ORDER:MS|START_POS:0|DATA_TYPE:U8|DIVIDER:8; // oil\n"
                                "@Oil=CAN1_CHANNEL.3=STD_ID:0x186|BYTE_ORDER:LS|START_POS:2|DATA_TYPE:S16|"
                                "MULTIPLIER:10|DIVIDER:4|OFFSET:-40|DATA_MASK:0xFFF|TIMEOUT:500|TIMEOUT_DATA_VALUE:0|"
                                "FRAME_ID_POS:0|FRAME_ID_MASK:0xFF|FRAME_ID:5; //x\n"},
        CanlistCase{" --bus 2", "CAN2_CHANNEL.2=EXT_ID:0x18FEF100|BYTE_ORDER:MS|START_POS:0|DATA_TYPE:U8|TIMEOUT:100|"
                                "TIMEOUT_DATA_VALUE:-40.5;\n"}));

TEST(VelkCanlist, AScriptThatCannotBeRead) {
  test::TempFolder folder;
  const std::string script = folder.Path("absent.txt");
  const test::VelkRun run = test::RunVelk("canlist '" + script + "'", folder.Path("err"));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, script + ": нет файла\n");
}

TEST(VelkCanlist, UsageErrorsExitWith64) {
  test::TempFolder folder;
  for (const char* arguments : {"canlist", "canlist a b", "canlist a --bus 0", "canlist a --bus", "canlist --x a"}) {
    const test::VelkRun run = test::RunVelk(arguments, folder.Path("err"));
    EXPECT_EQ(run.status, 64) << arguments;
    EXPECT_NE(run.err.find("velk canlist: "), std::string::npos) << arguments;
  }
  EXPECT_TRUE(test::RunVelk("canlist --help", folder.Path("err")).out.starts_with("usage: velk canlist SCRIPT"));
}

}  // namespace
}  // namespace velk
