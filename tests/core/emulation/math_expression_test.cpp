#include "emulation/math_expression.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>

#include "model/project.h"
#include "script/references.h"

namespace velk {
namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kLargest = std::numeric_limits<float>::max();

// A project with inputs to read: ADC.1 = 2.5, ADC.2 = -4 (also as @oil),
// MATH.2's value 7 and the digital @door.
class MathExpression : public testing::Test {
 protected:
  void SetUp() override {
    *project->Analogue({RowOf("ADC"), 1}) = 2.5f;
    *project->Analogue({RowOf("ADC"), 2}) = -4.0f;
    project->logic.math[1].output = 7.0f;
    ASSERT_TRUE(AddAnalogueName(*project, "@oil", {RowOf("ADC"), 2}));
    ASSERT_TRUE(AddDigitalName(*project, "@door", {RowOf("DI"), 1}));
  }
  float Evaluate(int16_t root) const { return NarrowToFloat(EvaluateExpression(*project, root)); }
  std::unique_ptr<Project> project = std::make_unique<Project>();
};

struct ValueCase {
  const char* text;
  double value;
  std::string_view diagnostic;
};

void PrintTo(const ValueCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class Values : public MathExpression, public testing::WithParamInterface<ValueCase> {};

TEST_P(Values, ParsesAndEvaluates) {
  const ValueCase& c = GetParam();
  const ParsedExpression parsed = ParseExpression(*project, c.text);
  ASSERT_NE(parsed.root, kNoNode) << parsed.diagnostic;
  EXPECT_FLOAT_EQ(Evaluate(parsed.root), static_cast<float>(c.value));
  EXPECT_EQ(parsed.diagnostic, c.diagnostic);
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, Values,
    testing::Values(
        ValueCase{"ADC.1+27*8", 218.5, ""}, ValueCase{"2-3-4", -5, ""}, ValueCase{"8/2/2", 2, ""},
        ValueCase{"2+3*4", 14, ""}, ValueCase{"2*3-4/8", 5.5, ""}, ValueCase{"(2+3)*4", 20, ""},
        ValueCase{"[1+2]*2", 6, ""}, ValueCase{" 1 +  2 ", 3, ""},
        // Signs: one before a function or a primary, also after an operator.
        ValueCase{"-cos(0)", -1, ""}, ValueCase{"+1", 1, ""}, ValueCase{"2*-3", -6, ""},
        ValueCase{"2--3", 5, ""}, ValueCase{"-2*3", -6, ""}, ValueCase{"-(1+2)*2", -6, ""},
        // Numbers and references.
        ValueCase{"1.5*2", 3, ""}, ValueCase{"5.", 5, ""}, ValueCase{"0.1", 0.1, ""},
        ValueCase{"@oil*2", -8, ""}, ValueCase{"MATH.2/2", 3.5, ""}, ValueCase{"ADC", 2.5, ""},
        // Either bracket kind on either side, and the tolerated closing bracket.
        ValueCase{"sin[0]", 0, ""}, ValueCase{"sin(0]", 0, ""}, ValueCase{"cos[0)", 1, ""},
        ValueCase{"(1+2", 3, ""}, ValueCase{"cos(sin(0)", 1, ""},
        ValueCase{"(1 2", 1, kDiagnosticMissingClose}, ValueCase{"cos(0 5*2", 2, kDiagnosticMissingClose},
        // The functions.
        ValueCase{"sin(1)", std::sin(1.0), ""}, ValueCase{"cos(1)", std::cos(1.0), ""},
        ValueCase{"tg(1)", std::tan(1.0), ""}, ValueCase{"ctg(1)", 1 / std::tan(1.0), ""},
        ValueCase{"arcsin(0.5)", std::asin(0.5), ""}, ValueCase{"arccos(0.5)", std::acos(0.5), ""},
        ValueCase{"arcctg(1)", std::atan(1.0), ""}, ValueCase{"arcctg(-1)", 3 * std::atan(1.0), ""},
        ValueCase{"sh(1)", std::sinh(1.0), ""}, ValueCase{"ch(1)", std::cosh(1.0), ""},
        ValueCase{"th(1)", std::tanh(1.0), ""}, ValueCase{"cth(1)", 1 / std::tanh(1.0), ""},
        ValueCase{"sin(ADC.1)*sin(ADC.1)+cos(ADC.1)*cos(ADC.1)", 1, ""}));

struct RejectCase {
  const char* text;
  std::string_view diagnostic;
};

void PrintTo(const RejectCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class Rejected : public MathExpression, public testing::WithParamInterface<RejectCase> {};

TEST_P(Rejected, FailsWithItsDiagnostic) {
  const ParsedExpression parsed = ParseExpression(*project, GetParam().text);
  EXPECT_EQ(parsed.root, kNoNode);
  EXPECT_EQ(parsed.diagnostic, GetParam().diagnostic);
  EXPECT_EQ(project->expressions.count, 0) << "a failed parse keeps no node";
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, Rejected,
    testing::Values(
        RejectCase{"", kDiagnosticEmpty}, RejectCase{"   ", kDiagnosticEmpty}, RejectCase{"1+", kDiagnosticEmpty},
        RejectCase{"2*(3-", kDiagnosticEmpty}, RejectCase{"-", kDiagnosticEmpty}, RejectCase{"sin", kDiagnosticEmpty},
        RejectCase{"1 2", kDiagnosticEndExpected}, RejectCase{"1)", kDiagnosticEndExpected},
        RejectCase{"(1 2)", kDiagnosticEndExpected}, RejectCase{"sin 0", kDiagnosticMissingOpen},
        RejectCase{"cos+1", kDiagnosticMissingOpen},
        // No text of their own: invalid characters, names that resolve to nothing, misplaced tokens.
        RejectCase{"--1", ""}, RejectCase{"-+1", ""}, RejectCase{"2^3", ""}, RejectCase{"arctg(1)", ""},
        RejectCase{"1.5e3", ""}, RejectCase{"sin0", ""}, RejectCase{"Sin(0)", ""}, RejectCase{"DI.1", ""},
        RejectCase{"@door", ""}, RejectCase{"ADC.9", ""}, RejectCase{"_x", ""}, RejectCase{".5", ""},
        RejectCase{"1+*2", ""}, RejectCase{"()", ""}, RejectCase{"1,5", ""}));

struct IeeeCase {
  const char* text;
  float value;  // NaN: not a number
};

void PrintTo(const IeeeCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class Ieee : public MathExpression, public testing::WithParamInterface<IeeeCase> {};

TEST_P(Ieee, OutOfRangeAndOutOfDomainGiveIeeeResults) {
  const ParsedExpression parsed = ParseExpression(*project, GetParam().text);
  ASSERT_NE(parsed.root, kNoNode);
  const float value = Evaluate(parsed.root);
  if (std::isnan(GetParam().value)) {
    EXPECT_TRUE(std::isnan(value)) << value;
  } else {
    EXPECT_EQ(value, GetParam().value);
  }
}

constexpr float kNan = std::numeric_limits<float>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Evaluation, Ieee,
    testing::Values(IeeeCase{"1/0", kInf}, IeeeCase{"-1/0", -kInf}, IeeeCase{"0/0", kNan},
                    IeeeCase{"arcsin(2)", kNan}, IeeeCase{"arccos(-3)", kNan}, IeeeCase{"ctg(0)", kInf},
                    IeeeCase{"cth(0)", kInf}, IeeeCase{"sh(1000)", kInf}, IeeeCase{"-sh(1000)", -kInf},
                    IeeeCase{"ch(100)", kInf}, IeeeCase{"th(100)", 1}, IeeeCase{"1/0-1/0", kNan},
                    IeeeCase{"99999999999999999999999999999999999999999", kInf},
                    IeeeCase{"1000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                             "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                             "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                             "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000",
                             kInf},
                    IeeeCase{"0.000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                             "00000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                             "00000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                             "0000000000000000000000000000000000000000000000000000000000000000000000000000000001",
                             0}));

struct NodeCountCase {
  const char* text;
  int nodes;
};

void PrintTo(const NodeCountCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class NodeCount : public MathExpression, public testing::WithParamInterface<NodeCountCase> {};

TEST_P(NodeCount, OneNodePerLeafOperatorSignAndFunction) {
  ASSERT_NE(ParseExpression(*project, GetParam().text).root, kNoNode);
  EXPECT_EQ(project->expressions.count, GetParam().nodes);
}

INSTANTIATE_TEST_SUITE_P(Registry, NodeCount,
                         testing::Values(NodeCountCase{"1", 1}, NodeCountCase{"+1", 1}, NodeCountCase{"(((1)))", 1},
                                         NodeCountCase{"-1", 2}, NodeCountCase{"1+2", 3},
                                         NodeCountCase{"-sin(ADC.1)", 3}, NodeCountCase{"1*2-3/4", 7}));

TEST_F(MathExpression, TreesShareTheRegistryAndReadInputsWhenEvaluated) {
  const int16_t first = ParseExpression(*project, "ADC.1*2").root;
  const int16_t second = ParseExpression(*project, "ADC.1+1").root;
  ASSERT_NE(first, kNoNode);
  ASSERT_NE(second, kNoNode);
  EXPECT_EQ(project->expressions.count, 6);
  EXPECT_EQ(Evaluate(first), 5.0f);
  EXPECT_EQ(Evaluate(second), 3.5f);
  *project->Analogue({RowOf("ADC"), 1}) = 10.0f;
  EXPECT_EQ(Evaluate(first), 20.0f);
  EXPECT_EQ(Evaluate(second), 11.0f);
}

// Inner results keep extended precision; only the value is kept as a 32-bit real.
TEST_F(MathExpression, EvaluatesInExtendedPrecision) {
  EXPECT_EQ(EvaluateExpression(*project, ParseExpression(*project, "16777216+1-16777216").root), 1.0);
  if (std::numeric_limits<long double>::digits <= std::numeric_limits<double>::digits)
    GTEST_SKIP() << "long double is no wider than double on this machine";
  // 1e16 as a 32-bit real is 10000000272564224; one more needs 54 bits.
  EXPECT_EQ(EvaluateExpression(*project, ParseExpression(*project, "10000000000000000+1-10000000000000000").root), 1.0);
}

TEST_F(MathExpression, ExpressionBeyondTheRegistryIsRejectedAndLeavesItAsItWas) {
  for (int i = 0; i < 66; ++i) ASSERT_NE(ParseExpression(*project, "1+2").root, kNoNode) << i;
  ASSERT_EQ(project->expressions.count, 198);
  const ParsedExpression refused = ParseExpression(*project, "1+2");
  EXPECT_EQ(refused.root, kNoNode);
  EXPECT_EQ(refused.diagnostic, "no room for more expression nodes (200 nodes)");
  EXPECT_EQ(project->expressions.count, 198);
  const ParsedExpression last = ParseExpression(*project, "-ADC.1");
  ASSERT_NE(last.root, kNoNode);
  EXPECT_EQ(project->expressions.count, 200);
  EXPECT_EQ(Evaluate(last.root), -2.5f);
  EXPECT_EQ(ParseExpression(*project, "1").root, kNoNode);
  EXPECT_EQ(project->expressions.count, 200);
}

TEST_F(MathExpression, FailedParseGivesItsNodesBack) {
  ASSERT_NE(ParseExpression(*project, "1").root, kNoNode);
  EXPECT_EQ(ParseExpression(*project, "1+2*3+").root, kNoNode);
  EXPECT_EQ(ParseExpression(*project, "1+2 3").root, kNoNode);
  EXPECT_EQ(project->expressions.count, 1);
  EXPECT_EQ(ParseExpression(*project, "4").root, 1);
}

TEST_F(MathExpression, BracketsNestUpToTheDepthLimit) {
  const auto nested = [](int depth) { return std::string(static_cast<size_t>(depth), '(') + "1"; };
  const ParsedExpression deepest = ParseExpression(*project, nested(kMaxExpressionDepth));
  ASSERT_NE(deepest.root, kNoNode);
  EXPECT_EQ(Evaluate(deepest.root), 1.0f);
  const ParsedExpression deeper = ParseExpression(*project, nested(kMaxExpressionDepth + 1));
  EXPECT_EQ(deeper.root, kNoNode);
  EXPECT_EQ(deeper.diagnostic, "brackets nested deeper than 200");
  EXPECT_EQ(ParseExpression(*project, nested(100000)).root, kNoNode);
}

TEST_F(MathExpression, RootOutsideTheRegistryEvaluatesToNotANumber) {
  EXPECT_TRUE(std::isnan(EvaluateExpression(*project, kNoNode)));
  EXPECT_TRUE(std::isnan(EvaluateExpression(*project, 0)));
}

TEST_F(MathExpression, ReleaseEmptiesTheRegistryAndDetachesTheBlocks) {
  const int16_t root = ParseExpression(*project, "ADC.1").root;
  project->logic.math[0] = MathBlock{root, 4.0f, 1};
  ReleaseExpressions(*project);
  EXPECT_EQ(project->expressions.count, 0);
  EXPECT_EQ(project->logic.math[0].expression, kNoNode);
  EXPECT_EQ(project->logic.math[0].valid, 0);
  EXPECT_EQ(project->logic.math[0].output, 4.0f);
  EXPECT_EQ(ParseExpression(*project, "2").root, 0);
}

TEST_F(MathExpression, ClearProjectReleasesTheTrees) {
  ASSERT_NE(ParseExpression(*project, "1+2").root, kNoNode);
  ClearProject(*project);
  EXPECT_EQ(project->expressions.count, 0);
}

struct NarrowCase {
  double value;
  float narrowed;
};

void PrintTo(const NarrowCase& c, std::ostream* os) { *os << c.value; }

class Narrow : public testing::TestWithParam<NarrowCase> {};

TEST_P(Narrow, RoundsToNearestLikeIeee) { EXPECT_EQ(NarrowToFloat(GetParam().value), GetParam().narrowed); }

// Halfway between the largest float and 2^128: from there on the value rounds to infinity.
const double kHalfway = std::ldexp(1.0, 128) - std::ldexp(1.0, 103);

INSTANTIATE_TEST_SUITE_P(
    Conversion, Narrow,
    testing::Values(NarrowCase{0.1, 0.1f}, NarrowCase{-2.5, -2.5f}, NarrowCase{kLargest, kLargest},
                    NarrowCase{std::nextafter(kHalfway, 0.0), kLargest},
                    NarrowCase{-std::nextafter(kHalfway, 0.0), -kLargest}, NarrowCase{kHalfway, kInf},
                    NarrowCase{1e39, kInf}, NarrowCase{-1e300, -kInf}, NarrowCase{kInf, kInf}));

TEST(NarrowNaN, StaysNotANumber) {
  EXPECT_TRUE(std::isnan(NarrowToFloat(std::numeric_limits<double>::quiet_NaN())));
}

}  // namespace
}  // namespace velk
