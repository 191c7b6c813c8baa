#include "script/lexical.h"

#include <gtest/gtest.h>

namespace velk {
namespace {

struct LexCase {
  const char* line;
  const char* statement;
  const char* comment;
};

void PrintTo(const LexCase& c, std::ostream* os) { *os << c.line; }

class LexicalRules : public testing::TestWithParam<LexCase> {};

TEST_P(LexicalRules, KeepsWhatTheRulesKeep) {
  const LexedLine lexed = ApplyLexicalRules(GetParam().line);
  EXPECT_EQ(lexed.statement, GetParam().statement);
  EXPECT_EQ(lexed.comment, GetParam().comment);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LexicalRules,
    testing::Values(
        LexCase{"TIM.1 = HI:1000 | LO:500  | ENABLE:DI.1;", "TIM.1=HI:1000|LO:500|ENABLE:DI.1;", ""},
        LexCase{"TEXT=TEXT:\"Oil  temp\" | X:1;", "TEXT=TEXT:\"Oil  temp\"|X:1;", ""},
        LexCase{"\tRECTANGLE=W:5;\r", "RECTANGLE=W:5;", ""},
        LexCase{"RECTANGLE=PAGE:1|W:5|H:5;//Frame\r", "RECTANGLE=PAGE:1|W:5|H:5;", "Frame"},
        LexCase{"     //Ver.1.01;", "", "Ver.1.01;"},
        // The search for "//" ignores quotes.
        LexCase{"TEXT=TEXT:\"a//b\";", "TEXT=TEXT:\"a", "b\";"},
        LexCase{"   \t  \r", "", ""},
        LexCase{"A=\"x\ty\";", "A=\"xy\";", ""},
        LexCase{"END;//", "END;", ""}));

TEST(FindChar, CountsFromTheStart) {
  EXPECT_EQ(FindChar("TIM.1=HI", 0, '='), 5u);
  EXPECT_EQ(FindChar("TIM.1=HI", 2, '='), 3u);
  EXPECT_EQ(FindChar("TIM.1=HI", 6, '='), std::nullopt);
  EXPECT_EQ(FindChar("ab", 9, 'a'), std::nullopt);
}

TEST(SplitIndexed, NameInstanceAndDot) {
  Indexed adc = SplitIndexed("ADC.3");
  EXPECT_EQ(adc.name, "ADC");
  EXPECT_EQ(adc.instance, 3);
  EXPECT_TRUE(adc.has_dot);
  Indexed hi = SplitIndexed("HI");
  EXPECT_EQ(hi.name, "HI");
  EXPECT_EQ(hi.instance, 1);
  EXPECT_FALSE(hi.has_dot);
  Indexed odd = SplitIndexed("X.2.5");
  EXPECT_EQ(odd.name, "X");
  EXPECT_EQ(odd.instance, 2);
  EXPECT_EQ(SplitIndexed("ADC.").instance, 0);
}

TEST(SplitField, SplitsAtTheFirstColon) {
  const auto field = SplitField("TIME:12:30");
  ASSERT_TRUE(field);
  EXPECT_EQ(field->first, "TIME");
  EXPECT_EQ(field->second, "12:30");
  EXPECT_FALSE(SplitField("NOCOLON"));
  EXPECT_EQ(SplitField(":x")->first, "");
}

TEST(SplitFieldList, ReadsAtMostNineteenFields) {
  std::string value;
  for (int i = 1; i <= 25; ++i) value += (i > 1 ? "|F" : "F") + std::to_string(i) + ":1";
  const std::vector<std::string_view> fields = SplitFieldList(value);
  ASSERT_EQ(fields.size(), 19u);
  EXPECT_EQ(fields.front(), "F1:1");
  EXPECT_EQ(fields.back(), "F19:1");
}

TEST(SplitFieldList, EmptyListAndEmptyFields) {
  EXPECT_TRUE(SplitFieldList("").empty());
  EXPECT_EQ(SplitFieldList("A:1|").size(), 1u);
  EXPECT_EQ(SplitFieldList("A:1||B:2"), (std::vector<std::string_view>{"A:1", "", "B:2"}));
}

}  // namespace
}  // namespace velk
