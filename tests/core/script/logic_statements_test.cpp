#include "script/logic_statements.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "emulation/math_expression.h"
#include "model/project.h"
#include "script/parse_statement.h"
#include "script/references.h"

namespace velk {
namespace {

constexpr std::string_view kRedeclared = "Элемент уже был объявлен";

Link Ref(std::string_view family, uint16_t instance = 1) { return Link{RowOf(family), instance}; }

// A project with two @names to refer to: @door (DI.2) and @oil (ADC.2).
class LogicStatements : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(AddDigitalName(*project, "@door", Ref("DI", 2)));
    ASSERT_TRUE(AddAnalogueName(*project, "@oil", Ref("ADC", 2)));
  }
  int Parse(const std::string& statement) { return ParseStatement(*project, statement); }
  LogicTables& logic() { return project->logic; }
  std::unique_ptr<Project> project = std::make_unique<Project>();
};

// Accepted or rejected, and the parser message left on a fresh project.
struct OutcomeCase {
  const char* statement;
  int result;
  std::string_view message = "";
};

void PrintTo(const OutcomeCase& c, std::ostream* os) { *os << c.statement; }

class Outcome : public LogicStatements, public testing::WithParamInterface<OutcomeCase> {};

TEST_P(Outcome, AcceptedOrRejectedWithItsMessage) {
  const OutcomeCase& c = GetParam();
  EXPECT_EQ(Parse(c.statement), c.result);
  EXPECT_EQ(project->parser_message, c.message);
  if (c.result != 0) {
    EXPECT_TRUE(project->evaluation.empty()) << "a rejected block is not registered";
  }
}

const std::string kElevenInputs = "AND.1=DI.1|DI.2|DI.3|DI.4|DI.5|DI.6|DI.7|HI|LO|TIM.1|NOPE";

INSTANTIATE_TEST_SUITE_P(
    Blocks, Outcome,
    testing::Values(
        // TIM
        OutcomeCase{"TIM.1=HI:R|LO:500|ENABLE:DI.1", 0}, OutcomeCase{"TIM.1=HI:1000|LO:500", 0},
        OutcomeCase{"TIM.1=", 0}, OutcomeCase{"TIM.50=HI:1", 0},
        OutcomeCase{"TIM.51=HI:1", 1, "TIM has 50 instances"}, OutcomeCase{"TIM.1=ENABLE:ADC.1", 1},
        OutcomeCase{"TIM.1=ENABLE:DI.8", 1}, OutcomeCase{"TIM.1=PERIOD:5", 1}, OutcomeCase{"TIM.1=HI", 1},
        OutcomeCase{"TIM.1=HI:1||LO:2", 1},
        // COUNTER
        OutcomeCase{"COUNTER.1=UP:DI.1|DOWN_F:DI.2|RESET_F:DI.3|DEF:0|MIN:0|MAX:2|TYPE:OVER", 0},
        OutcomeCase{"COUNTER.1=TYPE:LIMIT", 0}, OutcomeCase{"COUNTER.1=TYPE:WRAP", 1},
        OutcomeCase{"COUNTER.1=UP:ADC.1", 1}, OutcomeCase{"COUNTER.1=RESET_F:NOPE", 1},
        OutcomeCase{"COUNTER.1=UP_R:DI.1", 1}, OutcomeCase{"COUNTER.51=DEF:1", 1, "COUNTER has 50 instances"},
        // PEAK
        OutcomeCase{"PEAK.1=INPUT:ADC.1|ENABLE:NOPE", 0}, OutcomeCase{"PEAK.1=RESET_F:ADC.1", 0},
        OutcomeCase{"PEAK.20=TYPE:MIN", 0}, OutcomeCase{"PEAK.1=INPUT:NOPE", 1}, OutcomeCase{"PEAK.1=TYPE:AVG", 1},
        OutcomeCase{"PEAK.21=INPUT:ADC.1", 1, "PEAK has 20 instances"},
        // FILTER
        OutcomeCase{"FILTER.1=INPUT:ADC.1|STEP_PER_S:100", 0}, OutcomeCase{"FILTER.1=TYPE:F1", 0},
        OutcomeCase{"FILTER.1=TYPE:F2", 1}, OutcomeCase{"FILTER.1=ENABLE:NOPE", 1},
        OutcomeCase{"FILTER.1=STEP:1", 1}, OutcomeCase{"FILTER.21=TYPE:F1", 1, "FILTER has 20 instances"},
        // MATH
        OutcomeCase{"MATH.1=ADC.1+27*8", 0}, OutcomeCase{"MATH.20=(1+2", 0},
        OutcomeCase{"MATH.1=", 1, "Пустое выражение"}, OutcomeCase{"MATH.1=1+", 1, "Пустое выражение"},
        OutcomeCase{"MATH.1=(1)2", 1, "Конец выражения ожидается"},
        OutcomeCase{"MATH.1=cos+1", 1, "Пропущеннаи открывающая скобка"}, OutcomeCase{"MATH.1=2^3", 1},
        OutcomeCase{"MATH.1=arctg(1)", 1}, OutcomeCase{"MATH.21=1", 1, "MATH has 20 instances"},
        // CONVERT
        OutcomeCase{"CONVERT.1=INPUT:ADC.1|AXIS_X:1|AXIS_Y:2", 0}, OutcomeCase{"CONVERT.1=AXIS_X:50", 0},
        OutcomeCase{"CONVERT.1=AXIS_X:0", 1, "AXIS_X must be 1 to 50"},
        OutcomeCase{"CONVERT.1=AXIS_Y:51", 1, "AXIS_Y must be 1 to 50"}, OutcomeCase{"CONVERT.1=INPUT:DI.1", 1},
        OutcomeCase{"CONVERT.51=INPUT:ADC.1", 1, "CONVERT has 50 instances"},
        // AXIS
        OutcomeCase{"AXIS.1=0|5", 0}, OutcomeCase{"AXIS.50=0|5", 0}, OutcomeCase{"AXIS.1=5", 1},
        OutcomeCase{"AXIS.1=0|5|", 1}, OutcomeCase{"AXIS.1=|0|5", 1}, OutcomeCase{"AXIS.1=", 1},
        OutcomeCase{"AXIS.51=0|5", 1, "AXIS has 50 instances"},
        // COMPARE
        OutcomeCase{"COMPARE.1=ADC.8>10.2|1", 0}, OutcomeCase{"COMPARE.200=ADC.8>ADC.1|2", 0},
        OutcomeCase{"COMPARE.1=ADC.1>-5", 1}, OutcomeCase{"COMPARE.1=ADC.1>=5", 1},
        OutcomeCase{"COMPARE.1=ADC.1", 1}, OutcomeCase{"COMPARE.1=>5", 1}, OutcomeCase{"COMPARE.1=NOPE<5", 1},
        OutcomeCase{"COMPARE.1=DI.1<5", 1}, OutcomeCase{"COMPARE.1=ADC.1=", 1},
        OutcomeCase{"COMPARE.201=ADC.1>1", 1, "COMPARE has 200 instances"},
        // AND, OR, NOT
        OutcomeCase{"AND.1=HI|LO", 0}, OutcomeCase{kElevenInputs.c_str(), 0}, OutcomeCase{"AND.1=HI", 1},
        OutcomeCase{"AND.1=HI|LO|DI.9", 1}, OutcomeCase{"AND.1=HI|LO|", 1}, OutcomeCase{"AND.1=", 1},
        OutcomeCase{"OR.1=HI|ADC.1", 1}, OutcomeCase{"OR.100=HI|LO", 0},
        OutcomeCase{"AND.101=HI|LO", 1, "AND has 100 instances"},
        OutcomeCase{"OR.101=HI|LO", 1, "OR has 100 instances"}, OutcomeCase{"NOT.1=DI.1", 0},
        OutcomeCase{"NOT.1=ADC.1", 1}, OutcomeCase{"NOT.1=", 1}, OutcomeCase{"NOT.1=HI|LO", 1},
        OutcomeCase{"NOT.101=HI", 1, "NOT has 100 instances"},
        // CHECK_BIT
        OutcomeCase{"CHECK_BIT.1=INPUT:CAN1_CHANNEL.3|BIT:5", 0}, OutcomeCase{"CHECK_BIT.1=INPUT:DI.1", 1},
        OutcomeCase{"CHECK_BIT.1=BYTE:1", 1}, OutcomeCase{"CHECK_BIT.101=BIT:1", 1, "CHECK_BIT has 100 instances"},
        // CAN_STREAM
        OutcomeCase{"CAN_STREAM.1=BIT_0:DI.1|BIT_15:HI", 0}, OutcomeCase{"CAN_STREAM.1=BIT_16:HI", 1},
        OutcomeCase{"CAN_STREAM.1=BIT_01:HI", 1}, OutcomeCase{"CAN_STREAM.1=BIT_3:NOPE", 1},
        OutcomeCase{"CAN_STREAM.201=BIT_0:HI", 1, "CAN_STREAM has 200 instances"},
        // MEMORY
        OutcomeCase{"MEMORY.1=WRITE:DI.1|INPUT:ADC.1|DELAY:1500.7", 0}, OutcomeCase{"MEMORY.1=INPUT:0x1F", 0},
        OutcomeCase{"MEMORY.1=INPUT:", 0}, OutcomeCase{"MEMORY.1=WRITE_F:NOPE", 0},
        OutcomeCase{"MEMORY.1=INPUT:-5", 1}, OutcomeCase{"MEMORY.1=INPUT:1e3", 1},
        OutcomeCase{"MEMORY.1=INPUT:0xZZ", 1}, OutcomeCase{"MEMORY.1=WRITE:HI|READ:LO", 1},
        OutcomeCase{"MEMORY.21=DELAY:1", 1, "MEMORY has 20 instances"}));

// The @name of a statement names its output; evaluated kinds are registered.
struct NamingCase {
  const char* statement;
  ValueKind kind;  // None: the statement takes no @name
  Link output;
  std::optional<EvaluationEntry> registered;
};

void PrintTo(const NamingCase& c, std::ostream* os) { *os << c.statement; }

class Naming : public LogicStatements, public testing::WithParamInterface<NamingCase> {};

TEST_P(Naming, NamesTheOutputAndRegistersTheBlock) {
  const NamingCase& c = GetParam();
  ASSERT_EQ(Parse(c.statement), 0);
  const Link digital = ResolveDigital(*project, "@x");
  const Link analogue = ResolveAnalogue(*project, "@x");
  EXPECT_EQ(digital, c.kind == ValueKind::Digital ? c.output : Link{});
  EXPECT_EQ(analogue, c.kind == ValueKind::Analogue ? c.output : Link{});
  if (c.registered) {
    EXPECT_EQ(project->evaluation, std::vector<EvaluationEntry>{*c.registered});
  } else {
    EXPECT_TRUE(project->evaluation.empty());
  }
}

constexpr ValueKind kD = ValueKind::Digital;
constexpr ValueKind kA = ValueKind::Analogue;

INSTANTIATE_TEST_SUITE_P(
    Blocks, Naming,
    testing::Values(
        NamingCase{"@x=TIM.3=HI:1", kD, Ref("TIM", 3), EvaluationEntry{BlockKind::Tim, 2}},
        NamingCase{"@x=COMPARE.4=ADC.1>1", kD, Ref("COMPARE", 4), EvaluationEntry{BlockKind::Compare, 3}},
        NamingCase{"@x=AND.5=HI|LO", kD, Ref("AND", 5), EvaluationEntry{BlockKind::And, 4}},
        NamingCase{"@x=OR.6=HI|LO", kD, Ref("OR", 6), EvaluationEntry{BlockKind::Or, 5}},
        NamingCase{"@x=NOT.7=LO", kD, Ref("NOT", 7), EvaluationEntry{BlockKind::Not, 6}},
        NamingCase{"@x=CHECK_BIT.8=BIT:1", kD, Ref("CHECK_BIT", 8), EvaluationEntry{BlockKind::CheckBit, 7}},
        NamingCase{"@x=COUNTER.9=DEF:1", kA, Ref("COUNTER", 9), std::nullopt},
        NamingCase{"@x=PEAK.10=TYPE:MIN", kA, Ref("PEAK", 10), std::nullopt},
        NamingCase{"@x=FILTER.11=TYPE:F1", kA, Ref("FILTER", 11), EvaluationEntry{BlockKind::Filter, 10}},
        NamingCase{"@x=MATH.12=1", kA, Ref("MATH", 12), EvaluationEntry{BlockKind::Math, 11}},
        NamingCase{"@x=CONVERT.13=AXIS_X:1", kA, Ref("CONVERT", 13), EvaluationEntry{BlockKind::Convert, 12}},
        NamingCase{"@x=MEMORY.14=DELAY:1", kA, Ref("MEMORY", 14), EvaluationEntry{BlockKind::Memory, 13}},
        NamingCase{"@x=CAN_STREAM.15=BIT_0:HI", kA, Ref("CAN_STREAM", 15),
                   EvaluationEntry{BlockKind::CanStream, 14}},
        NamingCase{"@x=AXIS.16=0|1", ValueKind::None, {}, std::nullopt}));

// Each statement read twice: both accepted; blocks with a declared flag
// leave the message on the second, and registered kinds are registered twice.
struct RepeatCase {
  const char* statement;
  bool declared_rule;
  bool registered;
};

void PrintTo(const RepeatCase& c, std::ostream* os) { *os << c.statement; }

class Repeated : public LogicStatements, public testing::WithParamInterface<RepeatCase> {};

TEST_P(Repeated, SecondStatementReplacesTheFirst) {
  const RepeatCase& c = GetParam();
  ASSERT_EQ(Parse(c.statement), 0);
  EXPECT_EQ(project->parser_message, "");
  ASSERT_EQ(Parse(c.statement), 0);
  EXPECT_EQ(project->parser_message, c.declared_rule ? kRedeclared : "");
  EXPECT_EQ(project->evaluation.size(), c.registered ? 2u : 0u);
  if (c.registered) {
    EXPECT_EQ(project->evaluation[0], project->evaluation[1]);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, Repeated,
    testing::Values(RepeatCase{"TIM.1=HI:1", true, true}, RepeatCase{"COUNTER.2=DEF:1", true, false},
                    RepeatCase{"PEAK.3=TYPE:MIN", true, false}, RepeatCase{"FILTER.4=TYPE:F1", true, true},
                    RepeatCase{"CONVERT.5=AXIS_X:1", true, true}, RepeatCase{"AXIS.6=0|1", true, false},
                    RepeatCase{"COMPARE.7=ADC.1>1", true, true}, RepeatCase{"AND.8=HI|LO", true, true},
                    RepeatCase{"OR.9=HI|LO", true, true}, RepeatCase{"NOT.10=HI", true, true},
                    RepeatCase{"CHECK_BIT.11=BIT:1", true, true}, RepeatCase{"CAN_STREAM.12=BIT_0:HI", true, true},
                    RepeatCase{"MATH.13=1+1", false, true}, RepeatCase{"MEMORY.14=DELAY:1", false, true}));

TEST_F(LogicStatements, RejectedStatementIsNeitherDeclaredNorRegisteredNorNamed) {
  EXPECT_EQ(Parse("@n=TIM.2=HI:7|ENABLE:ADC.1"), 1);
  EXPECT_EQ(logic().tim[1].declared, 0);
  EXPECT_EQ(logic().tim[1].hi, 7) << "fields read before the failing one stay";
  EXPECT_TRUE(project->evaluation.empty());
  EXPECT_TRUE(ResolveDigital(*project, "@n").Empty());
  ASSERT_EQ(Parse("TIM.2=HI:1"), 0);
  EXPECT_EQ(project->parser_message, "");
}

TEST_F(LogicStatements, ExistingNameRejectsTheStatementButTheBlockStaysFilledAndRegistered) {
  ASSERT_EQ(Parse("@t=TIM.1=HI:100|LO:100|ENABLE:HI"), 0);
  EXPECT_EQ(Parse("@t=TIM.2=HI:300|LO:400|ENABLE:LO"), 1);
  EXPECT_EQ(Parse("@door=COUNTER.1=DEF:3"), 1);
  EXPECT_EQ(logic().tim[1].hi, 300);
  EXPECT_EQ(logic().tim[1].declared, 1);
  EXPECT_EQ(logic().counter[0].output, 3.0f);
  EXPECT_EQ(project->evaluation.size(), 2u);
  EXPECT_EQ(ResolveDigital(*project, "@t"), Ref("TIM", 1));
}

TEST_F(LogicStatements, EvaluationListTakesAThousandEntries) {
  for (size_t i = 0; i < kMaxEvaluationEntries; ++i) ASSERT_EQ(Parse("NOT.1=HI"), 0) << i;
  EXPECT_EQ(Parse("TIM.1=HI:1"), 1);
  EXPECT_EQ(project->parser_message, "evaluation list is full (1000 blocks)");
  EXPECT_EQ(project->evaluation.size(), kMaxEvaluationEntries);
  EXPECT_EQ(Parse("COUNTER.1=DEF:1"), 0) << "a block that is not registered still fits";
}

struct TimCase {
  const char* statement;
  int32_t hi;
  int32_t lo;
  Link enable;
};

void PrintTo(const TimCase& c, std::ostream* os) { *os << c.statement; }

class TimFields : public LogicStatements, public testing::WithParamInterface<TimCase> {};

TEST_P(TimFields, Stored) {
  ASSERT_EQ(Parse(GetParam().statement), 0);
  const TimBlock& tim = logic().tim[0];
  EXPECT_EQ(tim.hi, GetParam().hi);
  EXPECT_EQ(tim.lo, GetParam().lo);
  EXPECT_EQ(tim.enable, GetParam().enable);
  EXPECT_EQ(tim.declared, 1);
}

INSTANTIATE_TEST_SUITE_P(Values, TimFields,
                         testing::Values(TimCase{"TIM.1=HI:R|LO:500|ENABLE:DI.1", -1, 500, Ref("DI", 1)},
                                         TimCase{"TIM.1=HI:1000|LO:R", 1000, -1, {}},
                                         TimCase{"TIM.1=HI:12x|LO:x", 12, 0, {}},
                                         TimCase{"TIM.1=HI:r|LO:5|LO:7|ENABLE:@door", 0, 7, Ref("DI", 2)}));

TEST_F(LogicStatements, TimKeepsItsEnableAndResetsItsTimes) {
  ASSERT_EQ(Parse("TIM.1=HI:100|LO:200|ENABLE:DI.3"), 0);
  ASSERT_EQ(Parse("TIM.1=HI:5"), 0);
  EXPECT_EQ(logic().tim[0].enable, Ref("DI", 3));
  EXPECT_EQ(logic().tim[0].hi, 5);
  EXPECT_EQ(logic().tim[0].lo, 0);
}

TEST_F(LogicStatements, CounterStoresEdgesLimitsAndType) {
  ASSERT_EQ(Parse("COUNTER.1=UP:DI.1|DOWN_F:DI.2|RESET_F:DI.3|DEF:0|MIN:0|MAX:2|TYPE:OVER"), 0);
  const CounterBlock& first = logic().counter[0];
  EXPECT_EQ(first.edges, 6);
  EXPECT_EQ(first.type, 0);
  EXPECT_EQ(first.up, Ref("DI", 1));
  EXPECT_EQ(first.down, Ref("DI", 2));
  EXPECT_EQ(first.reset, Ref("DI", 3));
  EXPECT_EQ(first.max, 2.0f);

  ASSERT_EQ(Parse("COUNTER.2=UP_F:@door|DEF:5.9|MIN:-3|TYPE:LIMIT|REMEMBER:300"), 0);
  CounterBlock& second = logic().counter[1];
  EXPECT_EQ(second.edges, 1);
  EXPECT_EQ(second.up, Ref("DI", 2));
  EXPECT_EQ(second.def, 5.0f) << "DEF is an integer";
  EXPECT_EQ(second.output, 5.0f);
  EXPECT_EQ(second.min, -3.0f);
  EXPECT_EQ(second.max, 0.0f);
  EXPECT_EQ(second.type, 1);
  EXPECT_EQ(second.remember, 44) << "300 kept in 8 bits";

  // Read again: links and REMEMBER stay, the rest returns to its defaults.
  second.output = 9.0f;
  ASSERT_EQ(Parse("COUNTER.2=MAX:9"), 0);
  EXPECT_EQ(second.up, Ref("DI", 2));
  EXPECT_EQ(second.remember, 44);
  EXPECT_EQ(second.edges, 0);
  EXPECT_EQ(second.def, 0.0f);
  EXPECT_EQ(second.output, 0.0f);
  EXPECT_EQ(second.type, 0);
  EXPECT_EQ(second.max, 9.0f);
}

TEST_F(LogicStatements, PeakDefaultsAndUnresolvedFields) {
  ASSERT_EQ(Parse("PEAK.1=INPUT:ADC.1|ENABLE:NOPE|RESET:ADC.1"), 0);
  EXPECT_EQ(logic().peak[0].input, Ref("ADC", 1));
  EXPECT_TRUE(logic().peak[0].enable.Empty());
  EXPECT_TRUE(logic().peak[0].reset.Empty());

  ASSERT_EQ(Parse("PEAK.2=INPUT:@oil"), 0);
  const PeakBlock& defaults = logic().peak[1];
  EXPECT_EQ(defaults.input, Ref("ADC", 2));
  EXPECT_EQ(defaults.enable, kLinkHi);
  EXPECT_EQ(defaults.type, 0);
  EXPECT_EQ(defaults.edges, 0);
  EXPECT_EQ(defaults.reset_value, 0.0f);

  ASSERT_EQ(Parse("PEAK.3=INPUT:ADC.1|RESET_F:DI.4|RESET_VALUE:-2.5|TYPE:MIN|REMEMBER:1|ENABLE:DI.5"), 0);
  const PeakBlock& full = logic().peak[2];
  EXPECT_EQ(full.edges, 1);
  EXPECT_EQ(full.reset, Ref("DI", 4));
  EXPECT_EQ(full.reset_value, -2.5f);
  EXPECT_EQ(full.output, -2.5f);
  EXPECT_EQ(full.type, 1);
  EXPECT_EQ(full.remember, 1);
  EXPECT_EQ(full.enable, Ref("DI", 5));
}

struct FilterCase {
  const char* statement;
  float step;
  Link enable;
};

void PrintTo(const FilterCase& c, std::ostream* os) { *os << c.statement; }

class FilterFields : public LogicStatements, public testing::WithParamInterface<FilterCase> {};

TEST_P(FilterFields, StepInMillisecondsAndTheTimeNoted) {
  project->clock_ms = 1234;
  FilterBlock& filter = logic().filter[0];
  filter.started = 1;
  filter.output = 8.0f;
  ASSERT_EQ(Parse(GetParam().statement), 0);
  EXPECT_EQ(filter.step, GetParam().step);
  EXPECT_EQ(filter.enable, GetParam().enable);
  EXPECT_EQ(filter.last_update, 1234u);
  EXPECT_EQ(filter.started, 0);
  EXPECT_EQ(filter.output, 0.0f);
  EXPECT_EQ(filter.type, 0);
}

INSTANTIATE_TEST_SUITE_P(Values, FilterFields,
                         testing::Values(FilterCase{"FILTER.1=INPUT:ADC.1|STEP_PER_S:100", 0.1f, kLinkHi},
                                         FilterCase{"FILTER.1=STEP_PER_MS:0.25|ENABLE:DI.1", 0.25f, Ref("DI", 1)},
                                         FilterCase{"FILTER.1=STEP_PER_S:100|STEP_PER_MS:3", 3.0f, kLinkHi},
                                         FilterCase{"FILTER.1=TYPE:F1", 0.0f, kLinkHi},
                                         // Scaled as written, then kept as a 32-bit real.
                                         FilterCase{"FILTER.1=STEP_PER_S:0.1", static_cast<float>(0.1 * 0.001), kLinkHi},
                                         FilterCase{"FILTER.1=STEP_PER_S:1e40", 1e37f, kLinkHi}));

TEST_F(LogicStatements, MathStoresItsCompiledExpression) {
  *project->Analogue(Ref("ADC", 1)) = 1.5f;
  ASSERT_EQ(Parse("MATH.3=ADC.1+27*8"), 0);
  const MathBlock& math = logic().math[2];
  EXPECT_EQ(math.valid, 1);
  ASSERT_NE(math.expression, kNoNode);
  EXPECT_EQ(EvaluateExpression(*project, math.expression), 217.5);

  // A failing expression leaves the block as it was and says why.
  const int16_t before = math.expression;
  EXPECT_EQ(Parse("MATH.3=1+"), 1);
  EXPECT_EQ(project->parser_message, "Пустое выражение");
  EXPECT_EQ(math.expression, before);
}

TEST_F(LogicStatements, MathBeyondTheNodeRegistryIsRefused) {
  for (int i = 0; i < 66; ++i) ASSERT_EQ(Parse("MATH.1=1+2"), 0) << i;
  EXPECT_EQ(Parse("MATH.2=1+2"), 1);
  EXPECT_EQ(project->parser_message, "no room for more expression nodes (200 nodes)");
  EXPECT_EQ(logic().math[1].valid, 0);
  EXPECT_EQ(project->expressions.count, 198);
}

TEST_F(LogicStatements, ConvertStoresZeroBasedAxisNumbers) {
  ASSERT_EQ(Parse("CONVERT.1=INPUT:@oil|AXIS_X:3|AXIS_Y:50"), 0);
  EXPECT_EQ(logic().convert[0].input, Ref("ADC", 2));
  EXPECT_EQ(logic().convert[0].axis_x, 2);
  EXPECT_EQ(logic().convert[0].axis_y, 49);
  ASSERT_EQ(Parse("CONVERT.1="), 0);
  EXPECT_TRUE(logic().convert[0].input.Empty());
  EXPECT_EQ(logic().convert[0].axis_x, 0);
  EXPECT_EQ(logic().convert[0].axis_y, 0);
}

std::string Numbers(int count, bool trailing_bar) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += (i > 1 ? "|" : "") + std::to_string(i);
  return trailing_bar ? text + "|" : text;
}

std::vector<float> Series(int count) {
  std::vector<float> points;
  for (int i = 1; i <= count; ++i) points.push_back(static_cast<float>(i));
  return points;
}

struct AxisCase {
  std::string value;
  int result;
  std::vector<float> points;
};

void PrintTo(const AxisCase& c, std::ostream* os) { *os << c.value; }

class AxisPoints : public LogicStatements, public testing::WithParamInterface<AxisCase> {};

TEST_P(AxisPoints, CountAndValues) {
  const AxisCase& c = GetParam();
  EXPECT_EQ(Parse("AXIS.1=" + c.value), c.result);
  const AxisBlock& axis = logic().axis[0];
  EXPECT_EQ(axis.declared, c.result == 0 ? 1 : 0);
  if (c.result != 0) return;
  EXPECT_EQ(std::vector<float>(axis.points.begin(), axis.points.begin() + axis.count), c.points);
}

INSTANTIATE_TEST_SUITE_P(Values, AxisPoints,
                         testing::Values(AxisCase{"0|5", 0, {0, 5}}, AxisCase{"1.5|-2|3e2", 0, {1.5f, -2, 300}},
                                         AxisCase{"0||5", 0, {0, 0, 5}}, AxisCase{"5", 1, {}},
                                         AxisCase{"0|5|", 1, {}}, AxisCase{"|0|5", 1, {}}, AxisCase{"", 1, {}},
                                         AxisCase{Numbers(32, false), 0, Series(32)},
                                         AxisCase{Numbers(32, true), 0, Series(32)},
                                         AxisCase{Numbers(33, false), 0, Series(32)},
                                         AxisCase{Numbers(40, false) + "|x|", 0, Series(32)}));

TEST_F(LogicStatements, AxisReadAgainStartsFromNoPoints) {
  ASSERT_EQ(Parse("AXIS.2=" + Numbers(10, false)), 0);
  ASSERT_EQ(Parse("AXIS.2=7|8"), 0);
  EXPECT_EQ(logic().axis[1].count, 2);
  EXPECT_EQ(Parse("AXIS.2=5"), 1);
  EXPECT_EQ(logic().axis[1].count, 0);
}

struct CompareCase {
  const char* value;
  char op;
  int32_t right_kind;
  Link left;
  Link right;
  float constant;
  int32_t dps;
};

void PrintTo(const CompareCase& c, std::ostream* os) { *os << c.value; }

class CompareFields : public LogicStatements, public testing::WithParamInterface<CompareCase> {};

TEST_P(CompareFields, Stored) {
  const CompareCase& c = GetParam();
  ASSERT_EQ(Parse(std::string("COMPARE.1=") + c.value), 0);
  const CompareBlock& compare = logic().compare[0];
  EXPECT_EQ(compare.op, c.op);
  EXPECT_EQ(compare.right_kind, c.right_kind);
  EXPECT_EQ(compare.left, c.left);
  if (c.right_kind == 1) {
    EXPECT_EQ(compare.right, c.right);
  } else {
    EXPECT_EQ(compare.right_constant, c.constant);
  }
  EXPECT_EQ(compare.dps, c.dps);
}

constexpr int32_t kMaxInt = std::numeric_limits<int32_t>::max();

INSTANTIATE_TEST_SUITE_P(
    Values, CompareFields,
    testing::Values(CompareCase{"ADC.8>10.2|1", '>', 2, Ref("ADC", 8), {}, 10.2f, 2},
                    CompareCase{"ADC.8>ADC.1|2", '>', 1, Ref("ADC", 8), Ref("ADC", 1), 0, 3},
                    CompareCase{"ADC.1<5", '<', 2, Ref("ADC", 1), {}, 5, 0},
                    CompareCase{"ADC.1=0.5|0", '=', 2, Ref("ADC", 1), {}, 0.5f, 1},
                    CompareCase{"@oil<MATH.3", '<', 1, Ref("ADC", 2), Ref("MATH", 3), 0, 0},
                    CompareCase{"ADC.1>5|", '>', 2, Ref("ADC", 1), {}, 5, 1},
                    CompareCase{"ADC.1<2|3|4", '<', 2, Ref("ADC", 1), {}, 2, 4},
                    CompareCase{"ADC.1>5|2147483647", '>', 2, Ref("ADC", 1), {}, 5, kMaxInt}));

TEST_F(LogicStatements, CompareReadAgainClearsOperandKindOperatorAndDps) {
  ASSERT_EQ(Parse("COMPARE.1=ADC.8>10.2|1"), 0);
  EXPECT_EQ(Parse("COMPARE.1=NOPE"), 1);
  EXPECT_EQ(logic().compare[0].op, 0);
  EXPECT_EQ(logic().compare[0].right_kind, 0);
  EXPECT_EQ(logic().compare[0].dps, 0);
}

TEST_F(LogicStatements, GatesHoldExactlyTheListedInputs) {
  ASSERT_EQ(Parse("AND.1=HI|LO|DI.1"), 0);
  ASSERT_EQ(Parse("AND.1=DI.2|@door"), 0);
  std::array<Link, 10> expected{};
  expected[0] = Ref("DI", 2);
  expected[1] = Ref("DI", 2);
  EXPECT_EQ(logic().and_[0].inputs, expected);

  ASSERT_EQ(Parse(kElevenInputs), 0);
  EXPECT_EQ(logic().and_[0].inputs[9], Ref("TIM", 1));
  ASSERT_EQ(Parse("OR.3=COMPARE.200|NOT.1|LO"), 0);
  expected = {Ref("COMPARE", 200), Ref("NOT", 1), kLinkLo};
  EXPECT_EQ(logic().or_[2].inputs, expected);
  EXPECT_EQ(logic().and_[2].inputs, (std::array<Link, 10>{})) << "AND and OR are separate tables";
}

TEST_F(LogicStatements, NotAndCheckBitStoreTheirInputs) {
  ASSERT_EQ(Parse("NOT.4=@door"), 0);
  EXPECT_EQ(logic().not_[3].input, Ref("DI", 2));
  ASSERT_EQ(Parse("CHECK_BIT.1=INPUT:CAN1_CHANNEL.3|BIT:37"), 0);
  EXPECT_EQ(logic().check_bit[0].input, Ref("CAN1_CHANNEL", 3));
  EXPECT_EQ(logic().check_bit[0].bit, 37);
  ASSERT_EQ(Parse("CHECK_BIT.1=BIT:300"), 0);
  EXPECT_TRUE(logic().check_bit[0].input.Empty());
  EXPECT_EQ(logic().check_bit[0].bit, 44);
}

TEST_F(LogicStatements, CanStreamEmptiesAllBitsFirst) {
  ASSERT_EQ(Parse("CAN_STREAM.1=BIT_0:DI.1|BIT_15:HI|BIT_7:TIM.2"), 0);
  std::array<Link, 16> expected{};
  expected[0] = Ref("DI", 1);
  expected[7] = Ref("TIM", 2);
  expected[15] = kLinkHi;
  EXPECT_EQ(logic().can_stream[0].bits, expected);
  ASSERT_EQ(Parse("CAN_STREAM.1=BIT_1:LO"), 0);
  expected = {};
  expected[1] = kLinkLo;
  EXPECT_EQ(logic().can_stream[0].bits, expected);
}

struct MemoryCase {
  const char* statement;
  uint8_t edges;
  Link write;
  Link input;
  float constant;
  int32_t delay;
};

void PrintTo(const MemoryCase& c, std::ostream* os) { *os << c.statement; }

class MemoryFields : public LogicStatements, public testing::WithParamInterface<MemoryCase> {};

TEST_P(MemoryFields, Stored) {
  const MemoryCase& c = GetParam();
  MemoryBlock& memory = logic().memory[0];
  memory.state = {7, 7};
  memory.input_constant = 99.0f;
  ASSERT_EQ(Parse(c.statement), 0);
  EXPECT_EQ(memory.edges, c.edges);
  EXPECT_EQ(memory.write, c.write);
  EXPECT_EQ(memory.input, c.input);
  EXPECT_EQ(memory.input_constant, c.constant);
  EXPECT_EQ(memory.delay, c.delay);
  EXPECT_EQ(memory.state, (std::array<uint8_t, 2>{0, 1}));
}

INSTANTIATE_TEST_SUITE_P(
    Values, MemoryFields,
    testing::Values(MemoryCase{"MEMORY.1=WRITE:DI.1|INPUT:ADC.1|DELAY:1500.7", 0, Ref("DI", 1), Ref("ADC", 1), 0, 1500},
                    MemoryCase{"MEMORY.1=WRITE_F:DI.2|INPUT:12.5", 1, Ref("DI", 2), {}, 12.5f, 0},
                    MemoryCase{"MEMORY.1=INPUT:0x1F", 0, {}, {}, 31, 0},
                    MemoryCase{"MEMORY.1=INPUT:", 0, {}, {}, 0, 0},
                    MemoryCase{"MEMORY.1=WRITE:NOPE|DELAY:-3.9", 0, {}, {}, 0, -3},
                    MemoryCase{"MEMORY.1=INPUT:@oil|DELAY:1e12", 0, {}, Ref("ADC", 2), 0, kMaxInt},
                    MemoryCase{"MEMORY.1=DELAY:-1e12", 0, {}, {}, 0, std::numeric_limits<int32_t>::min()}));

}  // namespace
}  // namespace velk
