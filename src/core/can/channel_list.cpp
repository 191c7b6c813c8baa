#include "can/channel_list.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>

#include "script/can_statements.h"
#include "script/lexical.h"
#include "script/logic_lines.h"
#include "script/numbers.h"

namespace velk {
namespace {

constexpr std::array<std::string_view, 6> kDataTypeWords = {"U8", "S8", "U16", "S16", "U32", "S32"};

// A channel statement of the bus: [@name=]KEYWORD.n=fields, n from 1 to the
// bus's channel count, the name short enough for the record.
std::optional<CanListEntry> ReadChannelStatement(std::string_view statement, std::string_view keyword) {
  std::string_view rest = statement;
  std::string_view name;
  if (rest.starts_with('@')) {
    const size_t equals = rest.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    name = rest.substr(0, equals);
    rest.remove_prefix(equals + 1);
  }
  const size_t equals = rest.find('=');
  if (equals == std::string_view::npos || name.size() > kMaxChannelNameBytes) return std::nullopt;
  const Indexed head = SplitIndexed(rest.substr(0, equals));
  if (!head.has_dot || head.name != keyword) return std::nullopt;
  if (head.instance < 1 || head.instance > static_cast<int32_t>(kCanChannels)) return std::nullopt;
  CanListEntry entry;
  if (!ParseCanChannelFields(entry.record.channel, rest.substr(equals + 1))) return std::nullopt;
  entry.record.name = name;
  entry.instance = head.instance;
  return entry;
}

}  // namespace

std::string_view ChannelKeyword(size_t bus) { return bus == 0 ? "CAN1_CHANNEL" : "CAN2_CHANNEL"; }

std::string HexText(uint32_t value, int min_digits) {
  std::array<char, 8> digits;
  const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value, 16).ptr;
  std::string text(digits.data(), end);
  std::transform(text.begin(), text.end(), text.begin(), [](char c) { return c >= 'a' ? c - 'a' + 'A' : c; });
  if (text.size() < static_cast<size_t>(min_digits)) text.insert(0, static_cast<size_t>(min_digits) - text.size(), '0');
  return "0x" + text;
}

std::string_view DataTypeWord(uint8_t data_type) {
  return kDataTypeWords[std::min<size_t>(data_type, kDataTypeWords.size() - 1)];
}

std::string TimeoutValueText(float value) {
  std::array<char, 64> buffer;
  const auto scientific = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                        std::chars_format::scientific).ptr;
  const std::string_view digits(buffer.data(), static_cast<size_t>(scientific - buffer.data()));
  const size_t e = digits.find('e');
  // Plain digits while the value has fewer than 15 integer digits and is not
  // tiny, as a general number format does; an exponent otherwise.
  const int32_t exponent = e == std::string_view::npos ? 0 : ParseInteger(digits.substr(e + 1));
  if (exponent < -4 || exponent >= 15) return std::string(digits);
  const auto fixed = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed).ptr;
  return std::string(buffer.data(), fixed);
}

CanChannelList ReadCanChannels(const std::vector<std::string>& logic_text, size_t bus) {
  CanChannelList list;
  list.bus = bus;
  const std::string_view keyword = ChannelKeyword(bus);
  for (size_t i = 0; i < logic_text.size() && list.entries.size() < kCanChannels; ++i) {
    const LogicStatement line = ReadLogicStatement(logic_text[i]);
    if (line.statement.empty()) continue;
    if (line.statement == "END") break;
    std::optional<CanListEntry> entry = ReadChannelStatement(line.statement, keyword);
    if (!entry) continue;
    entry->record.comment = line.comment;
    entry->line = static_cast<int>(i);
    list.entries.push_back(std::move(*entry));
  }
  return list;
}

std::string CanChannelLine(size_t bus, const CanListEntry& entry) {
  const CanChannel& c = entry.record.channel;
  std::string line;
  if (!entry.record.name.empty()) line += entry.record.name + "=";
  line += ChannelKeyword(bus);
  line += "." + std::to_string(entry.instance);
  line += c.format == 1 ? "=STD_ID:" + HexText(c.id, 3) + "|" : "=EXT_ID:" + HexText(c.id, 8) + "|";
  line += c.byte_order == 1 ? "BYTE_ORDER:LS|START_POS:" : "BYTE_ORDER:MS|START_POS:";
  line += std::to_string(c.start_pos);
  line += "|DATA_TYPE:";
  line += DataTypeWord(c.data_type);
  if (c.multiplier != 1) line += "|MULTIPLIER:" + std::to_string(c.multiplier);
  if (c.divider != 1) line += "|DIVIDER:" + std::to_string(c.divider);
  if (c.offset != 0) line += "|OFFSET:" + std::to_string(c.offset);
  if (c.data_mask != 0xFFFFFFFF) line += "|DATA_MASK:" + HexText(c.data_mask, 1);
  if (c.timeout != 0)
    line += "|TIMEOUT:" + std::to_string(c.timeout) + "|TIMEOUT_DATA_VALUE:" + TimeoutValueText(c.timeout_data_value);
  if (c.frame_id_pos != 0) {
    line += "|FRAME_ID_POS:" + std::to_string(c.frame_id_pos - 1);
    line += "|FRAME_ID_MASK:" + HexText(c.frame_id_mask, 1);
    line += "|FRAME_ID:" + std::to_string(c.frame_id);
  }
  line += ";";
  if (!entry.record.comment.empty()) line += " //" + entry.record.comment;
  return line;
}

void WriteBackCanChannels(std::vector<std::string>& logic_text, const CanChannelList& list) {
  const auto from_text = [&](const CanListEntry& e) {
    return e.line >= 0 && static_cast<size_t>(e.line) < logic_text.size();
  };
  int last = -1;
  for (const CanListEntry& entry : list.entries)
    if (from_text(entry)) last = std::max(last, entry.line);
  // Without a channel line to follow, before END, where Build still reads them.
  size_t insert_at = last >= 0 ? static_cast<size_t>(last) + 1 : EndLineIndex(logic_text);
  for (const CanListEntry& entry : list.entries) {
    std::string line = CanChannelLine(list.bus, entry);
    if (from_text(entry)) logic_text[static_cast<size_t>(entry.line)] = std::move(line);
    else logic_text.insert(logic_text.begin() + static_cast<std::ptrdiff_t>(insert_at++), std::move(line));
  }
}

void DeleteCanChannel(std::vector<std::string>& logic_text, CanChannelList& list, size_t index) {
  if (index >= list.entries.size()) return;
  const int line = list.entries[index].line;
  if (line >= 0 && static_cast<size_t>(line) < logic_text.size())
    logic_text[static_cast<size_t>(line)].insert(0, "//");
  list.entries.erase(list.entries.begin() + static_cast<std::ptrdiff_t>(index));
}

TCAN_CH_Def DefaultCanChannel() {
  TCAN_CH_Def record;
  CanChannel& c = record.channel;
  c.format = 1;
  c.id = 0x700;
  c.data_type = 2;  // U16
  c.multiplier = 1;
  c.divider = 1;
  c.data_mask = 0xFFFFFFFF;
  c.frame_id_mask = 0xFF;
  return record;
}

int32_t NextCanInstance(const CanChannelList& list) {
  int32_t largest = 0;
  for (const CanListEntry& entry : list.entries) largest = std::max(largest, entry.instance);
  return largest + 1;
}

bool AddCanChannel(CanChannelList& list, const TCAN_CH_Def& record) {
  const int32_t instance = NextCanInstance(list);
  if (list.entries.size() >= kCanChannels || instance > static_cast<int32_t>(kCanChannels)) return false;
  list.entries.push_back(CanListEntry{record, instance, -1});
  return true;
}

}  // namespace velk
