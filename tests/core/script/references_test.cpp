#include "script/references.h"

#include <gtest/gtest.h>

#include <memory>

#include "model/project.h"

namespace velk {
namespace {

TEST(InputReferences, TableHasItsOrderKindsCountsAndLists) {
  ASSERT_EQ(kInputReferences.size(), 65u);
  const struct {
    uint16_t row;
    const char* name;
    ValueKind kind;
    uint16_t count;
    uint8_t list;
  } rows[] = {
      {1, "VELK_RPM", ValueKind::Analogue, 1, 0},     {17, "LAPTIME", ValueKind::Analogue, 16, 0},
      {18, "ADC", ValueKind::Analogue, 8, 0},         {19, "CAN1_CHANNEL", ValueKind::Analogue, 200, 1},
      {23, "GPS_Speed", ValueKind::Analogue, 1, 0},   {33, "VELK_M/H", ValueKind::Analogue, 1, 0},
      {35, "PEAK", ValueKind::Analogue, 20, 1},       {40, "CAN_STREAM", ValueKind::Analogue, 200, 0},
      {44, "MEMORY", ValueKind::Analogue, 20, 0},     {45, "HI", ValueKind::Digital, 1, 1},
      {51, "DI", ValueKind::Digital, 7, 1},           {52, "COMPARE", ValueKind::Digital, 200, 1},
      {57, "TIM", ValueKind::Digital, 50, 1},         {58, "CAN1_TIMEOUT", ValueKind::Digital, 200, 0},
      {61, "KEYPAD_BUTTON", ValueKind::Digital, 20, 0}, {63, "BUTTON", ValueKind::Digital, 8, 1},
      {65, "IGNITION_ST", ValueKind::Digital, 1, 1},
  };
  for (const auto& r : rows) {
    const InputReference& entry = kInputReferences[r.row - 1];
    EXPECT_EQ(entry.name, r.name) << r.row;
    EXPECT_EQ(entry.kind, r.kind) << r.name;
    EXPECT_EQ(entry.count, r.count) << r.name;
    EXPECT_EQ(entry.list, r.list) << r.name;
  }
  // The analogue families come first, then the digital ones.
  for (uint16_t row = 1; row <= 65; ++row)
    EXPECT_EQ(kInputReferences[row - 1].kind, row <= 44 ? ValueKind::Analogue : ValueKind::Digital) << row;
}

class Resolution : public testing::Test {
 protected:
  void SetUp() override {
    project = std::make_unique<Project>();
    ASSERT_TRUE(AddDigitalName(*project, "@door", Link{RowOf("DI"), 3}));
    ASSERT_TRUE(AddAnalogueName(*project, "@oil", Link{RowOf("ADC"), 2}));
  }
  std::unique_ptr<Project> project;
};

TEST_F(Resolution, DigitalReferences) {
  const struct {
    const char* text;
    Link link;
  } cases[] = {
      {"HI", {45, 1}},        {"HI.1", {45, 1}},   {"LO", {46, 1}},          {"DI", {51, 1}},
      {"DI.7", {51, 7}},      {"DI.8", {}},        {"DI.0", {}},             {"di.1", {}},
      {"ADC.1", {}},          {"@door", {51, 3}},  {"@oil", {}},             {"@none", {}},
      {"TIM.50", {57, 50}},   {"CAN2_TIMEOUT.200", {59, 200}},               {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(ResolveDigital(*project, c.text), c.link) << c.text;
}

TEST_F(Resolution, AnalogueReferences) {
  const struct {
    const char* text;
    Link link;
  } cases[] = {
      {"ADC", {18, 1}},      {"ADC.8", {18, 8}},   {"ADC.9", {}},   {"ADC.0", {}},   {"adc.1", {}},
      {"HI", {}},            {"@oil", {18, 2}},    {"@door", {}},   {"VELK_M/H", {33, 1}},
      {"CAN1_CHANNEL.200", {19, 200}},             {"CAN1_CHANNEL.201", {}},       {"TIME_TIC", {42, 1}},
  };
  for (const auto& c : cases) EXPECT_EQ(ResolveAnalogue(*project, c.text), c.link) << c.text;
}

TEST(ResolveRequest, DotOnlyForFamiliesOfSeveralInstances) {
  const struct {
    const char* text;
    RequestLink link;
  } cases[] = {
      {"KWP_REQUEST", {2, 1}}, {"UDS_REQUEST.2", {1, 2}}, {"UDS_REQUEST", {}},  {"KWP_REQUEST.1", {}},
      {"BMW_REQUEST.5", {3, 5}}, {"BMW_REQUEST.6", {}},   {"UDS_REQUEST.0", {}}, {"ADC.1", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(ResolveRequest(c.text), c.link) << c.text;
}

TEST(SlotName, NamesTheFamilyAndTheInstance) {
  EXPECT_EQ(SlotName({RowOf("ADC"), 3}), "ADC.3");
  EXPECT_EQ(SlotName(kLinkHi), "HI");
  EXPECT_EQ(SlotName({RowOf("VELK_RPM"), 1}), "VELK_RPM");
  EXPECT_EQ(SlotName({RowOf("DI"), 8}), "");
  EXPECT_EQ(SlotName({}), "");
  EXPECT_EQ(SlotName({66, 1}), "");
}

TEST_F(Resolution, SlotNameOrAliasPrefersTheFirstAtName) {
  ASSERT_TRUE(AddDigitalName(*project, "@door2", Link{RowOf("DI"), 3}));
  EXPECT_EQ(SlotNameOrAlias(*project, {RowOf("DI"), 3}), "@door");
  EXPECT_EQ(SlotNameOrAlias(*project, {RowOf("DI"), 4}), "DI.4");
  EXPECT_EQ(SlotNameOrAlias(*project, {}), "");
}

TEST(SlotKind, KindOfTheFamilyWhenTheInstanceExists) {
  EXPECT_EQ(SlotKind({RowOf("ADC"), 8}), ValueKind::Analogue);
  EXPECT_EQ(SlotKind({RowOf("TIM"), 1}), ValueKind::Digital);
  EXPECT_EQ(SlotKind({RowOf("TIM"), 51}), ValueKind::None);
  EXPECT_EQ(SlotKind({}), ValueKind::None);
}

TEST(AddName, LimitsAndDuplicates) {
  auto project = std::make_unique<Project>();
  EXPECT_TRUE(AddDigitalName(*project, "", kLinkHi));
  EXPECT_TRUE(project->names.empty());
  ASSERT_TRUE(AddDigitalName(*project, "@a", kLinkHi));
  // The same name fails for either kind, without a message.
  EXPECT_FALSE(AddAnalogueName(*project, "@a", {RowOf("ADC"), 1}));
  EXPECT_TRUE(project->parser_message.empty());
  EXPECT_FALSE(AddDigitalName(*project, "@" + std::string(63, 'n'), kLinkHi));
  EXPECT_TRUE(AddDigitalName(*project, "@" + std::string(62, 'n'), kLinkHi));
  while (project->names.size() < kMaxNames)
    ASSERT_TRUE(AddDigitalName(*project, "@n" + std::to_string(project->names.size()), kLinkLo));
  project->parser_message.clear();
  EXPECT_FALSE(AddDigitalName(*project, "@one_more", kLinkHi));
  EXPECT_EQ(project->parser_message, "Достигнут предел на кол-во имен");
  EXPECT_EQ(project->names.size(), kMaxNames);
  // A statement without an @name still passes a full table.
  EXPECT_TRUE(AddDigitalName(*project, "", kLinkHi));
}

}  // namespace
}  // namespace velk
