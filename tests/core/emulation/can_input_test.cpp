#include "emulation/can_input.h"

#include "support/logic_rig.h"

namespace velk {
namespace {

CanFrame Frame(uint32_t id, std::array<uint8_t, 8> data, uint8_t extended = 0) { return CanFrame{id, extended, 8, data}; }

TEST(ReceiveCanFrame, EveryMatchingChannelTakesItsValue) {
  test::LogicRig rig;
  rig.Load({"CAN1_CHANNEL.1=STD_ID:0x186|DATA_TYPE:U16|BYTE_ORDER:MS|DIVIDER:8",
            "CAN1_CHANNEL.2=STD_ID:0x186|START_POS:2|DATA_TYPE:S8|OFFSET:-40",
            "CAN1_CHANNEL.3=EXT_ID:0x186|DATA_TYPE:U8", "CAN2_CHANNEL.4=STD_ID:0x186|DATA_TYPE:U8",
            "CAN1_CHANNEL.5=STD_ID:0x281|FRAME_ID_POS:0|FRAME_ID:2|FRAME_ID_MASK:0x0F|START_POS:1"});
  ASSERT_TRUE(ReceiveCanFrame(*rig.project, Frame(0x186, {0x12, 0x34, 0xF6, 0, 0, 0, 0, 0})));
  EXPECT_EQ(rig.Value("CAN1_CHANNEL.1"), 0x1234 / 8.0f);
  EXPECT_EQ(rig.Value("CAN1_CHANNEL.2"), -50.0f);  // 0xF6 taken signed, then OFFSET
  EXPECT_EQ(rig.Value("CAN1_CHANNEL.3"), 0.0f);    // an extended channel ignores a standard frame
  EXPECT_EQ(rig.Value("CAN2_CHANNEL.4"), 0.0f);    // bus 2 does not receive
  // The frame-identifier check: byte 0 masked with 0x0F must be 2.
  ReceiveCanFrame(*rig.project, Frame(0x281, {0x13, 7, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(rig.Value("CAN1_CHANNEL.5"), 0.0f);
  ReceiveCanFrame(*rig.project, Frame(0x281, {0xF2, 7, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(rig.Value("CAN1_CHANNEL.5"), 7.0f);
}

TEST(ReceiveCanFrame, OnlyChannelsUpToTheHighestDeclaredAndNoLongFrames) {
  test::LogicRig rig;
  rig.Load({"CAN1_CHANNEL.1=STD_ID:0x10"});
  // A record filled behind the statements' back is past the highest channel number.
  rig.project->can.channels[0][5] = rig.project->can.channels[0][0];
  ASSERT_TRUE(ReceiveCanFrame(*rig.project, Frame(0x10, {9, 0, 0, 0, 0, 0, 0, 0})));
  EXPECT_EQ(rig.Value("CAN1_CHANNEL.1"), 9.0f);
  EXPECT_EQ(rig.Value("CAN1_CHANNEL.6"), 0.0f);
  CanFrame long_frame = Frame(0x10, {1, 0, 0, 0, 0, 0, 0, 0});
  long_frame.length = 9;
  EXPECT_FALSE(ReceiveCanFrame(*rig.project, long_frame));
  EXPECT_EQ(rig.Value("CAN1_CHANNEL.1"), 9.0f);
}

TEST(ReceiveCanFrame, TimeOutShowsItsValueAndRecoversWithTheNextFrame) {
  test::LogicRig rig;
  rig.Load({"CAN1_CHANNEL.1=STD_ID:0x10|TIMEOUT:500|TIMEOUT_DATA_VALUE:-40"});
  rig.project->clock_ms = 1000;
  ReceiveCanFrame(*rig.project, Frame(0x10, {5, 0, 0, 0, 0, 0, 0, 0}));
  rig.Cycle(1499);
  EXPECT_EQ(rig.Flag("CAN1_TIMEOUT.1"), 0);
  EXPECT_EQ(rig.Value("CAN1_CHANNEL.1"), 5.0f);
  rig.Cycle(1500);
  EXPECT_EQ(rig.Flag("CAN1_TIMEOUT.1"), 1);
  EXPECT_EQ(rig.Value("CAN1_CHANNEL.1"), -40.0f);
  ReceiveCanFrame(*rig.project, Frame(0x10, {6, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(rig.Flag("CAN1_TIMEOUT.1"), 0);
  rig.Cycle(1550);
  EXPECT_EQ(rig.Value("CAN1_CHANNEL.1"), 6.0f);
}

}  // namespace
}  // namespace velk
