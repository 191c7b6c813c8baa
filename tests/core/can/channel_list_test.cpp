#include "can/channel_list.h"

#include <gtest/gtest.h>

#include <ostream>

namespace velk {
namespace {

using Lines = std::vector<std::string>;

CanListEntry Entry(const std::string& name, int32_t instance, const std::string& comment = "") {
  CanListEntry entry{DefaultCanChannel(), instance, -1};
  entry.record.name = name;
  entry.record.comment = comment;
  return entry;
}

// --- Generating one entry's line -------------------------------------------

struct LineCase {
  const char* name;
  size_t bus;
  CanListEntry entry;
  std::string line;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

CanListEntry Oil() {
  CanListEntry e = Entry("@Oil", 3, "x");
  CanChannel& c = e.record.channel;
  c.id = 0x186;
  c.byte_order = 1;
  c.start_pos = 2;
  c.data_type = 3;
  c.multiplier = 10;
  c.divider = 4;
  c.offset = -40;
  c.data_mask = 0xFFF;
  c.timeout = 500;
  c.timeout_data_value = 0;
  c.frame_id_pos = 1;
  c.frame_id_mask = 0xFF;
  c.frame_id = 5;
  return e;
}

CanListEntry Extended() {
  CanListEntry e = Entry("", 12);
  CanChannel& c = e.record.channel;
  c.format = 2;
  c.id = 0x18FEF1;
  c.data_type = 5;
  c.timeout = 200;
  c.timeout_data_value = -40.5f;
  c.frame_id_pos = 8;  // position 7
  c.frame_id_mask = 0x0F;
  c.frame_id = 255;
  c.data_mask = 0;
  return e;
}

CanListEntry NoFormat() {
  CanListEntry e = Entry("", 1);
  e.record.channel.format = 0;  // a line without STD_ID or EXT_ID
  e.record.channel.data_type = 0;
  return e;
}

class ChannelLine : public testing::TestWithParam<LineCase> {};

TEST_P(ChannelLine, IsGeneratedExactly) {
  const LineCase& c = GetParam();
  EXPECT_EQ(CanChannelLine(c.bus, c.entry), c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ChannelLine,
    testing::Values(
        LineCase{"fully_populated", 0, Oil(),
                 "@Oil=CAN1_CHANNEL.3=STD_ID:0x186|BYTE_ORDER:LS|START_POS:2|DATA_TYPE:S16|MULTIPLIER:10|DIVIDER:4|"
                 "OFFSET:-40|DATA_MASK:0xFFF|TIMEOUT:500|TIMEOUT_DATA_VALUE:0|FRAME_ID_POS:0|FRAME_ID_MASK:0xFF|"
                 "FRAME_ID:5; //x"},
        LineCase{"defaults_leave_fields_out", 1, Entry("", 4),
                 "CAN2_CHANNEL.4=STD_ID:0x700|BYTE_ORDER:MS|START_POS:0|DATA_TYPE:U16;"},
        LineCase{"extended_identifier", 0, Extended(),
                 "CAN1_CHANNEL.12=EXT_ID:0x0018FEF1|BYTE_ORDER:MS|START_POS:0|DATA_TYPE:S32|DATA_MASK:0x0|"
                 "TIMEOUT:200|TIMEOUT_DATA_VALUE:-40.5|FRAME_ID_POS:7|FRAME_ID_MASK:0xF|FRAME_ID:255;"},
        LineCase{"comment_keeps_its_blanks", 0, Entry("@a", 1, "  note"),
                 "@a=CAN1_CHANNEL.1=STD_ID:0x700|BYTE_ORDER:MS|START_POS:0|DATA_TYPE:U16; //  note"},
        LineCase{"no_format_is_written_as_extended", 0, NoFormat(),
                 "CAN1_CHANNEL.1=EXT_ID:0x00000700|BYTE_ORDER:MS|START_POS:0|DATA_TYPE:U8;"}),
    [](const testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

TEST(TimeoutValueText, ShortestGeneralForm) {
  const std::vector<std::pair<float, std::string>> cases = {
      {0.0f, "0"},    {-40.0f, "-40"}, {2.5f, "2.5"},      {0.1f, "0.1"},         {-0.001f, "-0.001"},
      {1e-5f, "1e-05"}, {100000.0f, "100000"}, {123456792.0f, "123456792"}, {1e15f, "1e+15"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(TimeoutValueText(value), text) << value;
}

// --- Reading the channels out of the logic text ------------------------------

TEST(ReadCanChannels, ListsTheBusLinesWithNameCommentInstanceAndLine) {
  const Lines text = {
      "// header",
      "CAN1_CHANNEL.1 = STD_ID:0x186 | DIVIDER:8;  // oil ",
      "CAN2_CHANNEL.2=STD_ID:0x100;",
      "\t@speed=CAN1_CHANNEL.5=EXT_ID:0x18FEF100|BYTE_ORDER:LS;junk after",
      "CAN1_CHANNEL.6=START_POS:8;",         // refused by the channel parser
      "CAN1_CHANNEL.0=STD_ID:1;",            // no instance 0
      "CAN1_CHANNEL.201=STD_ID:1;",          // beyond the bus's channels
      "CAN1_CHANNEL=STD_ID:1;",              // no "."
      "CAN1_CHANNEL.7;",                     // no "=": not a channel statement
      "@" + std::string(63, 'n') + "=CAN1_CHANNEL.8=STD_ID:1;",  // a 64-byte name does not fit
      "@" + std::string(62, 'n') + "=CAN1_CHANNEL.9=STD_ID:2;",  // 63 bytes: fits
      "E N D ;",
      "CAN1_CHANNEL.10=STD_ID:1;",
  };
  const CanChannelList list = ReadCanChannels(text, 0);
  ASSERT_EQ(list.entries.size(), 3u);
  EXPECT_EQ(list.bus, 0u);

  const CanListEntry& first = list.entries[0];
  EXPECT_EQ(first.instance, 1);
  EXPECT_EQ(first.line, 1);
  EXPECT_EQ(first.record.name, "");
  EXPECT_EQ(first.record.comment, " oil ");
  EXPECT_EQ(first.record.channel.id, 0x186u);
  EXPECT_EQ(first.record.channel.divider, 8);

  const CanListEntry& second = list.entries[1];
  EXPECT_EQ(second.instance, 5);
  EXPECT_EQ(second.line, 3);
  EXPECT_EQ(second.record.name, "@speed");
  EXPECT_EQ(second.record.comment, "");
  EXPECT_EQ(second.record.channel.format, 2);
  EXPECT_EQ(second.record.channel.byte_order, 1);

  EXPECT_EQ(list.entries[2].instance, 9);
  EXPECT_EQ(list.entries[2].record.name.size(), 63u);

  const CanChannelList bus2 = ReadCanChannels(text, 1);
  ASSERT_EQ(bus2.entries.size(), 1u);
  EXPECT_EQ(bus2.entries[0].instance, 2);
  EXPECT_EQ(bus2.entries[0].line, 2);
}

TEST(ReadCanChannels, TakesAtMostTheBusChannels) {
  Lines text;
  for (int i = 1; i <= 200; ++i) text.push_back("CAN1_CHANNEL." + std::to_string(i) + "=STD_ID:1;");
  text.push_back("CAN1_CHANNEL.5=STD_ID:2;");  // a 201st line
  const CanChannelList list = ReadCanChannels(text, 0);
  EXPECT_EQ(list.entries.size(), 200u);
  EXPECT_EQ(list.entries.back().line, 199);
}

// --- Ok, Delete and Add ------------------------------------------------------

TEST(WriteBackCanChannels, RewritesListedLinesAndInsertsNewOnesAfterTheLast) {
  Lines text = {"TIM.1=HI:1|LO:1|ENABLE:HI;",
                "CAN1_CHANNEL.1=STD_ID:0x186|MULTIPLIER:1|DIVIDER:1|OFFSET:0|DATA_MASK:0xFFFFFFFF;//c",
                "AND.1=HI;",
                "CAN1_CHANNEL.5=STD_ID:0x7;",
                "CAN1_CHANNEL.6=STD_ID:0x7|START_POS:9;",
                "END;"};
  CanChannelList list = ReadCanChannels(text, 0);
  ASSERT_EQ(list.entries.size(), 2u);
  list.entries[1].record.channel.offset = -3;
  ASSERT_TRUE(AddCanChannel(list, DefaultCanChannel()));
  ASSERT_TRUE(AddCanChannel(list, DefaultCanChannel()));
  WriteBackCanChannels(text, list);
  EXPECT_EQ(text, (Lines{"TIM.1=HI:1|LO:1|ENABLE:HI;",
                         "CAN1_CHANNEL.1=STD_ID:0x186|BYTE_ORDER:MS|START_POS:0|DATA_TYPE:U8; //c",
                         "AND.1=HI;",
                         "CAN1_CHANNEL.5=STD_ID:0x007|BYTE_ORDER:MS|START_POS:0|DATA_TYPE:U8|OFFSET:-3;",
                         "CAN1_CHANNEL.6=STD_ID:0x700|BYTE_ORDER:MS|START_POS:0|DATA_TYPE:U16;",
                         "CAN1_CHANNEL.7=STD_ID:0x700|BYTE_ORDER:MS|START_POS:0|DATA_TYPE:U16;",
                         "CAN1_CHANNEL.6=STD_ID:0x7|START_POS:9;",
                         "END;"}));
}

TEST(WriteBackCanChannels, WithoutChannelLinesNewOnesGoBeforeEnd) {
  CanChannelList list;
  ASSERT_TRUE(AddCanChannel(list, DefaultCanChannel()));
  const std::string line = CanChannelLine(0, list.entries[0]);

  Lines text = {"END;", "// after"};
  WriteBackCanChannels(text, list);
  EXPECT_EQ(text, (Lines{line, "END;", "// after"}));

  text = {"@a=DI.1;", "@b=DI.2;", "  END  ;"};
  WriteBackCanChannels(text, list);
  EXPECT_EQ(text, (Lines{"@a=DI.1;", "@b=DI.2;", line, "  END  ;"}));

  text = {};
  WriteBackCanChannels(text, list);
  EXPECT_EQ(text, (Lines{line}));

  text = {"@a=DI.1;"};  // no END line: at the end
  WriteBackCanChannels(text, list);
  EXPECT_EQ(text, (Lines{"@a=DI.1;", line}));
}

TEST(DeleteCanChannel, CommentsTheLineOutAtOnceAndMovesTheRestUp) {
  Lines text = {"CAN1_CHANNEL.1=STD_ID:1;", "CAN1_CHANNEL.2=STD_ID:2;", "END;"};
  CanChannelList list = ReadCanChannels(text, 0);
  ASSERT_TRUE(AddCanChannel(list, DefaultCanChannel()));
  DeleteCanChannel(text, list, 0);
  EXPECT_EQ(text[0], "//CAN1_CHANNEL.1=STD_ID:1;");
  ASSERT_EQ(list.entries.size(), 2u);
  EXPECT_EQ(list.entries[0].instance, 2);
  EXPECT_EQ(list.entries[0].line, 1);

  DeleteCanChannel(text, list, 1);  // the added one: the text is not touched
  DeleteCanChannel(text, list, 5);  // no such row
  EXPECT_EQ(text, (Lines{"//CAN1_CHANNEL.1=STD_ID:1;", "CAN1_CHANNEL.2=STD_ID:2;", "END;"}));
  ASSERT_EQ(list.entries.size(), 1u);

  // The commented line is no channel any more.
  EXPECT_EQ(ReadCanChannels(text, 0).entries.size(), 1u);
}

TEST(AddCanChannel, DefaultsAndInstanceNumbering) {
  const TCAN_CH_Def record = DefaultCanChannel();
  const CanChannel& c = record.channel;
  EXPECT_EQ(c.format, 1);
  EXPECT_EQ(c.id, 0x700u);
  EXPECT_EQ(c.byte_order, 0);
  EXPECT_EQ(c.start_pos, 0);
  EXPECT_EQ(c.data_type, 2);
  EXPECT_EQ(c.multiplier, 1);
  EXPECT_EQ(c.divider, 1);
  EXPECT_EQ(c.offset, 0);
  EXPECT_EQ(c.data_mask, 0xFFFFFFFFu);
  EXPECT_EQ(c.frame_id_pos, 0);
  EXPECT_EQ(c.frame_id, 0);
  EXPECT_EQ(c.frame_id_mask, 0xFF);
  EXPECT_EQ(c.timeout, 0);
  EXPECT_EQ(c.timeout_data_value, 0.0f);
  EXPECT_TRUE(record.name.empty());
  EXPECT_TRUE(record.comment.empty());

  CanChannelList list;
  EXPECT_EQ(NextCanInstance(list), 1);
  list = ReadCanChannels({"CAN1_CHANNEL.1=STD_ID:1;", "CAN1_CHANNEL.5=STD_ID:1;"}, 0);
  EXPECT_EQ(NextCanInstance(list), 6);
  ASSERT_TRUE(AddCanChannel(list, record));
  EXPECT_EQ(list.entries.back().instance, 6);
  EXPECT_EQ(list.entries.back().line, -1);
}

TEST(AddCanChannel, RefusesAFullListAndAnInstanceBeyondTheBus) {
  CanChannelList list = ReadCanChannels({"CAN1_CHANNEL.200=STD_ID:1;"}, 0);
  EXPECT_FALSE(AddCanChannel(list, DefaultCanChannel()));
  EXPECT_EQ(list.entries.size(), 1u);

  CanChannelList full;
  for (int i = 0; i < 200; ++i) ASSERT_TRUE(AddCanChannel(full, DefaultCanChannel()));
  EXPECT_FALSE(AddCanChannel(full, DefaultCanChannel()));
  EXPECT_EQ(full.entries.size(), 200u);
}

}  // namespace
}  // namespace velk
