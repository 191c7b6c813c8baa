#include "can/dbc_reader.h"

#include <gtest/gtest.h>

#include <limits>

#include <fstream>
#include <map>
#include <ostream>
#include <sstream>

#include "support/shared_testdata.h"

namespace velk {
namespace {

DbcDatabase Read(const std::string& text, std::string& diagnostics) {
  std::istringstream in(text);
  std::ostringstream out;
  DbcDatabase dbc = ReadDbc(in, out);
  diagnostics = out.str();
  return dbc;
}

// One line per message and signal, so that a case states the whole result.
std::string Describe(const DbcDatabase& dbc) {
  std::ostringstream out;
  for (const DbcMessage& m : dbc.messages)
    out << "BO " << m.id << (m.extended ? " ext " : " std ") << m.name << " " << int{m.dlc} << "\n";
  for (const DbcSignal& s : dbc.signals) {
    out << "SG " << dbc.messages[s.message].name << "/" << s.message_id << (s.extended ? "x" : "") << " " << s.name
        << " " << s.start_bit << "|" << s.length << "@" << s.byte_order << s.sign << " (" << s.scale << ","
        << s.offset << ") [" << s.minimum << "|" << s.maximum << "] '" << s.unit << "' " << s.receiver;
    if (s.multiplexor) out << " M";
    if (s.multiplexed) out << " m" << s.multiplexer_value;
    out << "\n";
  }
  return out.str();
}

struct ReadCase {
  const char* name;
  std::string dbc;
  std::string described;
  std::string diagnostics;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class DbcRead : public testing::TestWithParam<ReadCase> {};

TEST_P(DbcRead, MessagesSignalsAndDiagnostics) {
  const ReadCase& c = GetParam();
  std::string diagnostics;
  const DbcDatabase dbc = Read(c.dbc, diagnostics);
  EXPECT_EQ(Describe(dbc), c.described);
  EXPECT_EQ(diagnostics, c.diagnostics);
}

// An empty unit ends the pattern: the receiver after it is not read (it is
// not used either).
const std::string kRpm = " SG_ Rpm : 0|16@1+ (0.125,0) [0|8000] \"rpm\" Dash\n";
const std::string kLongTail(300, 'x');

INSTANTIATE_TEST_SUITE_P(
    Lines, DbcRead,
    testing::Values(
        ReadCase{"message_and_signal", "BO_ 256 Engine: 8 ECU\n" + kRpm,
                 "BO 256 std Engine 8\nSG Engine/256 Rpm 0|16@1+ (0.125,0) [0|8000] 'rpm' Dash\n", ""},
        ReadCase{"blanks_around_fields", "\t BO_  256   Engine  :  8 ECU\n\tSG_  Rpm :  0|16@1-  (-0.5,-40)  [-1|1]\n",
                 "BO 256 std Engine 8\nSG Engine/256 Rpm 0|16@1- (-0.5,-40) [-1|1] '' \n", ""},
        // Six fields are enough: no range, unit or receiver.
        ReadCase{"six_fields", "BO_ 1 M: 8 X\n SG_ A : 7|4@0+ (2E-05,3)\n",
                 "BO 1 std M 8\nSG M/1 A 7|4@0+ (2e-05,3) [0|0] '' \n", ""},
        ReadCase{"five_fields", "BO_ 1 M: 8 X\n SG_ A : 7|4@0+ (2\n", "BO 1 std M 8\n",
                 "Error: Invalid SG_ format in line: SG_ A : 7|4@0+ (2\n"},
        ReadCase{"no_colon", "BO_ 1 M: 8 X\n SG_ A 7|4@0+ (1,0)\n", "BO 1 std M 8\n",
                 "Error: Invalid SG_ format in line: SG_ A 7|4@0+ (1,0)\n"},
        ReadCase{"ext_in_the_line", "BO_ 100 EXT_STATUS: 8 X\n", "BO 100 ext EXT_STATUS 8\n", ""},
        // Bit 31 of the written identifier marks a 29-bit one: 0x8CF004FE is 0x0CF004FE extended.
        ReadCase{"extended_bit", "BO_ 2364540158 Pgn: 8 X\n SG_ A : 0|8@1+ (1,0) [0|0] \"\" X\n",
                 "BO 217056510 ext Pgn 8\nSG Pgn/217056510x A 0|8@1+ (1,0) [0|0] '' \n", ""},
        ReadCase{"pseudo_message_dropped",
                 "BO_ 3221225472 VECTOR__INDEPENDENT_SIG_MSG: 0 Vector__XXX\n SG_ A : 0|8@1+ (1,0) [0|0] \"\" X\n"
                 "BO_ 1 M: 8 X\n SG_ B : 0|8@1+ (1,0) [0|0] \"\" X\n"
                 "BO_ 3221225472 VECTOR__INDEPENDENT_SIG_MSG: 0 Vector__XXX\n SG_ C : 0|8@1+ (1,0) [0|0] \"\" X\n",
                 "BO 1 std M 8\nSG M/1 B 0|8@1+ (1,0) [0|0] '' \n",
                 "Warning: Signal of VECTOR__INDEPENDENT_SIG_MSG skipped: SG_ A : 0|8@1+ (1,0) [0|0] \"\" X\n"
                 "Warning: Signal of VECTOR__INDEPENDENT_SIG_MSG skipped: SG_ C : 0|8@1+ (1,0) [0|0] \"\" X\n"},
        ReadCase{"signal_before_message", kRpm + "BO_ 1 M: 8 X\n", "BO 1 std M 8\n",
                 "Error: Signal found before message.\n"},
        // Until a message with data has been read, signals have nowhere to go.
        ReadCase{"signal_after_empty_message", "BO_ 1 M: 0 X\n" + kRpm, "BO 1 std M 0\n",
                 "Error: Signal found before message.\n"},
        // A message line that cannot be read leaves its signals without a message.
        ReadCase{"invalid_message", "BO_ 1 M: 8 X\nBO_ M: 8 X\n" + kRpm + "BO_ 2 N 8\n",
                 "BO 1 std M 8\n",
                 "Error: Invalid BO_ format in line: BO_ M: 8 X\nError: Signal found before message.\n"
                 "Error: Invalid BO_ format in line: BO_ 2 N 8\n"},
        ReadCase{"identifier_beyond_32_bits", "BO_ 4294967296 M: 8 X\n", "",
                 "Error: Invalid BO_ format in line: BO_ 4294967296 M: 8 X\n"},
        // Keywords count as whole words only.
        ReadCase{"other_keywords", "NS_ :\n\tBO_TX_BU_\n\tSG_MUL_VAL_\nBO_ 1 M: 8 X\nBO_TX_BU_ 1 : A,B;\n" + kRpm +
                                       "SG_MUL_VAL_ 1 Rpm Sel 0-0;\nCM_ SG_ 1 Rpm \"x\";\nVAL_ 1 Rpm 0 \"a\" ;\n",
                 "BO 1 std M 8\nSG M/1 Rpm 0|16@1+ (0.125,0) [0|8000] 'rpm' Dash\n", ""},
        ReadCase{"carriage_returns", "BO_ 1 M: 8 X\r\n SG_ A : 0|8@1+ (1,0) [0|0] \"u\" Y\r\n\r\n",
                 "BO 1 std M 8\nSG M/1 A 0|8@1+ (1,0) [0|0] 'u' Y\n", ""},
        ReadCase{"multiplexing",
                 "BO_ 1 M: 8 X\n SG_ Gear m2 : 8|8@1+ (1,0) [0|0] \"\" X\n SG_ Sel M : 0|3@1+ (1,0) [0|0] \"\" X\n"
                 " SG_ Km : 16|8@1+ (1,0) [0|0] \"m\" mcu\n SG_ Ext m3M : 24|8@1+ (1,0) [0|0] \"\" X\n",
                 "BO 1 std M 8\nSG M/1 Gear 8|8@1+ (1,0) [0|0] ''  m2\nSG M/1 Sel 0|3@1+ (1,0) [0|0] ''  M\n"
                 "SG M/1 Km 16|8@1+ (1,0) [0|0] 'm' mcu\nSG M/1 Ext 24|8@1+ (1,0) [0|0] ''  m3\n",
                 ""},
        // A long line is one line: its tail is not read as a line of its own,
        // and a long signal line keeps its signal.
        ReadCase{"long_lines",
                 "BO_ 1 M: 8 X\nVAL_ 1 A " + std::string(246, 'x') + " SG_ Fake : 0|8@1+ (1,0) [0|0] \"\" X\n" +
                     " SG_ A : 0|8@1+ (1,0) [0|0] \"u\" " + kLongTail + "\n",
                 "BO 1 std M 8\nSG M/1 A 0|8@1+ (1,0) [0|0] 'u' " + kLongTail.substr(0, 99) + "\n", ""},
        // Start bits past 255 are kept, not wrapped into the frame.
        ReadCase{"large_start_bit", "BO_ 1 M: 64 X\n SG_ A : 300|8@1+ (1,0) [0|0] \"\" X\n SG_ B : 0|70000@1+ (1,0)\n",
                 "BO 1 std M 64\nSG M/1 A 300|8@1+ (1,0) [0|0] '' \n",
                 "Error: Invalid SG_ format in line: SG_ B : 0|70000@1+ (1,0)\n"}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST(DbcRead, ExtendedIdentifiersKeepTwentyNineBitsAndHugeLimitsStayReal) {
  std::string diagnostics;
  const DbcDatabase dbc = Read("BO_ 3221225473 Odd: 8 X\n SG_ S : 0|8@1+ (1,0) [-1e300|1e300] \"\" X\n", diagnostics);
  ASSERT_EQ(dbc.messages.size(), 1u);
  EXPECT_TRUE(dbc.messages[0].extended);
  EXPECT_EQ(dbc.messages[0].id, 0x00000001u);
  ASSERT_EQ(dbc.signals.size(), 1u);
  EXPECT_EQ(dbc.signals[0].maximum, std::numeric_limits<float>::max());
  EXPECT_EQ(dbc.signals[0].minimum, -std::numeric_limits<float>::max());
}

TEST(DbcReadBound, KeepsAtMostAThousandSignals) {
  std::string text = "BO_ 1 First: 8 X\n";
  for (int i = 0; i < 600; ++i) text += " SG_ A" + std::to_string(i) + " : 0|8@1+ (1,0) [0|0] \"\" X\n";
  text += "BO_ 2 Second: 8 X\n";
  for (int i = 0; i < 401; ++i) text += " SG_ B" + std::to_string(i) + " : 0|8@1+ (1,0) [0|0] \"\" X\n";
  std::string diagnostics;
  const DbcDatabase dbc = Read(text, diagnostics);
  ASSERT_EQ(dbc.signals.size(), 1000u);
  EXPECT_EQ(dbc.signals.back().name, "B399");
  EXPECT_EQ(diagnostics, "Warning: Too many signals in message Second.\n");
}

TEST(DbcReadFile, ReportsAFileThatDoesNotOpen) {
  std::ostringstream diagnostics;
  EXPECT_FALSE(ReadDbcFile("/nonexistent/velk.dbc", diagnostics));
  EXPECT_EQ(diagnostics.str(), "Failed to open file: No such file or directory\n");
}

// --- The real files -----------------------------------------------------------

// SG_ and BO_ lines counted independently of the reader: the keyword as the
// first word of a line.
size_t CountKeywordLines(const std::string& path, const std::string& keyword) {
  std::ifstream in(path, std::ios::binary);
  size_t count = 0;
  std::string line;
  while (std::getline(in, line)) {
    const size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line.compare(first, keyword.size(), keyword) != 0) continue;
    const size_t after = first + keyword.size();
    if (after < line.size() && (line[after] == ' ' || line[after] == '\t')) ++count;
  }
  return count;
}

size_t CountLinesStarting(const std::string& text, const std::string& prefix) {
  size_t count = 0;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) count += line.starts_with(prefix);
  return count;
}

struct RealFile {
  const char* file;
  size_t messages;         // real messages, the pseudo message left out
  size_t extended;         // of those, with 29-bit identifiers
  size_t signals;          // signals kept
  size_t pseudo_signals;   // signals of the pseudo message, reported and dropped
};

void PrintTo(const RealFile& c, std::ostream* os) { *os << c.file; }

class RealDbc : public testing::TestWithParam<RealFile> {};

// The counts come from the files' description (a regular-expression count),
// not from this reader.
TEST_P(RealDbc, EverySignalLineIsKeptOrReported) {
  VELK_SKIP_WITHOUT_SHARED_DBC();
  const RealFile& c = GetParam();
  const std::string path = test::SharedDbcFile(c.file);
  std::ostringstream out;
  const std::optional<DbcDatabase> dbc = ReadDbcFile(path, out);
  ASSERT_TRUE(dbc);
  const std::string diagnostics = out.str();
  EXPECT_EQ(dbc->messages.size(), c.messages);
  EXPECT_EQ(dbc->signals.size(), c.signals);
  size_t extended = 0;
  for (const DbcMessage& m : dbc->messages) {
    extended += m.extended;
    EXPECT_LE(m.id, m.extended ? 0x1FFFFFFFu : 0x7FFu) << m.name;
  }
  EXPECT_EQ(extended, c.extended);
  EXPECT_EQ(CountLinesStarting(diagnostics, "Warning: Signal of VECTOR__INDEPENDENT_SIG_MSG skipped: "),
            c.pseudo_signals);
  // Nothing else is reported: no format errors from BO_TX_BU_, SG_MUL_VAL_,
  // carriage returns or long lines.
  EXPECT_EQ(CountLinesStarting(diagnostics, ""), c.pseudo_signals) << diagnostics;
  EXPECT_EQ(dbc->signals.size() + c.pseudo_signals, CountKeywordLines(path, "SG_"));
  EXPECT_EQ(dbc->messages.size() + (c.pseudo_signals > 0 ? 1 : 0), CountKeywordLines(path, "BO_"));
}

TEST_P(RealDbc, NamesCarryNoMarkerAndMultiplexedSignalsHaveAMultiplexor) {
  VELK_SKIP_WITHOUT_SHARED_DBC();
  std::ostringstream out;
  const std::optional<DbcDatabase> dbc = ReadDbcFile(test::SharedDbcFile(GetParam().file), out);
  ASSERT_TRUE(dbc);
  std::map<size_t, int> multiplexors;
  for (const DbcSignal& s : dbc->signals) multiplexors[s.message] += s.multiplexor;
  for (const DbcSignal& s : dbc->signals) {
    EXPECT_EQ(s.name.find(' '), std::string::npos) << s.name;
    if (s.multiplexed) {
      EXPECT_EQ(multiplexors[s.message], 1) << s.name;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Files, RealDbc,
                         testing::Values(RealFile{"abs.dbc", 18, 0, 89, 0},
                                         RealFile{"gm_global_a_high_voltage_management.dbc", 12, 0, 125, 0},
                                         RealFile{"gm_global_a_object.dbc", 59, 0, 518, 2},
                                         RealFile{"psa_aee2010_r3.dbc", 107, 0, 430, 106},
                                         RealFile{"tesla_can.dbc", 44, 0, 572, 0},
                                         RealFile{"vehicle.dbc", 217, 217, 462, 0}));

TEST(RealDbcIdentifiers, ExtendedOnesLoseTheirMarkerBit) {
  VELK_SKIP_WITHOUT_SHARED_DBC();
  std::ostringstream out;
  const std::optional<DbcDatabase> dbc = ReadDbcFile(test::SharedDbcFile("vehicle.dbc"), out);
  ASSERT_TRUE(dbc);
  const auto found = std::find_if(dbc->messages.begin(), dbc->messages.end(),
                                  [](const DbcMessage& m) { return m.name == "RT_SB_INS_Vel_Body_Axes"; });
  ASSERT_NE(found, dbc->messages.end());
  EXPECT_EQ(found->id, 0x09588322u);
  EXPECT_TRUE(found->extended);
}

}  // namespace
}  // namespace velk
