#include "script/setting_statements.h"

#include "script/references.h"
#include "support/statement_case.h"

namespace velk {
namespace {

using test::StatementCase;

class SettingStatements : public testing::TestWithParam<StatementCase> {};

TEST_P(SettingStatements, AcceptRejectAndStore) { test::RunStatementCase(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Requests, SettingStatements,
    testing::Values(
        StatementCase{{"UDS_REQUEST.1=ID:0x7E0|PID:0x2105|PERIOD:100|ENABLE:HI|TIMEOUT:1000"}, 0, "",
                      [](const Project& p) {
                        const RequestBlock& r = p.logic.uds[0];
                        EXPECT_EQ(r.id, 0x7E0u);
                        EXPECT_EQ(r.pid, 0x2105u);
                        EXPECT_EQ(r.service, 0x21u);
                        EXPECT_EQ(r.id_length, 1u);
                        EXPECT_EQ(r.period, 100);
                        EXPECT_EQ(r.timeout, 1000);
                        EXPECT_EQ(r.enable, kLinkHi);
                        EXPECT_EQ(p.logic.uds_count, 1);
                      }},
        StatementCase{{"UDS_REQUEST.2=PID:0x22F190"}, 0, "",
                      [](const Project& p) {
                        const RequestBlock& r = p.logic.uds[1];
                        EXPECT_EQ(r.service, 0x22u);
                        EXPECT_EQ(r.id_length, 2u);
                        EXPECT_EQ(r.pid, 0x22F190u);
                        EXPECT_EQ(r.id, 0x7E0u);
                        EXPECT_EQ(r.period, 1000);
                        EXPECT_EQ(r.timeout, 500);
                        EXPECT_EQ(r.enable, kLinkLo);
                      }},
        StatementCase{{"UDS_REQUEST.3="}, 0, "",
                      [](const Project& p) {
                        EXPECT_EQ(p.logic.uds[2].service, 0x22u);
                        EXPECT_EQ(p.logic.uds[2].pid, 1u);
                        EXPECT_EQ(p.logic.uds[2].id_length, 1u);
                      }},
        StatementCase{{"UDS_REQUEST.1=PID:0x21"}, 1, "", nullptr},
        // Read into its record and counted, then refused for its number.
        StatementCase{{"UDS_REQUEST.6=PID:0x2105"}, 1, "UDS_REQUEST takes instances 1 to 5",
                      [](const Project& p) {
                        EXPECT_EQ(p.logic.uds[5].pid, 0x2105u);
                        EXPECT_EQ(p.logic.uds_count, 1);
                      }},
        StatementCase{{"UDS_REQUEST.11=PID:0x2105"}, 1, "UDS_REQUEST has 10 instances", [](const Project& p) { EXPECT_EQ(p.logic.uds_count, 0); }},
        StatementCase{{"KWP_REQUEST.1=PID:0x2105"}, 1, "", nullptr},
        StatementCase{{"UDS_REQUEST.1=ENABLE:ADC.1"}, 1, "", nullptr},
        StatementCase{{"CHECK_VARIABLE.1=INPUT:UDS_REQUEST.2|BYTE_ORDER:LS|START_POS:2|DATA_TYPE:S16|"
                       "MULTIPLIER:3|DIVIDER:4|OFFSET:-40|DATA_MASK:0xFF"},
                      0, "",
                      [](const Project& p) {
                        const CheckVariableBlock& c = p.logic.check_variable[0];
                        EXPECT_EQ(c.input, (RequestLink{1, 2}));
                        EXPECT_EQ(c.byte_order, 1);
                        EXPECT_EQ(c.start_pos, 2);
                        EXPECT_EQ(c.data_type, 3);
                        EXPECT_EQ(c.multiplier, 3);
                        EXPECT_EQ(c.divider, 4);
                        EXPECT_EQ(c.offset, -40);
                        EXPECT_EQ(c.data_mask, 0xFFu);
                      }},
        StatementCase{{"CHECK_VARIABLE.2=INPUT:KWP_REQUEST"}, 0, "",
                      [](const Project& p) {
                        const CheckVariableBlock& c = p.logic.check_variable[1];
                        EXPECT_EQ(c.input, (RequestLink{2, 1}));
                        EXPECT_EQ(c.multiplier, 1);
                        EXPECT_EQ(c.divider, 1);
                        EXPECT_EQ(c.data_mask, 0xFFFFFFFFu);
                      }},
        StatementCase{{"CHECK_VARIABLE.1=INPUT:UDS_REQUEST"}, 1, "", nullptr},
        StatementCase{{"CHECK_VARIABLE.1=DATA_TYPE:BIT"}, 1, "", nullptr},
        StatementCase{{"CHECK_VARIABLE.10=INPUT:BMW_REQUEST.5"}, 0, "", nullptr},
        StatementCase{{"CHECK_VARIABLE.11=INPUT:BMW_REQUEST.5"}, 1, "CHECK_VARIABLE has 10 instances", nullptr},
        StatementCase{{"@v=CHECK_VARIABLE.3=INPUT:KWP_REQUEST"}, 0, "",
                      [](const Project& p) {
                        EXPECT_EQ(ResolveAnalogue(p, "@v"), (Link{RowOf("CHECK_VARIABLE"), 3}));
                      }},
        StatementCase{{"@v=UDS_REQUEST.1=PID:0x2105"}, 0, "", [](const Project& p) { EXPECT_TRUE(p.names.empty()); }}));

INSTANTIATE_TEST_SUITE_P(
    Settings, SettingStatements,
    testing::Values(
        StatementCase{{"TV_SETUP=ENABLE:DI.1|TYPE:NTSC|FLIP:V", "TV_SETUP=FLIP:H"}, 0, "",
                      [](const Project& p) {
                        EXPECT_EQ(p.device.tv.flip, 3);
                        EXPECT_EQ(p.device.tv.enable, kLinkLo);  // each statement starts from LO and PAL
                        EXPECT_EQ(p.device.tv.standard, 0);
                      }},
        StatementCase{{"TV_SETUP=ENABLE:DI.1|TYPE:NTSC|FLIP:HV"}, 0, "",
                      [](const Project& p) {
                        EXPECT_EQ(p.device.tv.enable, (Link{RowOf("DI"), 1}));
                        EXPECT_EQ(p.device.tv.standard, 1);
                        EXPECT_EQ(p.device.tv.flip, 3);
                      }},
        StatementCase{{"TV_SETUP=FLIP:X"}, 1, "", nullptr},
        StatementCase{{"TV_SETUP=TYPE:SECAM"}, 1, "", nullptr},
        StatementCase{{"TV_SETUP=ENABLE:ADC.1"}, 1, "", nullptr},
        StatementCase{{"IGNITION_HOLD=DI.2"}, 0, "",
                      [](const Project& p) { EXPECT_EQ(p.device.ignition_hold, (Link{RowOf("DI"), 2})); }},
        StatementCase{{"IGNITION_HOLD=ADC.2"}, 1, "", nullptr},
        StatementCase{{"LOGGER_SETUP=ENABLE:DI.1|ENABLE:DI.4"}, 0, "",
                      [](const Project& p) { EXPECT_EQ(p.device.logger_enable, (Link{RowOf("DI"), 4})); }},
        StatementCase{{"LOGGER_SETUP=ENABLE:DI.1|TYPE:PAL"}, 1, "", nullptr},
        StatementCase{{"LOGGER_SETUP=ENABLE:DI.9"}, 1, "", nullptr}));

INSTANTIATE_TEST_SUITE_P(
    Logger, SettingStatements,
    testing::Values(
        StatementCase{{"LOGGER_ITEM=INPUT:ADC.1|DATA_TYPE:S16|RATE:10|DECIMAL:2|MIN:-1.5|MAX:100|NAME:\"Oil\"|"
                       "UNIT:\"bar\""},
                      0, "",
                      [](const Project& p) {
                        const LoggerItem& item = p.device.logger_item;
                        EXPECT_EQ(item.input, (Link{RowOf("ADC"), 1}));
                        EXPECT_EQ(item.data_type, 4);
                        EXPECT_EQ(item.rate, 10);
                        EXPECT_EQ(item.decimal, 2);
                        EXPECT_EQ(item.min, -1.5f);
                        EXPECT_EQ(item.max, 100.0f);
                        EXPECT_EQ(item.name, "Oil");
                        EXPECT_EQ(item.unit, "bar");
                      }},
        // A digital source is tried first.
        StatementCase{{"LOGGER_ITEM=INPUT:DI.1"}, 0, "",
                      [](const Project& p) { EXPECT_EQ(p.device.logger_item.input, (Link{RowOf("DI"), 1})); }},
        // Each item starts again from RATE, DATA_TYPE, DECIMAL 0 and an empty NAME; MIN, MAX, UNIT stay.
        StatementCase{{"LOGGER_ITEM=INPUT:ADC.1|RATE:5|DATA_TYPE:U8|MIN:2|UNIT:\"V\"|NAME:\"a\"", "LOGGER_ITEM=INPUT:ADC.2"},
                      0, "",
                      [](const Project& p) {
                        const LoggerItem& item = p.device.logger_item;
                        EXPECT_EQ(item.rate, 0);
                        EXPECT_EQ(item.data_type, 0);
                        EXPECT_EQ(item.name, "");
                        EXPECT_EQ(item.min, 2.0f);
                        EXPECT_EQ(item.unit, "V");
                      }},
        StatementCase{{"LOGGER_ITEM=INPUT:NOPE"}, 1, "", nullptr},
        StatementCase{{"LOGGER_ITEM=NAME:x"}, 1, "", nullptr},
        StatementCase{{"LOGGER_ITEM=NAME:\"" + std::string(31, 'n') + "\""}, 0, "", nullptr},
        StatementCase{{"LOGGER_ITEM=NAME:\"" + std::string(32, 'n') + "\""}, 1, "", nullptr},
        StatementCase{{"LOGGER_ITEM=UNIT:\"" + std::string(15, 'u') + "\""}, 0, "", nullptr},
        StatementCase{{"LOGGER_ITEM=UNIT:\"" + std::string(16, 'u') + "\""}, 1, "", nullptr},
        StatementCase{{"LOGGER_ITEM=DATA_TYPE:U64"}, 1, "", nullptr}));

}  // namespace
}  // namespace velk
