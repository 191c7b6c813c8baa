#include "emulation/build.h"

#include <gtest/gtest.h>

#include <memory>

#include "model/project.h"
#include "script/parse_statement.h"
#include "script/references.h"

namespace velk {
namespace {

struct CleanCase {
  const char* line;
  CleanedLine::Kind kind;
  const char* text;
};

void PrintTo(const CleanCase& c, std::ostream* os) { *os << c.line; }

class LineCleaning : public testing::TestWithParam<CleanCase> {};

TEST_P(LineCleaning, KindAndText) {
  const CleanedLine cleaned = CleanLogicLine(GetParam().line);
  EXPECT_EQ(cleaned.kind, GetParam().kind);
  EXPECT_EQ(cleaned.text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LineCleaning,
    testing::Values(CleanCase{"TIM.1=HI:200|LO:200|ENABLE:HI", CleanedLine::Rejected, "Logic:ERR = No \";\""},
                    CleanCase{"TIM.1=HI:200;|LO:200;", CleanedLine::Rejected, "Logic:ERR = something extra after \";\""},
                    CleanCase{"AND.1 = TIM.1 | COMPARE.1 ; // comment", CleanedLine::Statement, "AND.1=TIM.1|COMPARE.1"},
                    CleanCase{"  // only a comment", CleanedLine::Empty, ""},
                    CleanCase{" \t ", CleanedLine::Empty, ""},
                    CleanCase{"E N D ;", CleanedLine::End, "END"},
                    CleanCase{"END // done", CleanedLine::End, "END"},
                    CleanCase{"end;", CleanedLine::Statement, "end"},
                    CleanCase{"END;;", CleanedLine::Rejected, "Logic:ERR = something extra after \";\""},
                    CleanCase{"TEXT=TEXT:\"a b\";", CleanedLine::Statement, "TEXT=TEXT:\"ab\""}));

class BuildTest : public testing::Test {
 protected:
  BuildResult BuildText(std::vector<std::string> lines) {
    project->logic_text = std::move(lines);
    return Build(*project);
  }
  std::unique_ptr<Project> project = std::make_unique<Project>();
};

struct BuildCase {
  std::vector<std::string> lines;
  bool ok;
  std::string status;
  int marked;
};

void PrintTo(const BuildCase& c, std::ostream* os) { *os << c.status; }

class BuildVerdicts : public testing::TestWithParam<BuildCase> {};

TEST_P(BuildVerdicts, StatusAndMarkedLine) {
  auto project = std::make_unique<Project>();
  project->logic_text = GetParam().lines;
  const BuildResult result = Build(*project);
  EXPECT_EQ(result.ok, GetParam().ok);
  EXPECT_EQ(result.status, GetParam().status);
  EXPECT_EQ(result.marked_line, GetParam().marked);
  EXPECT_EQ(project->logic_valid, GetParam().ok);
  EXPECT_EQ(project->can_output, GetParam().ok);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, BuildVerdicts,
    testing::Values(
        BuildCase{{"TIM.1=HI:200|LO:200|ENABLE:HI;", "", "END;"}, true, "Logic:Ok", -1},
        BuildCase{{"TIM.1=HI:200|LO:200|ENABLE:HI;", "END"}, true, "Logic:Ok", -1},
        BuildCase{{"TIM.1=HI:200|LO:200|ENABLE:HI;", "E N D ;", "garbage"}, true, "Logic:Ok", -1},
        BuildCase{{"TIM.1=HI:200|LO:200|ENABLE:HI;", "end;", "END;"}, false, "Logic:ERR = ", 1},
        BuildCase{{"TIM.1=HI:200|LO:200|ENABLE:HI", "END;"}, false, "Logic:ERR = No \";\"", 0},
        BuildCase{{"// x", "TIM.1=HI:200;|LO:200;"}, false, "Logic:ERR = something extra after \";\"", 1},
        // The declared rule: the loader lets a repetition pass, Build refuses it.
        BuildCase{{"TIM.1=HI:1|LO:1;", "TIM.1=HI:2|LO:2;", "END;"}, false, "Logic:ERR = Элемент уже был объявлен", 1},
        BuildCase{{"CAN1_OUT.1=INPUT:X1;", "END;"}, false, "Logic:ERR = ошибка в числе", 0},
        BuildCase{{"@d=DI.1;", "@d=DI.2;"}, false, "Logic:ERR = ", 1},
        BuildCase{{"@d=DI.1;"}, false, "Logic:ERR", 0},
        BuildCase{{}, false, "Logic:ERR", -1}));

TEST_F(BuildTest, ClearsOnlyTheLogicPartAndTheClock) {
  ASSERT_EQ(ParseStatement(*project, "RECTANGLE=W:1"), 0);
  ASSERT_EQ(ParseStatement(*project, "COLOR_PALETTE.1=0xFF112233"), 0);
  ASSERT_EQ(ParseStatement(*project, "LED.1=RED:1"), 0);
  ASSERT_EQ(ParseStatement(*project, "VELK_RPM=ADC.1"), 0);
  ASSERT_EQ(ParseStatement(*project, "@old=DI.1"), 0);
  ASSERT_EQ(ParseStatement(*project, "CAN1_CHANNEL.9=STD_ID:1"), 0);
  ASSERT_EQ(ParseStatement(*project, "MATH.1=ADC.1+1"), 0);
  project->clock_ms = 5000;
  ASSERT_TRUE(BuildText({"TIM.2=HI:1|LO:1;", "END;"}).ok);
  EXPECT_EQ(project->Page(1).count(), 1u);
  EXPECT_EQ(project->palette.count, 1u);
  EXPECT_TRUE(project->leds.empty());
  EXPECT_TRUE(project->device.builtin_sources[kSourceRpm].Empty());
  EXPECT_TRUE(project->names.empty());
  EXPECT_EQ(project->can.channels[0][8].declared, 0);
  EXPECT_EQ(project->can.highest_channel, 0);
  EXPECT_EQ(project->expressions.count, 0);
  EXPECT_EQ(project->logic.math[0].valid, 0);
  EXPECT_EQ(project->clock_ms, 0u);
  ASSERT_EQ(project->evaluation.size(), 1u);
  EXPECT_EQ(project->evaluation[0], (EvaluationEntry{BlockKind::Tim, 1}));
}

TEST_F(BuildTest, ElementsFollowTheirAtNames) {
  ASSERT_TRUE(BuildText({"@Fan=TIM.1=HI:1|LO:1;", "@oil=CAN1_CHANNEL.1=STD_ID:1;", "END;"}).ok);
  ASSERT_EQ(ParseStatement(*project, "RECTANGLE=ENABLE:@Fan"), 0);
  ASSERT_EQ(ParseStatement(*project, "DIGT=INPUT:@oil"), 0);
  ASSERT_EQ(ParseStatement(*project, "BAR_S=INPUT:CAN1_CHANNEL.3|ENABLE:DI.4"), 0);
  // @Fan moves to another block and @oil to another channel.
  ASSERT_TRUE(BuildText({"@Fan=TIM.7=HI:1|LO:1;", "@oil=CAN1_CHANNEL.5=STD_ID:1;", "@level=CAN1_CHANNEL.3;", "END;"}).ok);
  const auto& elements = project->Page(1).elements;
  EXPECT_EQ(elements[0].enable, (Link{RowOf("TIM"), 7}));
  EXPECT_EQ(std::get<DigtParams>(elements[1].params).input, (Link{RowOf("CAN1_CHANNEL"), 5}));
  EXPECT_EQ(std::get<DigtParams>(elements[1].params).input_name, "");  // emptied after relinking
  EXPECT_EQ(elements[2].enable, (Link{RowOf("DI"), 4}));
  EXPECT_EQ(std::get<BarSParams>(elements[2].params).input_name, "@level");  // newly known under a name
  // @Fan and @oil are deleted: the ENABLE falls back to HI, the INPUT keeps its link.
  ASSERT_TRUE(BuildText({"END;"}).ok);
  EXPECT_EQ(elements[0].enable, kLinkHi);
  EXPECT_EQ(std::get<DigtParams>(elements[1].params).input, (Link{RowOf("CAN1_CHANNEL"), 5}));
}

TEST_F(BuildTest, RejectionKeepsWhatWasParsedBefore) {
  const BuildResult result = BuildText({"TIM.1=HI:1|LO:1;", "FOO=1;", "TIM.2=HI:1|LO:1;", "END;"});
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.marked_line, 1);
  EXPECT_EQ(project->logic.tim[0].declared, 1);
  EXPECT_EQ(project->logic.tim[1].declared, 0);
}

}  // namespace
}  // namespace velk
