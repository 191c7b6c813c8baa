#include "logger/logger_text.h"

#include <gtest/gtest.h>

#include <memory>

#include "logger/logger_memory.h"
#include "model/project.h"
#include "script/parse_statement.h"
#include "script/references.h"

namespace velk {
namespace {

using Lines = std::vector<std::string>;

std::unique_ptr<Project> ProjectWithNames() {
  auto project = std::make_unique<Project>();
  EXPECT_EQ(ParseStatement(*project, "@ign=DI.1"), 0);
  EXPECT_EQ(ParseStatement(*project, "@oil=CAN1_CHANNEL.1=STD_ID:0x100"), 0);
  return project;
}

TEST(ReadLoggerText, ItemsCommentsLinesAndTheEnableInput) {
  auto project = ProjectWithNames();
  const Lines text = {
      "TIM.1=HI:1|LO:1|ENABLE:HI;",
      "LOGGER_SETUP = ENABLE:DI.2;",
      "LOGGER_ITEM=NAME:\"Oil temp\"|UNIT:\"C\"|RATE:10|INPUT:@oil|DECIMAL:1|MIN:-40|MAX:150; //  hot",
      "LOGGER_ITEM=NAME:\"x\"|INPUT:NOPE;",          // unresolved: left alone
      "LOGGER_ITEM.0=NAME:\"x\"|INPUT:DI.1;",        // instance 0
      "\tLOGGER_ITEM.3=NAME:\"Ign\"|INPUT:@ign|RATE:1;",
      "LOGGER_ITEM;",                                // no "="
      "LOGGER_ITEM=NAME:\"d\"|INPUT:ADC.1|DECIMAL:10;",  // more decimals than the item holds
      "END;",
      "LOGGER_ITEM=NAME:\"late\"|INPUT:ADC.1;",
  };
  const LoggerList list = ReadLoggerText(*project, text);
  EXPECT_EQ(project->device.logger_enable, (Link{RowOf("DI"), 2}));
  EXPECT_EQ(list.lines, (std::vector<size_t>{1, 2, 5}));
  ASSERT_EQ(list.items.size(), 2u);
  const LoggerListItem& oil = list.items[0];
  EXPECT_EQ(oil.item.name, "Oil temp");
  EXPECT_EQ(oil.item.unit, "C");
  EXPECT_EQ(oil.item.rate, 10);
  EXPECT_EQ(oil.item.input, (Link{RowOf("CAN1_CHANNEL"), 1}));
  EXPECT_EQ(oil.item.decimal, 1);
  EXPECT_EQ(oil.item.min, -40.0f);
  EXPECT_EQ(oil.item.max, 150.0f);
  EXPECT_EQ(oil.comment, "  hot");
  // A fresh record for every line: nothing of the first item stays in the second.
  const LoggerListItem& ign = list.items[1];
  EXPECT_EQ(ign.item.unit, "");
  EXPECT_EQ(ign.item.min, 0.0f);
  EXPECT_EQ(ign.item.max, 0.0f);
  EXPECT_EQ(ign.comment, "");
}

TEST(ReadLoggerText, ARefusedSetupLineKeepsTheEnableInput) {
  auto project = ProjectWithNames();
  project->device.logger_enable = Link{RowOf("DI"), 3};
  const LoggerList list = ReadLoggerText(*project, {"LOGGER_SETUP=ENABLE:DI.1|TYPE:PAL;", "LOGGER_SETUP=ENABLE:ADC.1;"});
  EXPECT_TRUE(list.lines.empty());
  EXPECT_EQ(project->device.logger_enable, (Link{RowOf("DI"), 3}));
}

TEST(ReadLoggerText, BoundsOfTheTableAndOfAStatement) {
  auto project = ProjectWithNames();
  Lines text;
  for (int i = 0; i < 201; ++i) text.push_back("LOGGER_ITEM=NAME:\"i" + std::to_string(i) + "\"|INPUT:ADC.1;");
  const std::string long_unit(370, 'u');
  text.push_back("LOGGER_ITEM=NAME:\"" + long_unit.substr(0, 31) + "\"|INPUT:ADC.1|" + std::string(370, ' ') + ";");
  LoggerList list = ReadLoggerText(*project, text);
  EXPECT_EQ(list.items.size(), 200u);
  EXPECT_EQ(list.items.back().item.name, "i199");

  // 399 bytes are read, 400 are not; blanks outside quotes do not count.
  const std::string head = "LOGGER_ITEM=NAME:\"n\"|INPUT:ADC.1|MIN:";
  const std::string fits = head + std::string(399 - head.size(), '1');
  list = ReadLoggerText(*project, {fits + " ;", fits + "1;"});
  EXPECT_EQ(list.lines, (std::vector<size_t>{0}));
}

TEST(LoggerItemStatement, IsGeneratedExactly) {
  auto project = ProjectWithNames();
  LoggerList list = ReadLoggerText(*project, {
      "LOGGER_ITEM = NAME:\"Oil temp\" | UNIT:\"deg C\" | RATE:25 | DATA_TYPE:U8 | INPUT:CAN1_CHANNEL.1 | DECIMAL:2 |"
      " MIN:-40 | MAX:150.125; // t",
      "LOGGER_ITEM=NAME:\"Ign\"|UNIT:\"\"|RATE:1|INPUT:DI.1|MIN:0|MAX:1;",
      "LOGGER_ITEM=NAME:\"A\"|UNIT:\"V\"|RATE:5|INPUT:ADC.3|DECIMAL:1|MIN:0|MAX:5;"});
  ASSERT_EQ(list.items.size(), 3u);
  EXPECT_EQ(ChooseLoggerDataTypes(list), 25u * 2 + 1 * 2 + 5 * 2);
  // The input is written by its @name when it has one; DATA_TYPE is the
  // automatic one; spaces stay inside quotes only.
  EXPECT_EQ(LoggerItemStatement(*project, list.items[0]),
            "LOGGER_ITEM=NAME:\"Oil temp\"|UNIT:\"deg C\"|RATE:25|DATA_TYPE:S16|INPUT:@oil|DECIMAL:2|MAX:150.12|"
            "MIN:-40.00; // t");
  EXPECT_EQ(LoggerItemStatement(*project, list.items[1]),
            "LOGGER_ITEM=NAME:\"Ign\"|UNIT:\"\"|RATE:1|DATA_TYPE:BIT|INPUT:@ign|DECIMAL:0|MAX:1|MIN:0;");
  EXPECT_EQ(LoggerItemStatement(*project, list.items[2]),
            "LOGGER_ITEM=NAME:\"A\"|UNIT:\"V\"|RATE:5|DATA_TYPE:U16|INPUT:ADC.3|DECIMAL:1|MAX:5.0|MIN:0.0;");
}

TEST(WriteBackLogger, OneBlockWhereTheFirstLoggerLineStood) {
  auto project = ProjectWithNames();
  Lines text = {"TIM.1=HI:1|LO:1|ENABLE:HI;",
                "LOGGER_ITEM=NAME:\"a\"|INPUT:ADC.1;",
                "AND.1=HI;",
                "LOGGER_SETUP=ENABLE:@ign;",
                "LOGGER_ITEM=NAME:\"b\"|INPUT:ADC.2|RATE:10;//b",
                "END;"};
  LoggerList list = ReadLoggerText(*project, text);
  ChooseLoggerDataTypes(list);
  WriteBackLogger(*project, text, list);
  EXPECT_EQ(text, (Lines{"TIM.1=HI:1|LO:1|ENABLE:HI;",
                         "LOGGER_SETUP=ENABLE:DI.1;",
                         "LOGGER_ITEM=NAME:\"a\"|UNIT:\"\"|RATE:0|DATA_TYPE:U16|INPUT:ADC.1|DECIMAL:0|MAX:0|MIN:0;",
                         "LOGGER_ITEM=NAME:\"b\"|UNIT:\"\"|RATE:10|DATA_TYPE:U16|INPUT:ADC.2|DECIMAL:0|MAX:0|MIN:0; //b",
                         "AND.1=HI;",
                         "END;"}));
}

TEST(WriteBackLogger, AddDeleteAndATextWithoutLoggerLines) {
  auto project = ProjectWithNames();
  Lines text = {"AND.1=HI;", "END;"};
  LoggerList list = ReadLoggerText(*project, text);
  ASSERT_TRUE(AddLoggerItem(*project, list));
  ASSERT_TRUE(AddLoggerItem(*project, list));
  list.items[0].item.name = "first";
  DeleteLoggerItem(list, 1);
  DeleteLoggerItem(list, 7);  // no such row
  ASSERT_EQ(list.items.size(), 1u);
  EXPECT_EQ(list.items[0].comment, "");

  // The default item: S32 for its -32767 to 32767, 10 samples of 4 bytes.
  EXPECT_EQ(RamSizeLabel(ChooseLoggerDataTypes(list)), "RAM size: 0.14mb");
  project->device.logger_enable = Link{RowOf("DI"), 4};
  WriteBackLogger(*project, text, list);
  EXPECT_EQ(text, (Lines{"LOGGER_SETUP=ENABLE:DI.4;",
                         "LOGGER_ITEM=NAME:\"first\"|UNIT:\"unit\"|RATE:10|DATA_TYPE:S32|INPUT:VELK_RPM|DECIMAL:0|"
                         "MAX:32767|MIN:-32767;",
                         "AND.1=HI;", "END;"}));

  // Without an enable input no LOGGER_SETUP line is written: Build would refuse "ENABLE:".
  project->device.logger_enable = {};
  EXPECT_EQ(LoggerBlock(*project, list).size(), 1u);

  LoggerList full;
  for (size_t i = 0; i < kMaxLoggerItems; ++i) ASSERT_TRUE(AddLoggerItem(*project, full));
  EXPECT_FALSE(AddLoggerItem(*project, full));
}

TEST(WriteBackLogger, ADeletedItemsLineGoesOnOk) {
  auto project = ProjectWithNames();
  Lines text = {"LOGGER_ITEM=NAME:\"a\"|INPUT:ADC.1;", "LOGGER_ITEM=NAME:\"b\"|INPUT:ADC.2;", "END;"};
  LoggerList list = ReadLoggerText(*project, text);
  DeleteLoggerItem(list, 0);
  ChooseLoggerDataTypes(list);
  WriteBackLogger(*project, text, list);
  EXPECT_EQ(text, (Lines{"LOGGER_ITEM=NAME:\"b\"|UNIT:\"\"|RATE:0|DATA_TYPE:U16|INPUT:ADC.2|DECIMAL:0|MAX:0|MIN:0;",
                         "END;"}));
}

}  // namespace
}  // namespace velk
