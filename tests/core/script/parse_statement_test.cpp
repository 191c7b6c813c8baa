#include "script/parse_statement.h"

#include <gtest/gtest.h>

#include <memory>

#include "model/project.h"
#include "script/references.h"

namespace velk {
namespace {

struct StatementCase {
  const char* statement;
  int result;
};

void PrintTo(const StatementCase& c, std::ostream* os) { *os << c.statement; }

class Statements : public testing::TestWithParam<StatementCase> {};

TEST_P(Statements, AcceptOrReject) {
  auto project = std::make_unique<Project>();
  EXPECT_EQ(ParseStatement(*project, GetParam().statement), GetParam().result) << GetParam().statement;
}

INSTANTIATE_TEST_SUITE_P(
    Dispatch, Statements,
    testing::Values(
        StatementCase{"GREND", 0}, StatementCase{"@x=GREND", 0},
        // Bare naming statements.
        StatementCase{"@d=DI.3", 0}, StatementCase{"@d=DI", 1}, StatementCase{"DI.3", 1},
        StatementCase{"@d=DI.0", 1}, StatementCase{"@d=DI.8", 1}, StatementCase{"@a=ADC.1", 1},
        StatementCase{"@c=CAN1_CHANNEL.200", 0}, StatementCase{"@c=CAN2_CHANNEL.201", 1},
        StatementCase{"@l=LAPTIME.16", 0}, StatementCase{"@b=BUTTON.8", 0}, StatementCase{"@f=FILTER.20", 0},
        StatementCase{"@k=KEYPAD_TOGGLE.20", 0}, StatementCase{"@x", 1}, StatementCase{"", 1},
        StatementCase{"@x=UNKNOWN.1", 1},
        // Unknown keywords and instance 0.
        StatementCase{"FOO=1", 1}, StatementCase{"FOO.1=1", 1}, StatementCase{"TIM.0=HI:1", 1},
        StatementCase{"rectangle=W:1", 1}, StatementCase{"END", 1},
        // Element statements.
        StatementCase{"RECTANGLE=PAGE:2|X:10|Y:20|W:50|H:30|COLOUR1:3|STYLE:SOLID", 0},
        StatementCase{"RECTANGLE=", 0}, StatementCase{"RECTANGLE=STYLE:DOTTED", 1},
        StatementCase{"RECTANGLE=SIZE:4", 1}, StatementCase{"RECTANGLE=W5", 1},
        StatementCase{"RECTANGLE=PAGE:0", 1}, StatementCase{"RECTANGLE=PAGE:11", 1},
        StatementCase{"RECTANGLE=PAGE:11|PAGE:3", 0}, StatementCase{"RECTANGLE=ENABLE:ADC.1", 1},
        StatementCase{"RECTANGLE=ENABLE:HI", 0}, StatementCase{"RECTANGLE=ENABLE:@nobody", 1},
        StatementCase{"RECTANGLE=GROUP:\"", 1}, StatementCase{"RECTANGLE=W:1||H:2", 1},
        StatementCase{"RECTANGLE=TEXT:\"x\"", 1}));

class ParseStatementTest : public testing::Test {
 protected:
  int Parse(const std::string& statement) { return ParseStatement(*project, statement); }
  const Struct_gr_element& Element(int page, size_t position) {
    return project->Page(page).elements.at(position);
  }
  std::unique_ptr<Project> project = std::make_unique<Project>();
};

TEST_F(ParseStatementTest, RectangleFieldsAreStoredWithZeroBasedColours) {
  ASSERT_EQ(Parse("RECTANGLE=PAGE:2|X:10|Y:20|W:50|H:30|COLOUR1:3|STYLE:V_SHADE"), 0);
  ASSERT_EQ(project->Page(2).count(), 1u);
  const Struct_gr_element& element = Element(2, 0);
  EXPECT_EQ(element.kind, kKindRectangle);
  EXPECT_EQ(element.page, 2);
  EXPECT_EQ(element.x, 10);
  EXPECT_EQ(element.y, 20);
  EXPECT_EQ(element.enable, kLinkHi);
  EXPECT_EQ(element.group_number, 0);
  const auto& rectangle = std::get<RectangleParams>(element.params);
  EXPECT_EQ(rectangle.w, 50);
  EXPECT_EQ(rectangle.h, 30);
  EXPECT_EQ(rectangle.colour1, 2);
  EXPECT_EQ(rectangle.colour2, 0);
  EXPECT_EQ(rectangle.style, 1);
}

TEST_F(ParseStatementTest, LaterFieldWinsAndFieldsPastNineteenAreNotExamined) {
  std::string statement = "RECTANGLE=W:1";
  for (int i = 0; i < 17; ++i) statement += "|H:" + std::to_string(i);
  statement += "|W:7";         // the 19th field
  statement += "|BOGUS:1|W:99|STYLE:DOTTED|X:1|Y:1|Z";  // 20th to 25th: ignored
  ASSERT_EQ(Parse(statement), 0);
  const auto& rectangle = std::get<RectangleParams>(Element(1, 0).params);
  EXPECT_EQ(rectangle.w, 7);
  EXPECT_EQ(rectangle.h, 16);
  EXPECT_EQ(Element(1, 0).x, 0);
}

TEST_F(ParseStatementTest, AtNameBeforeAnElementIsIgnored) {
  ASSERT_EQ(Parse("@x=RECTANGLE=PAGE:1|W:10|H:10"), 0);
  EXPECT_EQ(project->Page(1).count(), 1u);
  EXPECT_TRUE(project->names.empty());
}

TEST_F(ParseStatementTest, EnableThroughAnAtNameKeepsTheName) {
  ASSERT_EQ(Parse("@door=DI.2"), 0);
  ASSERT_EQ(Parse("RECTANGLE=ENABLE:@door"), 0);
  EXPECT_EQ(Element(1, 0).enable, (Link{RowOf("DI"), 2}));
  EXPECT_EQ(Element(1, 0).enable_name, "@door");
  ASSERT_EQ(Parse("RECTANGLE=ENABLE:DI.2"), 0);
  EXPECT_EQ(Element(1, 1).enable_name, "");
}

TEST_F(ParseStatementTest, BareNamingBindsTheKindOfItsSource) {
  ASSERT_EQ(Parse("@d=DI.3"), 0);
  ASSERT_EQ(Parse("@c=CAN2_CHANNEL.4"), 0);
  EXPECT_EQ(ResolveDigital(*project, "@d"), (Link{RowOf("DI"), 3}));
  EXPECT_TRUE(ResolveAnalogue(*project, "@d").Empty());
  EXPECT_EQ(ResolveAnalogue(*project, "@c"), (Link{RowOf("CAN2_CHANNEL"), 4}));
  // The same @name again is rejected.
  EXPECT_EQ(Parse("@d=DI.4"), 1);
  EXPECT_EQ(project->names.size(), 2u);
}

TEST_F(ParseStatementTest, BareNamingBeyondTheSourceSaysWhy) {
  EXPECT_EQ(Parse("@d=DI.9"), 1);
  EXPECT_EQ(project->parser_message, "DI has 7 instances");
  EXPECT_TRUE(project->names.empty());
}

TEST_F(ParseStatementTest, LongAtNameIsRefused) {
  EXPECT_EQ(Parse("@" + std::string(63, 'a') + "=DI.1"), 1);
  EXPECT_EQ(Parse("@" + std::string(62, 'a') + "=DI.1"), 0);
}

struct GroupCase {
  const char* field;
  const char* group;
};

void PrintTo(const GroupCase& c, std::ostream* os) { *os << c.field; }

class GroupField : public testing::TestWithParam<GroupCase> {};

TEST_P(GroupField, NameOfTheGroup) {
  auto project = std::make_unique<Project>();
  ASSERT_EQ(ParseStatement(*project, std::string("RECTANGLE=") + GetParam().field), 0);
  const Page_Def& page = project->Page(1);
  const Struct_gr_element& element = page.elements.back();
  EXPECT_EQ(element.group, GetParam().group);
  EXPECT_EQ(page.count(), *GetParam().group ? 2u : 1u);
  EXPECT_EQ(element.group_number, *GetParam().group ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Values, GroupField,
                         testing::Values(GroupCase{"GROUP:Left", "L"}, GroupCase{"GROUP:\"Oil panel\"", "Oil panel"},
                                         GroupCase{"GROUP:\"\"", ""}, GroupCase{"GROUP:0abc", ""},
                                         GroupCase{"GROUP:", ""}, GroupCase{"GROUP:\"ab", "a"}));

TEST_F(ParseStatementTest, GroupEntryStandsBeforeTheFirstMemberOnly) {
  project->current_comment = "Panel";
  ASSERT_EQ(Parse("RECTANGLE=GROUP:\"A\"|W:1"), 0);
  project->current_comment = "Bar";
  ASSERT_EQ(Parse("RECTANGLE=GROUP:\"A\"|W:2"), 0);
  ASSERT_EQ(Parse("RECTANGLE=PAGE:2|GROUP:\"A\"|W:3"), 0);
  ASSERT_EQ(project->Page(1).count(), 3u);
  EXPECT_EQ(Element(1, 0).kind, kKindGroup);
  EXPECT_EQ(Element(1, 0).comment, "A");
  EXPECT_EQ(Element(1, 1).comment, "Panel");
  EXPECT_EQ(Element(1, 1).group_number, 1);
  EXPECT_EQ(Element(1, 2).comment, "Bar");
  EXPECT_EQ(Element(1, 2).group_number, 1);
  EXPECT_EQ(Element(2, 1).group_number, 2);
}

TEST_F(ParseStatementTest, RejectedElementLeavesNoGroupBehind) {
  EXPECT_EQ(Parse("RECTANGLE=GROUP:\"A\"|STYLE:DOTTED"), 1);
  EXPECT_EQ(project->Page(1).count(), 0u);
  EXPECT_EQ(project->next_group, 1);
}

TEST_F(ParseStatementTest, FullPageRefusesTheElementAndItsNewGroup) {
  for (size_t i = 0; i + 1 < kMaxElements; ++i) ASSERT_EQ(Parse("RECTANGLE=W:1"), 0);
  // One place left: not enough for a new group's entry and its member.
  EXPECT_EQ(Parse("RECTANGLE=GROUP:\"A\""), 1);
  EXPECT_EQ(project->next_group, 1);
  EXPECT_EQ(Parse("RECTANGLE=W:1"), 0);
  EXPECT_EQ(Parse("RECTANGLE=W:1"), 1);
  EXPECT_EQ(project->Page(1).count(), kMaxElements);
  EXPECT_EQ(Parse("RECTANGLE=PAGE:2"), 0);
}

TEST_F(ParseStatementTest, MemberOfAnExistingGroupTakesTheLastPlace) {
  ASSERT_EQ(Parse("RECTANGLE=GROUP:\"A\""), 0);
  while (project->Page(1).count() + 1 < kMaxElements) ASSERT_EQ(Parse("RECTANGLE=W:1"), 0);
  EXPECT_EQ(Parse("RECTANGLE=GROUP:\"A\""), 0);
  EXPECT_EQ(project->Page(1).count(), kMaxElements);
  EXPECT_EQ(Element(1, kMaxElements - 1).group_number, 1);
}

}  // namespace
}  // namespace velk
