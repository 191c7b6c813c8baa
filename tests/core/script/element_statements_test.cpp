#include "script/element_statements.h"

#include "script/references.h"
#include "support/statement_case.h"

namespace velk {
namespace {

using test::StatementCase;

template <class Params>
const Params& Last(const Project& p, int page = 1) {
  return std::get<Params>(p.pages[static_cast<size_t>(page - 1)].elements.back().params);
}

const Struct_gr_element& LastElement(const Project& p, int page = 1) {
  return p.pages[static_cast<size_t>(page - 1)].elements.back();
}

const Link kAdc1{RowOf("ADC"), 1};

class ElementStatements : public testing::TestWithParam<StatementCase> {};

TEST_P(ElementStatements, AcceptRejectAndStore) { test::RunStatementCase(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Defaults, ElementStatements,
    testing::Values(
        StatementCase{{"TEXT="}, 0, "",
                      [](const Project& p) {
                        const auto& t = Last<TextParams>(p);
                        EXPECT_EQ(LastElement(p).kind, kKindText);
                        EXPECT_EQ(t.alignment, 0);
                        EXPECT_EQ(t.colour, 0);
                        EXPECT_EQ(t.font, 0);
                        EXPECT_EQ(t.text, "");
                      }},
        StatementCase{{"DIGT=INPUT:ADC.1"}, 0, "",
                      [](const Project& p) {
                        const auto& d = Last<DigtParams>(p);
                        EXPECT_EQ(d.format, 0);
                        EXPECT_EQ(d.dps, 0);
                        EXPECT_EQ(d.input, kAdc1);
                        EXPECT_EQ(d.input_name, "");
                      }},
        StatementCase{{"DIGT="}, 0, "", [](const Project& p) { EXPECT_TRUE(Last<DigtParams>(p).input.Empty()); }},
        StatementCase{{"IMAGE="}, 0, "", [](const Project& p) { EXPECT_EQ(Last<ImageParams>(p).image, 0); }},
        StatementCase{{"TICKS="}, 0, "",
                      [](const Project& p) {
                        const auto& t = Last<TicksParams>(p);
                        EXPECT_EQ(t.divider, 2);
                        EXPECT_EQ(t.type, 2);
                        EXPECT_EQ(t.recolour, 0);
                        EXPECT_EQ(t.image, 0);
                      }},
        StatementCase{{"BAR_T="}, 0, "",
                      [](const Project& p) {
                        const auto& b = Last<BarTParams>(p);
                        EXPECT_EQ(b.colour, -1);
                        EXPECT_EQ(b.recolour, 0);
                        EXPECT_EQ(b.type, 0);
                        EXPECT_EQ(b.length, 0);
                      }},
        StatementCase{{"BAR_S="}, 0, "",
                      [](const Project& p) {
                        const auto& b = Last<BarSParams>(p);
                        EXPECT_EQ(b.w, 20);
                        EXPECT_EQ(b.h, 100);
                        EXPECT_EQ(b.type, 0);
                        EXPECT_EQ(b.first_angle, -150.0f);
                        EXPECT_EQ(b.last_angle, 150.0f);
                        EXPECT_EQ(b.spare, 0u);
                      }},
        StatementCase{{"BAR_L="}, 0, "",
                      [](const Project& p) {
                        const auto& b = Last<BarLParams>(p);
                        EXPECT_EQ(b.recolour, 0);
                        EXPECT_EQ(b.image1, 0);
                        EXPECT_EQ(b.image2, 0);
                        EXPECT_EQ(b.colour1, 0);
                      }},
        StatementCase{{"ARROW="}, 0, "",
                      [](const Project& p) {
                        const auto& a = Last<ArrowParams>(p);
                        EXPECT_EQ(a.first_angle, 0.0f);
                        EXPECT_EQ(a.xc, 0);
                        EXPECT_EQ(a.image, 0);
                      }},
        StatementCase{{"PICTOGRAM="}, 0, "", [](const Project& p) { EXPECT_EQ(Last<PictogramParams>(p).colour, 0); }}));

INSTANTIATE_TEST_SUITE_P(
    Fields, ElementStatements,
    testing::Values(
        StatementCase{{"TEXT=TEXT:\"Oil\"|ALIGNMENT:C|COLOUR:3|FONT:2|PAGE:4"}, 0, "",
                      [](const Project& p) {
                        const auto& t = Last<TextParams>(p, 4);
                        EXPECT_EQ(t.text, "Oil");
                        EXPECT_EQ(t.alignment, 2);
                        EXPECT_EQ(t.colour, 2);
                        EXPECT_EQ(t.font, 1);
                      }},
        StatementCase{{"TEXT=TEXT:\"Oil  temp\""}, 0, "",
                      [](const Project& p) { EXPECT_EQ(Last<TextParams>(p).text, "Oil  temp"); }},
        StatementCase{{"TEXT=TEXT:x"}, 1, "", nullptr},
        StatementCase{{"TEXT=TEXT:\"" + std::string(199, 't') + "\""}, 0, "", nullptr},
        StatementCase{{"TEXT=TEXT:\"" + std::string(200, 't') + "\""}, 1, "", nullptr},
        StatementCase{{"TEXT=ALIGNMENT:X"}, 1, "", nullptr},
        StatementCase{{"TEXT=INPUT:ADC.1"}, 1, "", nullptr},
        StatementCase{{"DIGT=INPUT:ADC.9"}, 1, "", nullptr},
        StatementCase{{"DIGT=INPUT:HI"}, 1, "", nullptr},
        StatementCase{{"DIGT=FORMAT:(XX:XX:XX)|DPS:2|ALIGNMENT:L"}, 0, "",
                      [](const Project& p) {
                        EXPECT_EQ(Last<DigtParams>(p).format, 2);
                        EXPECT_EQ(Last<DigtParams>(p).dps, 2);
                        EXPECT_EQ(Last<DigtParams>(p).alignment, 1);
                      }},
        StatementCase{{"DIGT=FORMAT:(MIN:SEC:MS)"}, 0, "", [](const Project& p) { EXPECT_EQ(Last<DigtParams>(p).format, 5); }},
        StatementCase{{"DIGT=FORMAT:NUMERIC"}, 1, "", nullptr},
        StatementCase{{"@oil=CAN1_CHANNEL.1", "DIGT=INPUT:@oil"}, 0, "",
                      [](const Project& p) {
                        EXPECT_EQ(Last<DigtParams>(p).input_name, "@oil");
                        EXPECT_EQ(Last<DigtParams>(p).input, (Link{RowOf("CAN1_CHANNEL"), 1}));
                      }},
        StatementCase{{"TICKS=FIRST_VALUE:-12.9|LAST_VALUE:99.99|DIVIDER:258|TYPE:H|RECOLOUR:1|YC:5"}, 0, "",
                      [](const Project& p) {
                        const auto& t = Last<TicksParams>(p);
                        EXPECT_EQ(t.first_value, -12);
                        EXPECT_EQ(t.last_value, 99);
                        EXPECT_EQ(t.divider, 2);  // 8 bits kept
                        EXPECT_EQ(t.type, 0);
                        EXPECT_EQ(t.recolour, 1);
                        EXPECT_EQ(t.yc, 5);
                      }},
        StatementCase{{"TICKS=FIRST_VALUE:1e30"}, 0, "",
                      [](const Project& p) { EXPECT_EQ(Last<TicksParams>(p).first_value, INT32_MAX); }},
        StatementCase{{"BAR_T=W:100|H:40|INPUT:ADC.1"}, 0, "",
                      [](const Project& p) { EXPECT_EQ(Last<BarTParams>(p).length, 40); }},
        StatementCase{{"BAR_T=COLOUR:4|TYPE:V|FIRST_INPUT:-1.5|LAST_INPUT:2e2"}, 0, "",
                      [](const Project& p) {
                        const auto& b = Last<BarTParams>(p);
                        EXPECT_EQ(b.colour, 3);
                        EXPECT_EQ(b.recolour, 1);
                        EXPECT_EQ(b.type, 1);
                        EXPECT_EQ(b.first_input, -1.5f);
                        EXPECT_EQ(b.last_input, 200.0f);
                      }},
        StatementCase{{"BAR_T=TYPE:C"}, 1, "", nullptr},
        StatementCase{{"BAR_S=TYPE:C|FIRST_ANGLE:-90|LAST_ANGLE:90.5|COLOUR2:2|W:8"}, 0, "",
                      [](const Project& p) {
                        const auto& b = Last<BarSParams>(p);
                        EXPECT_EQ(b.type, 2);
                        EXPECT_EQ(b.first_angle, -90.0f);
                        EXPECT_EQ(b.last_angle, 90.5f);
                        EXPECT_EQ(b.colour2, 1);
                        EXPECT_EQ(b.w, 8);
                      }},
        StatementCase{{"BAR_L=COLOUR2:5|IMAGE1:2|IMAGE2:3|TYPE:V"}, 0, "",
                      [](const Project& p) {
                        const auto& b = Last<BarLParams>(p);
                        EXPECT_EQ(b.recolour, 1);
                        EXPECT_EQ(b.colour1, 0);
                        EXPECT_EQ(b.colour2, 4);
                        EXPECT_EQ(b.image1, 1);
                        EXPECT_EQ(b.image2, 2);
                        EXPECT_EQ(b.type, 1);
                      }},
        StatementCase{{"ARROW=IMAGE:2|XC:10|YC:-3|FIRST_ANGLE:-120|LAST_ANGLE:120|FIRST_INPUT:0|LAST_INPUT:8000|"
                       "INPUT:VELK_RPM"},
                      0, "",
                      [](const Project& p) {
                        const auto& a = Last<ArrowParams>(p);
                        EXPECT_EQ(a.image, 1);
                        EXPECT_EQ(a.xc, 10);
                        EXPECT_EQ(a.yc, -3);
                        EXPECT_EQ(a.first_angle, -120.0f);
                        EXPECT_EQ(a.last_input, 8000.0f);
                        EXPECT_EQ(a.input, (Link{RowOf("VELK_RPM"), 1}));
                      }},
        StatementCase{{"ARROW=W:3"}, 1, "", nullptr},
        StatementCase{{"IMAGE=IMAGE:0"}, 0, "", [](const Project& p) { EXPECT_EQ(Last<ImageParams>(p).image, -1); }},
        StatementCase{{"IMAGE=IMAGE:-2147483648"}, 0, "",
                      [](const Project& p) { EXPECT_EQ(Last<ImageParams>(p).image, INT32_MIN); }},
        StatementCase{{"PICTOGRAM=IMAGE:7|COLOUR:9|X:-5|Y:600"}, 0, "",
                      [](const Project& p) {
                        EXPECT_EQ(Last<PictogramParams>(p).image, 6);
                        EXPECT_EQ(Last<PictogramParams>(p).colour, 8);
                        EXPECT_EQ(LastElement(p).x, -5);
                        EXPECT_EQ(LastElement(p).y, 600);
                      }}));

}  // namespace
}  // namespace velk
