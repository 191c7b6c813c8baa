#include "script/display_statements.h"

#include "script/references.h"
#include "support/statement_case.h"

namespace velk {
namespace {

using test::StatementCase;

const Link kAdc1{RowOf("ADC"), 1};

class DisplayStatements : public testing::TestWithParam<StatementCase> {};

TEST_P(DisplayStatements, AcceptRejectAndStore) { test::RunStatementCase(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Palette, DisplayStatements,
    testing::Values(
        StatementCase{{"COLOR_PALETTE.1=0xFF00FF00"}, 0, "",
                      [](const Project& p) {
                        EXPECT_EQ(p.palette.colours[0], 0xFF00FF00u);
                        EXPECT_EQ(p.palette.count, 1u);
                      }},
        StatementCase{{"COLOR_PALETTE.1=0xFFFF0000"}, 0, "",
                      [](const Project& p) { EXPECT_EQ(p.palette.colours[0], 0xFF0000FFu); }},
        StatementCase{{"COLOR_PALETTE.7=0x80123456"}, 0, "",
                      [](const Project& p) {
                        EXPECT_EQ(p.palette.colours[6], 0x80563412u);
                        EXPECT_EQ(p.palette.count, 1u);  // counted whatever n is
                      }},
        StatementCase{{"COLOR_PALETTE.1=FFFF0000"}, 1, "", nullptr},
        StatementCase{{"COLOR_PALETTE.1=0xFF00FF0"}, 1, "", nullptr},
        StatementCase{{"COLOR_PALETTE.100=0xFF00FF00"}, 0, "", nullptr},
        StatementCase{{"COLOR_PALETTE.101=0xFF00FF00"}, 1, "COLOR_PALETTE has 100 instances",
                      [](const Project& p) { EXPECT_EQ(p.palette.count, 0u); }}));

INSTANTIATE_TEST_SUITE_P(
    Leds, DisplayStatements,
    testing::Values(
        StatementCase{{"LED.11=COLOR:0x00FF00|ENABLE:HI"}, 1, "", [](const Project& p) { EXPECT_TRUE(p.leds.empty()); }},
        StatementCase{{"LED.1=COLOR:ADC.1"}, 0, "",
                      [](const Project& p) {
                        ASSERT_EQ(p.leds.size(), 1u);
                        EXPECT_EQ(p.leds[0].color_source, kAdc1);
                        EXPECT_EQ(p.leds[0].color, 0xFF0000u);
                        EXPECT_EQ(p.leds[0].enable, kLinkHi);
                        EXPECT_EQ(p.leds[0].led, 0u);
                      }},
        StatementCase{{"LED.10=COLOR:0x00FF00|ENABLE:DI.2|RED:300|GREEN:ADC.2|BLUE:7.9"}, 0, "",
                      [](const Project& p) {
                        ASSERT_EQ(p.leds.size(), 1u);
                        const LedEntry& e = p.leds[0];
                        EXPECT_EQ(e.led, 9u);
                        EXPECT_EQ(e.color, 0x00FF00u);
                        EXPECT_TRUE(e.color_source.Empty());
                        EXPECT_EQ(e.enable, (Link{RowOf("DI"), 2}));
                        EXPECT_EQ(e.red, 300 & 0xFF);
                        EXPECT_EQ(e.green_source, (Link{RowOf("ADC"), 2}));
                        EXPECT_EQ(e.blue, 7);
                      }},
        StatementCase{{"LED.1=COLOR:0xFFFFFFFF"}, 0, "",
                      [](const Project& p) { EXPECT_EQ(p.leds[0].color, 0xFFFFFFFFu); }},
        StatementCase{{"LED.1=COLOR:-5"}, 1, "", [](const Project& p) { EXPECT_TRUE(p.leds.empty()); }},
        StatementCase{{"LED.1=ENABLE:ADC.1"}, 1, "", nullptr},
        StatementCase{{"LED.1=SIZE:2"}, 1, "", nullptr},
        StatementCase{{"LED.2=RED:1", "LED.2=RED:2"}, 0, "", [](const Project& p) { EXPECT_EQ(p.leds.size(), 2u); }}));

INSTANTIATE_TEST_SUITE_P(
    Sources, DisplayStatements,
    testing::Values(
        StatementCase{{"VELK_RPM=ADC.1"}, 0, "",
                      [](const Project& p) { EXPECT_EQ(p.device.builtin_sources[kSourceRpm], kAdc1); }},
        StatementCase{{"VELK_AFR=CAN1_CHANNEL.2"}, 0, "",
                      [](const Project& p) {
                        EXPECT_EQ(p.device.builtin_sources[kSourceAfr], (Link{RowOf("CAN1_CHANNEL"), 2}));
                      }},
        StatementCase{{"VELK_OILT=ADC.3"}, 0, "",
                      [](const Project& p) {
                        EXPECT_EQ(p.device.builtin_sources[kSourceOilT], (Link{RowOf("ADC"), 3}));
                        EXPECT_TRUE(p.device.builtin_sources[kSourceOilP].Empty());
                      }},
        StatementCase{{"VELK_SPEED=DI.1"}, 1, "", nullptr},
        StatementCase{{"PAGE=ADC.4"}, 0, "",
                      [](const Project& p) { EXPECT_EQ(p.device.page_source, (Link{RowOf("ADC"), 4})); }},
        StatementCase{{"BRIGHTNESS=ADC.5"}, 0, "",
                      [](const Project& p) { EXPECT_EQ(p.device.brightness_source, (Link{RowOf("ADC"), 5})); }},
        StatementCase{{"BRIGHTNESS=NOPE"}, 1, "", nullptr},
        StatementCase{{"AUX.2=DI.3"}, 0, "",
                      [](const Project& p) { EXPECT_EQ(p.device.aux[1], (Link{RowOf("DI"), 3})); }},
        StatementCase{{"AUX.3=DI.3"}, 1, "AUX has 2 instances", nullptr},
        StatementCase{{"AUX.1=ADC.1"}, 1, "", nullptr}));

TEST(LedStatement, ListHoldsTwoHundredAndFiftyEntries) {
  auto project = std::make_unique<Project>();
  for (size_t i = 0; i < kMaxLedEntries; ++i) ASSERT_EQ(ParseStatement(*project, "LED.1=RED:1"), 0);
  EXPECT_EQ(ParseStatement(*project, "LED.1=RED:1"), 1);
  EXPECT_EQ(project->leds.size(), kMaxLedEntries);
}

TEST(PaletteStatement, CountStopsAtTheSizeOfThePalette) {
  auto project = std::make_unique<Project>();
  for (size_t i = 0; i < kPaletteSize; ++i) ASSERT_EQ(ParseStatement(*project, "COLOR_PALETTE.1=0xFF000000"), 0);
  EXPECT_EQ(ParseStatement(*project, "COLOR_PALETTE.2=0xFF000000"), 1);
  EXPECT_EQ(project->palette.count, kPaletteSize);
}

}  // namespace
}  // namespace velk
