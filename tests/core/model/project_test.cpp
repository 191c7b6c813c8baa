#include "model/project.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "script/references.h"

namespace velk {
namespace {

std::unique_ptr<Project> NewProject() { return std::make_unique<Project>(); }

Struct_gr_element Rectangle(int page, int32_t x) {
  Struct_gr_element element;
  element.page = static_cast<uint8_t>(page);
  element.kind = kKindRectangle;
  element.params = RectangleParams{};
  element.enable = kLinkHi;
  element.x = x;
  return element;
}

TEST(Project, FreshModelHasInitialPaletteWithCountZeroAndNoElements) {
  auto project = NewProject();
  const std::array<uint32_t, 6> initial = {0xFF0000FF, 0xFF00FF00, 0xFFFF0000, 0xFF5F5F5F, 0, 0xFF000000};
  for (size_t i = 0; i < initial.size(); ++i) EXPECT_EQ(project->palette.colours[i], initial[i]) << i;
  EXPECT_EQ(project->palette.count, 0u);
  for (const Page_Def& page : project->pages) EXPECT_EQ(page.count(), 0u);
  EXPECT_EQ(project->next_group, 1);
  EXPECT_EQ(project->device.tv.enable, kLinkLo);
}

TEST(Project, ConstantSlotsHoldOneAndZero) {
  auto project = NewProject();
  ASSERT_NE(project->Digital(kLinkHi), nullptr);
  EXPECT_EQ(*project->Digital(kLinkHi), 1);
  EXPECT_EQ(*project->Digital(kLinkLo), 0);
}

// Every instance of every family is a slot of its own, of the family's kind only.
TEST(Project, EveryInstanceOfEveryFamilyHasItsOwnSlot) {
  auto project = NewProject();
  std::set<const void*> seen;
  for (uint16_t row = 1; row <= kInputReferences.size(); ++row) {
    const InputReference& entry = kInputReferences[row - 1];
    for (uint16_t n = 1; n <= entry.count; ++n) {
      const Link link{row, n};
      const void* slot = entry.kind == ValueKind::Digital ? static_cast<const void*>(project->Digital(link))
                                                          : static_cast<const void*>(project->Analogue(link));
      ASSERT_NE(slot, nullptr) << entry.name << "." << n;
      EXPECT_TRUE(seen.insert(slot).second) << entry.name << "." << n << " shares a slot";
      if (entry.kind == ValueKind::Digital) EXPECT_EQ(project->Analogue(link), nullptr) << entry.name;
      else EXPECT_EQ(project->Digital(link), nullptr) << entry.name;
    }
    EXPECT_EQ(project->Digital({row, 0}), nullptr) << entry.name;
    EXPECT_EQ(project->Analogue({row, static_cast<uint16_t>(entry.count + 1)}), nullptr) << entry.name;
  }
  EXPECT_EQ(project->Digital({}), nullptr);
  EXPECT_EQ(project->Analogue({66, 1}), nullptr);
}

TEST(Project, BlockOutputsAreTheSlotsOfTheirFamilies) {
  auto project = NewProject();
  EXPECT_EQ(project->Digital({RowOf("TIM"), 3}), &project->logic.tim[2].output);
  EXPECT_EQ(project->Digital({RowOf("OR"), 100}), &project->logic.or_[99].output);
  EXPECT_EQ(project->Digital({RowOf("CAN2_TIMEOUT"), 5}), &project->can.channels[1][4].timed_out);
  EXPECT_EQ(project->Analogue({RowOf("CAN1_CHANNEL"), 200}), &project->can.channels[0][199].value);
  EXPECT_EQ(project->Analogue({RowOf("MEMORY"), 1}), &project->logic.memory[0].output);
  EXPECT_EQ(project->Analogue({RowOf("CHECK_VARIABLE"), 10}), &project->logic.check_variable[9].output);
}

TEST(Project, RequestLinksDenoteTheReplyBlocks) {
  auto project = NewProject();
  EXPECT_EQ(project->Request({1, 10}), &project->logic.uds[9]);
  EXPECT_EQ(project->Request({2, 1}), &project->logic.kwp[0]);
  EXPECT_EQ(project->Request({3, 5}), &project->logic.bmw[4]);
  EXPECT_EQ(project->Request({2, 2}), nullptr);
  EXPECT_EQ(project->Request({}), nullptr);
}

TEST(Project, ClearEmptiesTheModelButKeepsInputsPaletteEntriesAndLog) {
  auto project = NewProject();
  ASSERT_TRUE(AppendElement(*project, Rectangle(3, 1)));
  ASSERT_EQ(RegisterGroup(*project, "A", 3), 1);
  project->palette.colours[0] = 0xFF123456;
  project->palette.count = 4;
  project->names.push_back({"@a", kLinkHi, {}});
  project->logic.tim[0] = TimBlock{100, 200, kLinkHi, 1, 1, 55, 2, 1};
  project->can.channels[1][3].declared = 1;
  project->can.highest_channel = 4;
  project->can.outputs[0][2].signal_count = 3;
  project->logic.uds[1].pid = 0x2105;
  project->logic.uds_count = 2;
  project->device.logger_item.name = "Oil";
  project->images.entries.push_back(ImageEntry{"a.png", {}, {}, std::make_shared<DeviceImage>()});
  project->images.slots[0] = project->images.entries[0].device;
  project->device_memory = 8;
  project->fonts.names.push_back("f.fon");
  project->evaluation.push_back({BlockKind::Tim, 0});
  project->leds.push_back({});
  project->device.page_source = Link{RowOf("ADC"), 1};
  project->parser_message = "x";
  *project->Analogue({RowOf("ADC"), 2}) = 3.5f;
  project->log.AppendLog("kept");

  ClearProject(*project);

  for (const Page_Def& page : project->pages) EXPECT_EQ(page.count(), 0u);
  EXPECT_EQ(project->next_group, 1);
  EXPECT_TRUE(project->groups[1].name.empty());
  EXPECT_EQ(project->palette.count, 0u);
  EXPECT_EQ(project->palette.colours[0], 0xFF123456u);
  EXPECT_TRUE(project->names.empty());
  EXPECT_EQ(project->logic.tim[0].hi, 0);
  EXPECT_EQ(project->logic.tim[0].declared, 0);
  EXPECT_TRUE(project->logic.tim[0].enable.Empty());
  EXPECT_EQ(project->can.channels[1][3].declared, 0);
  EXPECT_EQ(project->can.highest_channel, 0);
  EXPECT_EQ(project->can.outputs[0][2].signal_count, 0);
  EXPECT_EQ(project->logic.uds[1].pid, 0u);
  EXPECT_EQ(project->logic.uds_count, 0);
  EXPECT_TRUE(project->device.logger_item.name.empty());
  EXPECT_TRUE(project->images.entries.empty());
  EXPECT_EQ(project->images.slots[0], nullptr);
  EXPECT_EQ(project->device_memory, 0u);
  EXPECT_TRUE(project->fonts.names.empty());
  EXPECT_TRUE(project->evaluation.empty());
  EXPECT_TRUE(project->leds.empty());
  EXPECT_TRUE(project->device.page_source.Empty());
  EXPECT_EQ(project->device.tv.enable, kLinkLo);
  EXPECT_TRUE(project->parser_message.empty());
  EXPECT_EQ(*project->Analogue({RowOf("ADC"), 2}), 3.5f);
  EXPECT_EQ(*project->Digital(kLinkHi), 1);
  EXPECT_EQ(project->log.Size(), 1u);
}

TEST(Project, AppendAndDeleteKeepListOrder) {
  auto project = NewProject();
  for (int x = 0; x < 4; ++x) ASSERT_TRUE(AppendElement(*project, Rectangle(2, x)));
  DeleteElement(*project, 2, 1);
  DeleteElement(*project, 2, 9);  // past the end: nothing happens
  const Page_Def& page = project->Page(2);
  ASSERT_EQ(page.count(), 3u);
  EXPECT_EQ(page.elements[0].x, 0);
  EXPECT_EQ(page.elements[1].x, 2);
  EXPECT_EQ(page.elements[2].x, 3);
  EXPECT_EQ(project->Page(1).count(), 0u);
}

TEST(Project, AppendRefusesAFullPageAndAPageOutsideOneToTen) {
  auto project = NewProject();
  for (size_t i = 0; i < kMaxElements; ++i) ASSERT_TRUE(AppendElement(*project, Rectangle(1, 0)));
  EXPECT_FALSE(AppendElement(*project, Rectangle(1, 0)));
  EXPECT_EQ(project->Page(1).count(), kMaxElements);
  EXPECT_FALSE(AppendElement(*project, Rectangle(0, 0)));
  EXPECT_FALSE(AppendElement(*project, Rectangle(11, 0)));
}

TEST(Project, RegisterGroupSharesANameOnAPageAndSeparatesPages) {
  auto project = NewProject();
  const int a1 = RegisterGroup(*project, "A", 1);
  const int again = RegisterGroup(*project, "A", 1);
  const int a2 = RegisterGroup(*project, "A", 2);
  EXPECT_EQ(a1, 1);
  EXPECT_EQ(again, 1);
  EXPECT_EQ(a2, 2);
  EXPECT_EQ(project->next_group, 3);
  // One GROUP entry per new group, on its own page, linking to its record.
  ASSERT_EQ(project->Page(1).count(), 1u);
  const Struct_gr_element& entry = project->Page(1).elements[0];
  EXPECT_EQ(entry.kind, kKindGroup);
  EXPECT_EQ(entry.page, 1);
  EXPECT_TRUE(entry.enable.Empty());
  EXPECT_EQ(entry.group_number, 0);
  EXPECT_EQ(std::get<GroupRef>(entry.params).group, 1);
  EXPECT_EQ(entry.comment, "A");
  EXPECT_TRUE(entry.group.empty());
  EXPECT_EQ(project->groups[2].page, 2);
  EXPECT_EQ(project->groups[2].number, 2);
  EXPECT_EQ(project->groups[2].name, "A");
}

TEST(Project, RegisterGroupRefusesAHundredthGroup) {
  auto project = NewProject();
  for (int g = 1; g <= 99; ++g) ASSERT_EQ(RegisterGroup(*project, "G" + std::to_string(g), 1 + g % 10), g);
  EXPECT_EQ(RegisterGroup(*project, "one more", 1), 0);
  EXPECT_EQ(RegisterGroup(*project, "G5", 6), 5);  // existing groups are still found
}

}  // namespace
}  // namespace velk
