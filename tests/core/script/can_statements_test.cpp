#include "script/can_statements.h"

#include "script/references.h"
#include "support/statement_case.h"

namespace velk {
namespace {

using test::StatementCase;

const CanChannel& Channel(const Project& p, int bus, int n) { return p.can.channels[bus - 1][n - 1]; }
const CanOutFrame& Out(const Project& p, int bus, int n) { return p.can.outputs[bus - 1][n - 1]; }

class CanStatements : public testing::TestWithParam<StatementCase> {};

TEST_P(CanStatements, AcceptRejectAndStore) { test::RunStatementCase(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Channels, CanStatements,
    testing::Values(
        StatementCase{{"CAN1_CHANNEL.1=STD_ID:0x186|START_POS:8"}, 1, "",
                      [](const Project& p) { EXPECT_EQ(Channel(p, 1, 1).declared, 0); }},
        StatementCase{{"CAN1_CHANNEL.1=STD_ID:0x186|START_POS:7"}, 0, "",
                      [](const Project& p) {
                        EXPECT_EQ(Channel(p, 1, 1).start_pos, 7);
                        EXPECT_EQ(Channel(p, 1, 1).format, 1);
                        EXPECT_EQ(Channel(p, 1, 1).id, 0x186u);
                        EXPECT_EQ(Channel(p, 1, 1).declared, 1);
                      }},
        StatementCase{{"CAN1_CHANNEL.1=START_POS:-1"}, 1, "", nullptr},
        StatementCase{{"CAN1_CHANNEL.3=EXT_ID:0x18FEF100"}, 0, "",
                      [](const Project& p) {
                        const CanChannel& c = Channel(p, 1, 3);
                        EXPECT_EQ(c.format, 2);
                        EXPECT_EQ(c.id, 0x18FEF100u);
                        EXPECT_EQ(c.multiplier, 1);
                        EXPECT_EQ(c.divider, 1);
                        EXPECT_EQ(c.offset, 0);
                        EXPECT_EQ(c.data_mask, 0xFFFFFFFFu);
                        EXPECT_EQ(c.frame_id_mask, 255);
                        EXPECT_EQ(c.frame_id_pos, 0);
                        EXPECT_EQ(c.byte_order, 0);
                        EXPECT_EQ(c.data_type, 0);
                        EXPECT_EQ(c.timeout, 0);
                      }},
        StatementCase{{"CAN2_CHANNEL.7=STD_ID:0x281|BYTE_ORDER:LS|DATA_TYPE:S16|MULTIPLIER:3|DIVIDER:8|OFFSET:-40|"
                       "DATA_MASK:0xFFF|FRAME_ID_POS:0|FRAME_ID_MASK:0x1F0|FRAME_ID:2|TIMEOUT:200|"
                       "TIMEOUT_DATA_VALUE:-40.5"},
                      0, "",
                      [](const Project& p) {
                        const CanChannel& c = Channel(p, 2, 7);
                        EXPECT_EQ(c.byte_order, 1);
                        EXPECT_EQ(c.data_type, 3);
                        EXPECT_EQ(c.multiplier, 3);
                        EXPECT_EQ(c.divider, 8);
                        EXPECT_EQ(c.offset, -40);
                        EXPECT_EQ(c.data_mask, 0xFFFu);
                        EXPECT_EQ(c.frame_id_pos, 1);
                        EXPECT_EQ(c.frame_id_mask, 0xF0);
                        EXPECT_EQ(c.frame_id, 2);
                        EXPECT_EQ(c.timeout, 200);
                        EXPECT_EQ(c.timeout_data_value, -40.5f);
                        EXPECT_EQ(Channel(p, 1, 7).declared, 0);
                      }},
        StatementCase{{"CAN1_CHANNEL.1=BYTE_ORDER:XX"}, 1, "", nullptr},
        StatementCase{{"CAN1_CHANNEL.1=DATA_TYPE:U64"}, 1, "", nullptr},
        StatementCase{{"CAN1_CHANNEL.1=COLOUR:1"}, 1, "", nullptr},
        StatementCase{{"CAN1_CHANNEL.200=STD_ID:1"}, 0, "", nullptr},
        StatementCase{{"CAN1_CHANNEL.201=STD_ID:1"}, 1, "CAN1_CHANNEL has 200 instances", nullptr},
        StatementCase{{"CAN1_CHANNEL.5=STD_ID:1", "CAN2_CHANNEL.12=STD_ID:1", "CAN1_CHANNEL.3=STD_ID:1"}, 0, "",
                      [](const Project& p) { EXPECT_EQ(p.can.highest_channel, 12); }},
        // Declared twice: the new values replace the old and the message asks.
        StatementCase{{"CAN1_CHANNEL.1=STD_ID:0x100|OFFSET:5", "CAN1_CHANNEL.1=STD_ID:0x200"}, 0,
                      "Элемент уже был объявлен",
                      [](const Project& p) {
                        EXPECT_EQ(Channel(p, 1, 1).id, 0x200u);
                        EXPECT_EQ(Channel(p, 1, 1).offset, 0);
                      }},
        StatementCase{{"@speed=CAN1_CHANNEL.4=STD_ID:0x10"}, 0, "",
                      [](const Project& p) {
                        EXPECT_EQ(ResolveAnalogue(p, "@speed"), (Link{RowOf("CAN1_CHANNEL"), 4}));
                      }}));

INSTANTIATE_TEST_SUITE_P(
    Outputs, CanStatements,
    testing::Values(
        StatementCase{{"CAN1_OUT.1=ENABLE:HI|STD_ID:0x185|DLC:8|PERIOD:100|BYTE_ORDER:LS|INPUT:CAN_STREAM.1|"
                       "START_POS:0|DATA_TYPE:U16|MULTIPLIER:1|DIVIDER:1|OFFSET:0",
                       "CAN1_OUT.1=BYTE_ORDER:MS|INPUT:CAN_STREAM.2|START_POS:2|DATA_TYPE:U16|MULTIPLIER:3|DIVIDER:2|"
                       "OFFSET:-1"},
                      0, "",
                      [](const Project& p) {
                        const CanOutFrame& f = Out(p, 1, 1);
                        EXPECT_EQ(f.enable, kLinkHi);
                        EXPECT_EQ(f.format, 1);
                        EXPECT_EQ(f.id, 0x185u);
                        EXPECT_EQ(f.dlc, 8);
                        EXPECT_EQ(f.period, 100);
                        EXPECT_EQ(f.declared, 1);
                        ASSERT_EQ(f.signal_count, 2);
                        EXPECT_EQ(f.signals[0].byte_order, 1);
                        EXPECT_EQ(f.signals[0].input, (Link{RowOf("CAN_STREAM"), 1}));
                        EXPECT_EQ(f.signals[0].data_type, 2);
                        EXPECT_EQ(f.signals[1].byte_order, 0);
                        EXPECT_EQ(f.signals[1].start_pos, 2);
                        EXPECT_EQ(f.signals[1].multiplier, 3);
                        EXPECT_EQ(f.signals[1].divider, 2);
                        EXPECT_EQ(f.signals[1].offset, -1);
                      }},
        StatementCase{{"CAN2_OUT.1=INPUT:ADC.1"}, 0, "",
                      [](const Project& p) {
                        const CanOutFrame& f = Out(p, 2, 1);
                        EXPECT_EQ(f.enable, kLinkHi);
                        EXPECT_EQ(f.period, 100);
                        EXPECT_EQ(f.declared, 0);  // no frame field was given
                        EXPECT_EQ(f.signal_count, 1);
                        EXPECT_EQ(f.signals[0].multiplier, 1);
                        EXPECT_EQ(f.signals[0].divider, 1);
                      }},
        StatementCase{{"CAN2_OUT.1=PERIOD:4|INPUT:ADC.1"}, 1, "",
                      [](const Project& p) { EXPECT_EQ(Out(p, 2, 1).signal_count, 0); }},
        StatementCase{{"CAN2_OUT.1=PERIOD:-5"}, 1, "", nullptr},
        StatementCase{{"CAN2_OUT.1=PERIOD:5|INPUT:ADC.1"}, 0, "", nullptr},
        StatementCase{{"CAN1_OUT.1=DLC:9"}, 1, "", nullptr},
        StatementCase{{"CAN1_OUT.1=DLC:264"}, 0, "",  // taken in 8 bits: 264 is 8
                      [](const Project& p) { EXPECT_EQ(Out(p, 1, 1).dlc, 8); }},
        StatementCase{{"CAN1_OUT.1=ENABLE:ADC.1"}, 1, "", nullptr},
        StatementCase{{"CAN1_OUT.1=START_POS:8"}, 1, "", nullptr},
        StatementCase{{"CAN1_OUT.1=INPUT:X1"}, 0, "ошибка в числе",
                      [](const Project& p) {
                        ASSERT_EQ(Out(p, 1, 1).signal_count, 1);
                        EXPECT_TRUE(Out(p, 1, 1).signals[0].input.Empty());
                      }},
        StatementCase{{"CAN1_OUT.1=INPUT:0x10|OFFSET:3"}, 0, "",
                      [](const Project& p) {
                        EXPECT_EQ(Out(p, 1, 1).signals[0].input_constant, 16.0f);
                        EXPECT_EQ(Out(p, 1, 1).signals[0].offset, 3);
                      }},
        // A failure after INPUT leaves the signal counted.
        StatementCase{{"CAN1_OUT.1=INPUT:ADC.2|BYTE_ORDER:XX"}, 1, "",
                      [](const Project& p) { EXPECT_EQ(Out(p, 1, 1).signal_count, 1); }},
        StatementCase{{"CAN1_OUT.1=INPUT:ADC.2|INPUT:ADC.3"}, 0, "",
                      [](const Project& p) {
                        EXPECT_EQ(Out(p, 1, 1).signal_count, 1);
                        EXPECT_EQ(Out(p, 1, 1).signals[0].input, (Link{RowOf("ADC"), 3}));
                      }},
        StatementCase{{"CAN1_OUT.1=STD_ID:1", "CAN1_OUT.1=STD_ID:2"}, 0, "Элемент уже был объявлен",
                      [](const Project& p) { EXPECT_EQ(Out(p, 1, 1).id, 2u); }},
        StatementCase{{"CAN1_OUT.30=STD_ID:1"}, 0, "", nullptr},
        StatementCase{{"CAN1_OUT.31=STD_ID:1"}, 1, "CAN1_OUT has 30 instances", nullptr},
        StatementCase{{"@x=CAN1_OUT.1=STD_ID:1"}, 0, "", [](const Project& p) { EXPECT_TRUE(p.names.empty()); }}));

TEST(CanOut, NinthSignalIsRejected) {
  auto project = std::make_unique<Project>();
  for (int i = 0; i < 8; ++i) ASSERT_EQ(ParseStatement(*project, "CAN1_OUT.2=INPUT:ADC.1"), 0);
  EXPECT_EQ(ParseStatement(*project, "CAN1_OUT.2=INPUT:ADC.1"), 1);
  EXPECT_EQ(ParseStatement(*project, "CAN1_OUT.2=STD_ID:5"), 1);
  EXPECT_EQ(project->can.outputs[0][1].signal_count, 8);
}

TEST(CanChannelFields, ResetsTheRecordTheChannelListGivesIt) {
  CanChannel channel;
  channel.offset = 9;
  channel.declared = 1;
  ASSERT_TRUE(ParseCanChannelFields(channel, "STD_ID:0x10|DIVIDER:4"));
  EXPECT_EQ(channel.offset, 0);
  EXPECT_EQ(channel.divider, 4);
  EXPECT_EQ(channel.declared, 0);
}

}  // namespace
}  // namespace velk
