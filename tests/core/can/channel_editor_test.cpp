#include "can/channel_editor.h"

#include <gtest/gtest.h>

#include <ostream>

namespace velk {
namespace {

TEST(CanGridRow, CellTextsOfAFullAndOfAPlainEntry) {
  CanChannelList list = ReadCanChannels(
      {"@Oil=CAN1_CHANNEL.3=STD_ID:0x86|BYTE_ORDER:LS|START_POS:2|DATA_TYPE:S16|MULTIPLIER:10|DIVIDER:4|OFFSET:-40|"
       "DATA_MASK:0xfff|TIMEOUT:500|TIMEOUT_DATA_VALUE:-2.5|FRAME_ID_POS:0|FRAME_ID_MASK:0x0F|FRAME_ID:5;//x",
       "CAN1_CHANNEL.4=EXT_ID:0x18FEF1;"},
      0);
  ASSERT_EQ(list.entries.size(), 2u);
  EXPECT_EQ(CanGridRow(0, list.entries[0]),
            (std::array<std::string, 16>{"@Oil", "STD", "0x086", "LS First", "2", "S16", "0xFFF", "10", "4", "-40",
                                         "500", "-2.5", "0", "5", "0xF", "x"}));
  EXPECT_EQ(CanGridRow(0, list.entries[1]),
            (std::array<std::string, 16>{"CAN1_CHANNEL.4", "EXT", "0x0018FEF1", "MS First", "0", "U8", "0xFFFFFFFF",
                                         "1", "1", "0", "OFF", "", "OFF", "", "", ""}));
  list.bus = 1;
  EXPECT_EQ(CanGridRow(1, list.entries[1])[0], "CAN2_CHANNEL.4");
  EXPECT_EQ(kCanGridHeaders[0], "Name");
  EXPECT_EQ(kCanGridHeaders[15], "Comment");
}

struct NameCase {
  std::string name;
  std::string_view on_leave;
  std::string_view on_ok;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << '"' << c.name << '"'; }

class ChannelName : public testing::TestWithParam<NameCase> {};

TEST_P(ChannelName, Messages) {
  const NameCase& c = GetParam();
  EXPECT_EQ(ChannelNameLeaveMessage(c.name), c.on_leave);
  EXPECT_EQ(ChannelNameOkMessage(c.name), c.on_ok);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ChannelName,
    testing::Values(NameCase{"", kNameNeedsAt, ""},  // Ok clears the name; leaving the field still asks for "@"
                    NameCase{"Oil", kNameNeedsAt, kNameNeedsAt},
                    NameCase{"@", "", kNameTooShort},
                    NameCase{"@a", "", kNameTooShort},
                    NameCase{"@ab", "", ""},
                    NameCase{"@" + std::string(62, 'x'), "", ""},  // 63 bytes: what the name table takes
                    NameCase{"@" + std::string(63, 'x'), "", kNameTooLong}));

TEST(ChannelNameMessages, AreTheEditorsTexts) {
  EXPECT_EQ(kNameNeedsAt, "The name must start with the '@' symbol.");
  EXPECT_EQ(kNameTooShort, "Not enough characters in the name");
  EXPECT_EQ(kNameTooLong, "Too many characters in the name");
}

TEST(ParseEditorNumber, HexOrDecimalOrNothing) {
  const auto parsed = [](std::string_view text) { return ParseEditorNumber(text); };
  ASSERT_TRUE(parsed("0x7FF0"));
  EXPECT_EQ(parsed("0x7FF0")->value, 0x7FF0u);
  EXPECT_TRUE(parsed("0x7FF0")->hex);
  EXPECT_EQ(parsed("0xffffffff")->value, 0xFFFFFFFFu);
  ASSERT_TRUE(parsed("1536"));
  EXPECT_EQ(parsed("1536")->value, 1536u);
  EXPECT_FALSE(parsed("1536")->hex);
  EXPECT_EQ(parsed("0")->value, 0u);
  for (const char* bad : {"", "0x", "0xG1", "12a", "-5", "+5", " 5", "0x100000000", "4294967296", "0X10"})
    EXPECT_FALSE(parsed(bad)) << bad;
}

TEST(ChannelId, MaskedByFormatAndShownInEitherMode) {
  EXPECT_EQ(MaskChannelId(0x7FF0, false), 0x7F0u);
  EXPECT_EQ(MaskChannelId(0xFFFFFFFF, true), 0x1FFFFFFFu);
  EXPECT_EQ(ChannelIdText(0x600, false, false), "1536");
  EXPECT_EQ(ChannelIdText(0x600, false, true), "0x600");
  EXPECT_EQ(ChannelIdText(0x5, false, true), "0x005");
  EXPECT_EQ(ChannelIdText(0x18FEF1, true, true), "0x0018FEF1");
  EXPECT_EQ(ChannelIdText(0x18FEF1, true, false), "1638129");
}

struct TestMapCase {
  uint8_t data_type;
  uint8_t byte_order;
  uint8_t start;
  std::array<int, 8> significance;
};

void PrintTo(const TestMapCase& c, std::ostream* os) {
  *os << "type " << int{c.data_type} << " order " << int{c.byte_order} << " start " << int{c.start};
}

class TestBytes : public testing::TestWithParam<TestMapCase> {};

TEST_P(TestBytes, MarkTheBytesTheChannelReads) {
  const TestMapCase& c = GetParam();
  CanChannel channel = DefaultCanChannel().channel;
  channel.data_type = c.data_type;
  channel.byte_order = c.byte_order;
  channel.start_pos = c.start;
  EXPECT_EQ(TestByteSignificance(channel), c.significance);
}

constexpr int X = -1;

INSTANTIATE_TEST_SUITE_P(
    Types, TestBytes,
    testing::Values(TestMapCase{0, 0, 3, {X, X, X, 0, X, X, X, X}}, TestMapCase{1, 1, 7, {X, X, X, X, X, X, X, 0}},
                    TestMapCase{2, 0, 2, {X, X, 1, 0, X, X, X, X}}, TestMapCase{3, 1, 2, {X, X, 0, 1, X, X, X, X}},
                    TestMapCase{2, 0, 7, {X, X, X, X, X, X, X, 1}},  // the low byte would lie beyond byte 7
                    TestMapCase{4, 0, 1, {X, 3, 2, 1, 0, X, X, X}}, TestMapCase{5, 1, 4, {X, X, X, X, 0, 1, 2, 3}},
                    TestMapCase{5, 1, 6, {X, X, X, X, X, X, 0, 1}}));

}  // namespace
}  // namespace velk
