#include "can/dbc_import.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <ostream>
#include <random>
#include <sstream>

#include "can/channel_decode.h"
#include "model/project.h"
#include "script/parse_statement.h"
#include "support/shared_testdata.h"

namespace velk {
namespace {

// --- The integer ratio of a scale --------------------------------------------

TEST(BestRatio, TheScaleAsWrittenOrAsCloseAsARealHoldsIt) {
  struct Case {
    double scale;
    int shift;
    int32_t multiplier;
    int32_t divider;
  };
  const Case cases[] = {
      {0.1, 0, 1, 10},          {0.125, 0, 1, 8},         {0.001, 0, 1, 1000},
      {2, 0, 2, 1},             {0.6, 0, 3, 5},           {1, 0, 1, 1},
      {0.00125, 0, 1, 800},     {1e-07, 0, 1, 10000000},  {0.015625, 0, 1, 64},
      {80, 0, 80, 1},           {-0.5, 0, -1, 2},         {0.000127465, 0, 25493, 200000000},
      {0.7874016, 0, 246063, 312500},
      // The shift of a signal in the bytes read goes into the divider.
      {0.1, 4, 1, 160},         {2, 1, 1, 1},             {6, 2, 3, 2},
      {2147483647, 0, 2147483647, 1},
      // Written fractions too large for 32 bits: the simplest ratio a 32-bit
      // real cannot tell from them.
      {0.00999999978, 0, 1, 100}, {0.39215686275, 0, 20, 51}, {5.96e-8, 0, 1, 16778523}};
  for (const Case& c : cases) {
    const std::optional<Ratio> ratio = BestRatio(c.scale, c.shift);
    ASSERT_TRUE(ratio) << c.scale << " >> " << c.shift;
    EXPECT_EQ(ratio->multiplier, c.multiplier) << c.scale << " >> " << c.shift;
    EXPECT_EQ(ratio->divider, c.divider) << c.scale << " >> " << c.shift;
  }
  for (const double none : {0.0, 3e9, 1e-12, std::nan(""), HUGE_VAL}) EXPECT_FALSE(BestRatio(none)) << none;
  // Near enough, though the written fraction is too large once shifted.
  const std::optional<Ratio> shifted = BestRatio(0.000127465, 8);
  ASSERT_TRUE(shifted);
  EXPECT_NEAR(static_cast<double>(shifted->multiplier) / shifted->divider, 0.000127465 / 256, 0.000127465 / 256 * 6e-8);
}

// --- The mapping, signal by signal ------------------------------------------

DbcDatabase ReadText(const std::string& text) {
  std::istringstream in(text);
  std::ostringstream ignored;
  return ReadDbc(in, ignored);
}

struct ImportResult {
  CanChannelList list;
  std::string lines;
  std::string diagnostics;
};

ImportResult Import(const DbcDatabase& dbc, const std::vector<bool>& ticked, CanChannelList list = {}) {
  std::ostringstream diagnostics;
  ImportDbcSignals(list, dbc, ticked, diagnostics);
  ImportResult result{list, "", diagnostics.str()};
  for (const CanListEntry& entry : result.list.entries) result.lines += CanChannelLine(list.bus, entry) + "\n";
  return result;
}

std::vector<bool> TickNamed(const DbcDatabase& dbc, const std::string& name) {
  std::vector<bool> ticked;
  for (const DbcSignal& s : dbc.signals) ticked.push_back(s.name == name);
  return ticked;
}

struct MappingCase {
  const char* name;
  std::string message;  // the BO_ line
  std::string signals;  // its SG_ lines
  std::string ticked;   // the one signal imported
  std::string line;     // the generated channel line, or empty
  std::string diagnostics;
};

void PrintTo(const MappingCase& c, std::ostream* os) { *os << c.name; }

std::string Sg(const std::string& name, const std::string& place, const std::string& scale = "(1,0)") {
  return " SG_ " + name + " : " + place + " " + scale + " [0|0] \"\" X\n";
}

const std::string kEngine = "BO_ 256 Engine: 8 ECU\n";

class DbcMapping : public testing::TestWithParam<MappingCase> {};

TEST_P(DbcMapping, GeneratesTheChannelOrSaysWhyNot) {
  const MappingCase& c = GetParam();
  const DbcDatabase dbc = ReadText(c.message + c.signals);
  const ImportResult result = Import(dbc, TickNamed(dbc, c.ticked));
  EXPECT_EQ(result.lines, c.line.empty() ? "" : c.line + "\n");
  EXPECT_EQ(result.diagnostics, c.diagnostics);
}

std::string Skipped(const std::string& signal, const std::string& reason) {
  return "Warning: Signal " + signal + " of message Engine skipped: " + reason + ".\n";
}

INSTANTIATE_TEST_SUITE_P(
    Signals, DbcMapping,
    testing::Values(
        MappingCase{"example", kEngine, Sg("Rpm", "0|16@1+", "(0.125,0)"), "Rpm",
                    "@Rpm=CAN1_CHANNEL.1=STD_ID:0x100|BYTE_ORDER:LS|START_POS:0|DATA_TYPE:U16|DIVIDER:8;", ""},
        MappingCase{"motorola_byte", kEngine, Sg("B", "23|8@0+"), "B",
                    "@B=CAN1_CHANNEL.1=STD_ID:0x100|BYTE_ORDER:MS|START_POS:2|DATA_TYPE:U8;", ""},
        MappingCase{"intel_12_bits", kEngine, Sg("T", "0|12@1+"), "T",
                    "@T=CAN1_CHANNEL.1=STD_ID:0x100|BYTE_ORDER:LS|START_POS:0|DATA_TYPE:U16|DATA_MASK:0xFFF;", ""},
        MappingCase{"intel_12_bits_shifted", kEngine, Sg("T", "4|12@1+", "(0.1,0)"), "T",
                    "@T=CAN1_CHANNEL.1=STD_ID:0x100|BYTE_ORDER:LS|START_POS:0|DATA_TYPE:U16|DIVIDER:160|"
                    "DATA_MASK:0xFFF0;",
                    ""},
        MappingCase{"motorola_12_bits", kEngine, Sg("V", "4|12@0+", "(0.00125,0)"), "V",
                    "@V=CAN1_CHANNEL.1=STD_ID:0x100|BYTE_ORDER:MS|START_POS:0|DATA_TYPE:U16|DIVIDER:1600|"
                    "DATA_MASK:0x1FFE;",
                    ""},
        MappingCase{"one_bit", kEngine, Sg("F", "13|1@1+"), "F",
                    "@F=CAN1_CHANNEL.1=STD_ID:0x100|BYTE_ORDER:LS|START_POS:1|DATA_TYPE:U8|DIVIDER:32|DATA_MASK:0x20;",
                    ""},
        MappingCase{"scale_2", kEngine, Sg("S", "8|8@1+", "(2,0)"), "S",
                    "@S=CAN1_CHANNEL.1=STD_ID:0x100|BYTE_ORDER:LS|START_POS:1|DATA_TYPE:U8|MULTIPLIER:2;", ""},
        MappingCase{"scale_0_6", kEngine, Sg("S", "8|8@1+", "(0.6,0)"), "S",
                    "@S=CAN1_CHANNEL.1=STD_ID:0x100|BYTE_ORDER:LS|START_POS:1|DATA_TYPE:U8|MULTIPLIER:3|DIVIDER:5;",
                    ""},
        // OFFSET counts in raw steps: -40 at 0.5 a step is -80.
        MappingCase{"offset", kEngine, Sg("Temp", "8|8@1+", "(0.5,-40)"), "Temp",
                    "@Temp=CAN1_CHANNEL.1=STD_ID:0x100|BYTE_ORDER:LS|START_POS:1|DATA_TYPE:U8|DIVIDER:2|OFFSET:-80;",
                    ""},
        MappingCase{"offset_of_a_shifted_signal", kEngine, Sg("N", "4|4@1+", "(0.5,10)"), "N",
                    "@N=CAN1_CHANNEL.1=STD_ID:0x100|BYTE_ORDER:LS|START_POS:0|DATA_TYPE:U8|DIVIDER:32|OFFSET:320|"
                    "DATA_MASK:0xF0;",
                    ""},
        MappingCase{"signed_8", kEngine, Sg("I", "8|8@1-", "(0.1,-0.1)"), "I",
                    "@I=CAN1_CHANNEL.1=STD_ID:0x100|BYTE_ORDER:LS|START_POS:1|DATA_TYPE:S8|DIVIDER:10|OFFSET:-1;", ""},
        MappingCase{"signed_16_motorola", kEngine, Sg("I", "23|16@0-"), "I",
                    "@I=CAN1_CHANNEL.1=STD_ID:0x100|BYTE_ORDER:MS|START_POS:2|DATA_TYPE:S16;", ""},
        MappingCase{"signed_32", kEngine, Sg("I", "32|32@1-", "(0.001,0)"), "I",
                    "@I=CAN1_CHANNEL.1=STD_ID:0x100|BYTE_ORDER:LS|START_POS:4|DATA_TYPE:S32|DIVIDER:1000;", ""},
        MappingCase{"unsigned_28_motorola", kEngine, Sg("T", "7|28@0+"), "T",
                    "@T=CAN1_CHANNEL.1=STD_ID:0x100|BYTE_ORDER:MS|START_POS:0|DATA_TYPE:U32|DIVIDER:16|"
                    "DATA_MASK:0xFFFFFFF0;",
                    ""},
        MappingCase{"unsigned_24_at_the_end", kEngine, Sg("T", "40|24@1+"), "T",
                    "@T=CAN1_CHANNEL.1=STD_ID:0x100|BYTE_ORDER:LS|START_POS:4|DATA_TYPE:U32|DIVIDER:256|"
                    "DATA_MASK:0xFFFFFF00;",
                    ""},
        MappingCase{"unsigned_32_off_boundary", kEngine, Sg("T", "8|32@1+"), "T",
                    "@T=CAN1_CHANNEL.1=STD_ID:0x100|BYTE_ORDER:LS|START_POS:1|DATA_TYPE:U32;", ""},
        MappingCase{"extended_by_bit_31", "BO_ 2364540158 Pgn: 8 X\n", Sg("E", "0|8@1+"), "E",
                    "@E=CAN1_CHANNEL.1=EXT_ID:0x0CF004FE|BYTE_ORDER:LS|START_POS:0|DATA_TYPE:U8;", ""},
        MappingCase{"extended_by_text", "BO_ 100 EXT_STATUS: 8 X\n", Sg("E", "0|8@1+"), "E",
                    "@E=CAN1_CHANNEL.1=EXT_ID:0x00000064|BYTE_ORDER:LS|START_POS:0|DATA_TYPE:U8;", ""},
        MappingCase{"signed_12", kEngine, Sg("I", "0|12@1-"), "I", "",
                    Skipped("I", "signed, and not 8, 16 or 32 bits on byte boundaries")},
        MappingCase{"signed_16_off_boundary", kEngine, Sg("I", "4|16@1-"), "I", "",
                    Skipped("I", "signed, and not 8, 16 or 32 bits on byte boundaries")},
        MappingCase{"five_bytes", kEngine, Sg("L", "4|32@1+"), "L", "",
                    Skipped("L", "not within 1, 2 or 4 bytes of the frame")},
        MappingCase{"past_the_frame", "BO_ 256 Engine: 64 ECU\n", Sg("L", "300|8@1+"), "L", "",
                    Skipped("L", "not within 1, 2 or 4 bytes of the frame")},
        MappingCase{"forty_bits", kEngine, Sg("L", "0|40@1+"), "L", "", Skipped("L", "not 1 to 32 bits long")},
        MappingCase{"no_bits", kEngine, Sg("L", "0|0@1+"), "L", "", Skipped("L", "not 1 to 32 bits long")},
        MappingCase{"scale_0", kEngine, Sg("Z", "0|8@1+", "(0,5)"), "Z", "",
                    Skipped("Z", "scale not a ratio of 32-bit integers")},
        MappingCase{"tiny_scale", kEngine, Sg("Z", "0|8@1+", "(1e-12,0)"), "Z", "",
                    Skipped("Z", "scale not a ratio of 32-bit integers")},
        MappingCase{"huge_offset", kEngine, Sg("Z", "0|8@1+", "(0.001,1e9)"), "Z", "",
                    Skipped("Z", "offset beyond the channel's range")},
        // Multiplexed signals check their multiplexor where it lies.
        MappingCase{"multiplexor_in_byte_6", kEngine, Sg("V m3", "8|8@1+") + Sg("Bank M", "55|3@0+"), "V",
                    "@V=CAN1_CHANNEL.1=STD_ID:0x100|BYTE_ORDER:LS|START_POS:1|DATA_TYPE:U8|FRAME_ID_POS:6|"
                    "FRAME_ID_MASK:0xE0|FRAME_ID:96;",
                    ""},
        MappingCase{"one_bit_multiplexor", kEngine, Sg("Switch M", "2|1@1+") + Sg("T m1", "8|8@1+"), "T",
                    "@T=CAN1_CHANNEL.1=STD_ID:0x100|BYTE_ORDER:LS|START_POS:1|DATA_TYPE:U8|FRAME_ID_POS:0|"
                    "FRAME_ID_MASK:0x4|FRAME_ID:4;",
                    ""},
        MappingCase{"byte_multiplexor", kEngine, Sg("Sel M", "0|8@1+") + Sg("D m5", "8|8@1+"), "D",
                    "@D=CAN1_CHANNEL.1=STD_ID:0x100|BYTE_ORDER:LS|START_POS:1|DATA_TYPE:U8|FRAME_ID_POS:0|"
                    "FRAME_ID_MASK:0xFF|FRAME_ID:5;",
                    ""},
        MappingCase{"the_multiplexor_itself", kEngine, Sg("Sel M", "0|3@1+") + Sg("D m5", "8|8@1+"), "Sel",
                    "@Sel=CAN1_CHANNEL.1=STD_ID:0x100|BYTE_ORDER:LS|START_POS:0|DATA_TYPE:U8|DATA_MASK:0x7;", ""},
        MappingCase{"multiplexor_across_bytes", kEngine, Sg("Sel M", "4|8@1+") + Sg("D m1", "16|8@1+"), "D", "",
                    Skipped("D", "multiplexed by a multiplexor outside one byte")},
        MappingCase{"no_multiplexor", kEngine, Sg("D m1", "16|8@1+"), "D", "",
                    Skipped("D", "multiplexed, but its message has no multiplexor")},
        MappingCase{"value_beyond_multiplexor", kEngine, Sg("Sel M", "0|2@1+") + Sg("D m4", "16|8@1+"), "D", "",
                    Skipped("D", "multiplexer value beyond its multiplexor")},
        // Which multiplexor selects D is told only by SG_MUL_VAL_ lines, which are not read.
        MappingCase{"nested_multiplexing", kEngine, Sg("Sel M", "0|8@1+") + Sg("Ext m1M", "8|8@1+") + Sg("D m5", "16|8@1+"),
                    "D", "", Skipped("D", "under nested multiplexing, which is not decoded")},
        MappingCase{"value_beyond_32_bits", kEngine, Sg("Sel M", "0|8@1+") + Sg("D m4294967296", "16|8@1+"), "D", "",
                    Skipped("D", "multiplexer value beyond its multiplexor")}),
    [](const testing::TestParamInfo<MappingCase>& info) { return std::string(info.param.name); });

// --- Import into the list -----------------------------------------------------

TEST(ImportDbcSignals, NumbersAfterTheListAndLeavesUntickedSignalsOut) {
  const DbcDatabase dbc = ReadText(kEngine + Sg("A", "0|8@1+") + Sg("B", "8|8@1+") + Sg("C", "16|8@1+"));
  CanChannelList list = ReadCanChannels({"CAN2_CHANNEL.5=STD_ID:1;", "CAN2_CHANNEL.2=STD_ID:1;"}, 1);
  const ImportResult result = Import(dbc, {true, false, true}, list);
  ASSERT_EQ(result.list.entries.size(), 4u);
  EXPECT_EQ(result.diagnostics, "");
  const CanListEntry& a = result.list.entries[2];
  const CanListEntry& c = result.list.entries[3];
  EXPECT_EQ(a.instance, 6);
  EXPECT_EQ(c.instance, 7);
  EXPECT_EQ(a.line, -1);
  EXPECT_EQ(c.record.name, "@C");
  EXPECT_TRUE(c.record.comment.empty());
  EXPECT_EQ(CanChannelLine(1, c), "@C=CAN2_CHANNEL.7=STD_ID:0x100|BYTE_ORDER:LS|START_POS:2|DATA_TYPE:U8;");
}

TEST(ImportDbcSignals, StopsAtAFullListAndReportsTheRest) {
  std::string text = kEngine;
  for (int i = 0; i < 203; ++i) text += Sg("S" + std::to_string(i), "0|8@1+");
  const DbcDatabase dbc = ReadText(text);
  const ImportResult result = Import(dbc, std::vector<bool>(dbc.signals.size(), true));
  EXPECT_EQ(result.list.entries.size(), 200u);
  EXPECT_EQ(result.diagnostics,
            "Warning: Signal S200 of message Engine not imported: the channel list is full.\n"
            "Warning: Signal S201 of message Engine not imported: the channel list is full.\n"
            "Warning: Signal S202 of message Engine not imported: the channel list is full.\n");
}

TEST(ImportedChannelName, UniqueAndWithinTheField) {
  CanChannelList list;
  const auto add = [&list](const std::string& name) {
    TCAN_CH_Def record = DefaultCanChannel();
    record.name = name;
    ASSERT_TRUE(AddCanChannel(list, record));
  };
  EXPECT_EQ(ImportedChannelName(list, "Counter", "Steering"), "@Counter");
  add("@Counter");
  EXPECT_EQ(ImportedChannelName(list, "Counter", "Steering"), "@Counter_Steering");
  add("@Counter_Steering");
  EXPECT_EQ(ImportedChannelName(list, "Counter", "Steering"), "@Counter_Steering_2");
  add("@Counter_Steering_2");
  EXPECT_EQ(ImportedChannelName(list, "Counter", "Steering"), "@Counter_Steering_3");

  const std::string long_name(70, 's');
  const std::string cut = "@" + long_name.substr(0, 62);
  EXPECT_EQ(ImportedChannelName(list, long_name, "M"), cut);
  add(cut);
  // With the message name cut away too, only the number tells them apart.
  EXPECT_EQ(ImportedChannelName(list, long_name, "M"), "@" + long_name.substr(0, 60) + "_2");
  // A cut does not split a UTF-8 character.
  EXPECT_EQ(ImportedChannelName(list, std::string(61, 'u') + "\xC3\xA9", "M"), "@" + std::string(61, 'u'));
}

// --- Every imported channel decodes its signal's value -------------------------

int FrameBit(const CanFrame& frame, int bit) { return frame.data[static_cast<size_t>(bit / 8)] >> (bit % 8) & 1; }

void SetFrameBit(CanFrame& frame, int bit, int value) {
  auto& byte = frame.data[static_cast<size_t>(bit / 8)];
  byte = static_cast<uint8_t>(value ? byte | 1 << (bit % 8) : byte & ~(1 << (bit % 8)));
}

// The frame bits of a signal, most significant first, as DBC files define
// them: Intel signals run up from the start bit, Motorola signals run down
// from it and on into bit 7 of the next byte.
std::vector<int> SignalBits(const DbcSignal& s) {
  std::vector<int> bits;
  int bit = s.start_bit;
  for (int i = 0; i < s.length; ++i) {
    if (s.byte_order == '1') {
      bits.insert(bits.begin(), s.start_bit + i);
    } else {
      bits.push_back(bit);
      bit = bit % 8 == 0 ? bit + 15 : bit - 1;
    }
  }
  return bits;
}

int64_t ReferenceRaw(const DbcSignal& s, const CanFrame& frame) {
  uint64_t raw = 0;
  for (const int bit : SignalBits(s)) raw = raw << 1 | static_cast<uint64_t>(FrameBit(frame, bit));
  if (s.sign == '-' && (raw >> (s.length - 1) & 1)) return static_cast<int64_t>(raw) - (int64_t{1} << s.length);
  return static_cast<int64_t>(raw);
}

void SetReferenceRaw(const DbcSignal& s, CanFrame& frame, uint64_t raw) {
  const std::vector<int> bits = SignalBits(s);
  for (size_t i = 0; i < bits.size(); ++i) SetFrameBit(frame, bits[i], static_cast<int>(raw >> (bits.size() - 1 - i) & 1));
}

const DbcSignal* MultiplexorOf(const DbcDatabase& dbc, const DbcSignal& s) {
  for (const DbcSignal& other : dbc.signals)
    if (other.message == s.message && other.multiplexor) return &other;
  return nullptr;
}

// Random frames through the channel against the signal's own definition:
// raw * scale + offset, and a match exactly where the multiplexor holds the
// signal's value. `checked` counts the signals that have a channel.
void CheckDecoding(const DbcDatabase& dbc, const std::string& where, size_t& checked) {
  std::mt19937 random(7);
  checked = 0;
  for (size_t i = 0; i < dbc.signals.size(); ++i) {
    const DbcSignal& s = dbc.signals[i];
    const SignalChannel mapped = MapDbcSignal(dbc, i);
    if (!mapped.channel) continue;
    ++checked;
    const CanChannel& c = *mapped.channel;
    const double step = static_cast<double>(c.multiplier) / c.divider;
    // OFFSET is the offset in steps, rounded: within half a step.
    const double offset_error = std::fabs(c.offset * step - s.offset);
    ASSERT_LE(offset_error, std::fabs(step) / 2 + 1e-12) << where << " " << s.name;
    const DbcSignal* multiplexor = s.multiplexed ? MultiplexorOf(dbc, s) : nullptr;
    for (int n = 0; n < 64; ++n) {
      CanFrame frame{s.message_id, static_cast<uint8_t>(s.extended), 8, {}};
      for (uint8_t& byte : frame.data) byte = static_cast<uint8_t>(random());
      if (multiplexor && n % 2 == 0) SetReferenceRaw(*multiplexor, frame, s.multiplexer_value);
      const bool selected = !multiplexor || ReferenceRaw(*multiplexor, frame) == s.multiplexer_value;
      ASSERT_EQ(ChannelMatchesFrame(c, frame), selected) << where << " " << s.name;
      const double raw = static_cast<double>(ReferenceRaw(s, frame));
      const double expected = raw * s.scale + s.offset;
      const double tolerance = offset_error + 2.5e-7 * (std::fabs(expected) + std::fabs(raw * s.scale) + std::fabs(s.offset));
      ASSERT_NEAR(DecodeChannelValue(c, frame), expected, tolerance) << where << " " << s.name << " raw " << raw;
    }
  }
}

TEST(DbcMappingDecodes, TheSignalCases) {
  std::string text = kEngine;
  for (const char* place : {"0|16@1+", "23|8@0+", "4|12@1+", "4|12@0+", "13|1@1+", "8|8@1-", "23|16@0-",
                                   "32|32@1-", "7|28@0+", "40|24@1+", "8|32@1+", "62|2@1+", "58|3@0+"})
    text += Sg("S" + std::to_string(text.size()), place, "(0.6,-12.5)");
  text += Sg("Bank M", "55|3@0+") + Sg("Cell m5", "19|12@0+", "(0.00125,0)");
  const DbcDatabase dbc = ReadText(text);
  size_t checked = 0;
  CheckDecoding(dbc, "cases", checked);
  EXPECT_EQ(checked, dbc.signals.size());
}

class RealDbcImport : public testing::TestWithParam<const char*> {};

TEST_P(RealDbcImport, EveryImportedChannelDecodesItsSignal) {
  VELK_SKIP_WITHOUT_SHARED_DBC();
  std::ostringstream ignored;
  const std::optional<DbcDatabase> dbc = ReadDbcFile(test::SharedDbcFile(GetParam()), ignored);
  ASSERT_TRUE(dbc);
  size_t checked = 0;
  CheckDecoding(*dbc, GetParam(), checked);
  // Only signals that no channel decodes exactly are left out.
  for (size_t i = 0; i < dbc->signals.size(); ++i) {
    const DbcSignal& s = dbc->signals[i];
    if (MapDbcSignal(*dbc, i).channel) continue;
    const bool signed_off_boundary = s.sign == '-';
    const bool too_wide = s.length > 24;  // more than 32 bits, or 25 to 32 across five bytes
    EXPECT_TRUE(signed_off_boundary || too_wide) << GetParam() << " " << s.name;
  }
  EXPECT_GT(checked, dbc->signals.size() / 2) << GetParam();
}

TEST_P(RealDbcImport, EverySignalIsImportedOrReportedAndTheLinesLoad) {
  VELK_SKIP_WITHOUT_SHARED_DBC();
  std::ostringstream ignored;
  const std::optional<DbcDatabase> dbc = ReadDbcFile(test::SharedDbcFile(GetParam()), ignored);
  ASSERT_TRUE(dbc);
  const ImportResult result = Import(*dbc, std::vector<bool>(dbc->signals.size(), true));
  size_t reported = 0;
  std::istringstream diagnostics(result.diagnostics);
  for (std::string line; std::getline(diagnostics, line);) reported += line.starts_with("Warning: Signal ");
  EXPECT_EQ(result.list.entries.size() + reported, dbc->signals.size());
  EXPECT_LE(result.list.entries.size(), 200u);

  // The lines the list would write are statements Build accepts, names and all.
  auto project = std::make_unique<Project>();
  std::istringstream lines(result.lines);
  for (std::string line; std::getline(lines, line);) {
    ASSERT_EQ(line.back(), ';');
    line.pop_back();
    project->parser_message.clear();
    EXPECT_EQ(ParseStatement(*project, line), 0) << line;
    EXPECT_EQ(project->parser_message, "") << line;
  }
  EXPECT_EQ(project->names.size(), result.list.entries.size());
  // And the list reads them back as they were.
  std::vector<std::string> text;
  for (const CanListEntry& entry : result.list.entries) text.push_back(CanChannelLine(0, entry));
  const CanChannelList reread = ReadCanChannels(text, 0);
  ASSERT_EQ(reread.entries.size(), result.list.entries.size());
  for (size_t i = 0; i < text.size(); ++i) EXPECT_EQ(CanChannelLine(0, reread.entries[i]), text[i]);
}

INSTANTIATE_TEST_SUITE_P(Files, RealDbcImport, testing::ValuesIn(test::kRealDbcFiles),
                         [](const testing::TestParamInfo<const char*>& info) {
                           std::string name = info.param;
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

}  // namespace
}  // namespace velk
