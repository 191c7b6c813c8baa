#include "script/references.h"

#include <gtest/gtest.h>

#include <memory>

#include "model/project.h"

namespace velk {
namespace {

// The whole table as the display defines it: row order is the search order.
TEST(InputReferences, TableHasItsOrderKindsCountsAndLists) {
  const struct {
    const char* name;
    char kind;  // 'A' analogue, 'D' digital
    uint16_t count;
    uint8_t list;
  } rows[] = {
      {"VELK_RPM", 'A', 1, 0},       {"VELK_AIRT", 'A', 1, 0},      {"VELK_SPEED", 'A', 1, 0},
      {"VELK_AFR", 'A', 1, 0},       {"VELK_FUELL", 'A', 1, 0},     {"VELK_MAP", 'A', 1, 0},
      {"VELK_GEAR", 'A', 1, 0},      {"VELK_ENGT", 'A', 1, 0},      {"VELK_OILP", 'A', 1, 0},
      {"VELK_OILT", 'A', 1, 0},      {"VELK_FUELP", 'A', 1, 0},     {"TIME_HHMM", 'A', 1, 0},
      {"TIME_HHMMSS", 'A', 1, 0},    {"DATA", 'A', 1, 0},           {"LAPTIME_LAP", 'A', 1, 0},
      {"LAPTIME_BEST", 'A', 1, 0},   {"LAPTIME", 'A', 16, 0},       {"ADC", 'A', 8, 0},
      {"CAN1_CHANNEL", 'A', 200, 1}, {"CAN2_CHANNEL", 'A', 200, 1}, {"COUNTER", 'A', 50, 1},
      {"CONVERT", 'A', 50, 1},       {"GPS_Speed", 'A', 1, 0},      {"GPS_SatCount", 'A', 1, 0},
      {"GPS_Lon", 'A', 1, 0},        {"GPS_Lat", 'A', 1, 0},        {"GPS_Heading", 'A', 1, 0},
      {"GPS_Time", 'A', 1, 0},       {"GPS_Date", 'A', 1, 0},       {"ACC_X", 'A', 1, 0},
      {"ACC_Y", 'A', 1, 0},          {"ACC_Z", 'A', 1, 0},          {"VELK_M/H", 'A', 1, 0},
      {"VELK_ODO", 'A', 1, 0},       {"PEAK", 'A', 20, 1},          {"PAGE", 'A', 1, 0},
      {"BRIGHTNESS", 'A', 1, 0},     {"DEBUG_FPS", 'A', 1, 0},      {"CHECK_VARIABLE", 'A', 10, 0},
      {"CAN_STREAM", 'A', 200, 0},   {"MATH", 'A', 20, 0},          {"TIME_TIC", 'A', 1, 0},
      {"FILTER", 'A', 20, 0},        {"MEMORY", 'A', 20, 0},        {"HI", 'D', 1, 1},
      {"LO", 'D', 1, 1},             {"ALARM_OILP", 'D', 1, 0},     {"ALARM_OILT", 'D', 1, 0},
      {"ALARM_ENGT", 'D', 1, 0},     {"ALARM_VBAT", 'D', 1, 0},     {"DI", 'D', 7, 1},
      {"COMPARE", 'D', 200, 1},      {"AND", 'D', 100, 1},          {"OR", 'D', 100, 1},
      {"NOT", 'D', 100, 1},          {"CHECK_BIT", 'D', 100, 1},    {"TIM", 'D', 50, 1},
      {"CAN1_TIMEOUT", 'D', 200, 0}, {"CAN2_TIMEOUT", 'D', 200, 0}, {"GPS_STATUS", 'D', 1, 0},
      {"KEYPAD_BUTTON", 'D', 20, 0}, {"KEYPAD_TOGGLE", 'D', 20, 0}, {"BUTTON", 'D', 8, 1},
      {"LOGGER_ST", 'D', 1, 1},      {"IGNITION_ST", 'D', 1, 1},
  };
  ASSERT_EQ(kInputReferences.size(), std::size(rows));
  for (size_t i = 0; i < std::size(rows); ++i) {
    const InputReference& entry = kInputReferences[i];
    EXPECT_EQ(entry.name, rows[i].name) << "row " << i + 1;
    EXPECT_EQ(entry.kind, rows[i].kind == 'A' ? ValueKind::Analogue : ValueKind::Digital) << rows[i].name;
    EXPECT_EQ(entry.count, rows[i].count) << rows[i].name;
    EXPECT_EQ(entry.list, rows[i].list) << rows[i].name;
  }
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
