#include "logger/logger_text.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "logger/logger_memory.h"
#include "model/project.h"
#include "script/lexical.h"
#include "script/logic_lines.h"
#include "script/references.h"
#include "script/setting_statements.h"

namespace velk {
namespace {

constexpr std::array<std::string_view, 7> kDataTypeWords = {"BIT", "U8", "S8", "U16", "S16", "U32", "S32"};
constexpr uint8_t kMaxDecimals = 9;
constexpr std::string_view kDefaultItem =
    "NAME:\"name\"|UNIT:\"unit\"|RATE:10|DATA_TYPE:U16|INPUT:VELK_RPM|DECIMAL:0|MAX:32767|MIN:-32767";

// A fresh record per line: the parser leaves UNIT, MIN and MAX alone when
// the line does not give them.
bool ReadItem(const Project& project, std::string_view value, LoggerListItem& item) {
  return ParseLoggerItemFields(project, item.item, value) && item.item.decimal <= kMaxDecimals;
}

// A refused LOGGER_SETUP line must not change the enable input it failed to set.
bool ReadSetup(Project& project, std::string_view value) {
  const Link previous = project.device.logger_enable;
  if (ParseLoggerSetup(project, value)) return true;
  project.device.logger_enable = previous;
  return false;
}

}  // namespace

LoggerList ReadLoggerText(Project& project, const std::vector<std::string>& logic_text) {
  LoggerList list;
  for (size_t i = 0; i < logic_text.size(); ++i) {
    const LogicStatement line = ReadLogicStatement(logic_text[i]);
    if (line.statement.empty()) continue;
    if (line.statement == "END") break;
    const size_t equals = line.statement.find('=');
    if (equals == std::string::npos || line.statement.size() > kMaxLoggerStatementBytes) continue;
    const std::string_view statement = line.statement;
    const Indexed head = SplitIndexed(statement.substr(0, equals));
    const std::string_view value = statement.substr(equals + 1);
    if (head.name == "LOGGER_ITEM" && head.instance > 0) {
      LoggerListItem item;
      if (list.items.size() >= kMaxLoggerItems || !ReadItem(project, value, item)) continue;
      item.comment = line.comment;
      list.items.push_back(std::move(item));
      list.lines.push_back(i);
    } else if (head.name == "LOGGER_SETUP" && ReadSetup(project, value)) {
      list.lines.push_back(i);
    }
  }
  return list;
}

uint32_t ChooseLoggerDataTypes(LoggerList& list) {
  uint32_t total = 0;
  for (LoggerListItem& entry : list.items) {
    entry.item.data_type = AutoLoggerDataType(entry.item);
    total += entry.item.rate * LoggerSampleBytes(entry.item.data_type);
  }
  return total;
}

std::string LoggerItemStatement(const Project& project, const LoggerListItem& entry) {
  const LoggerItem& item = entry.item;
  std::string line = "LOGGER_ITEM=NAME:\"" + item.name + "\"|UNIT:\"" + item.unit + "\"|RATE:" +
                     std::to_string(item.rate) + "|DATA_TYPE:";
  line += kDataTypeWords[std::min<size_t>(item.data_type, kDataTypeWords.size() - 1)];
  line += "|INPUT:" + SlotNameOrAlias(project, item.input);
  line += "|DECIMAL:" + std::to_string(item.decimal);
  line += "|MAX:" + FixedText(item.max, item.decimal);
  line += "|MIN:" + FixedText(item.min, item.decimal) + ";";
  if (!entry.comment.empty()) line += " //" + entry.comment;
  return line;
}

std::vector<std::string> LoggerBlock(const Project& project, const LoggerList& list) {
  std::vector<std::string> block;
  const std::string enable = SlotName(project.device.logger_enable);
  if (!enable.empty()) block.push_back("LOGGER_SETUP=ENABLE:" + enable + ";");
  for (const LoggerListItem& item : list.items) block.push_back(LoggerItemStatement(project, item));
  return block;
}

void WriteBackLogger(const Project& project, std::vector<std::string>& logic_text, const LoggerList& list) {
  for (auto line = list.lines.rbegin(); line != list.lines.rend(); ++line)
    if (*line < logic_text.size()) logic_text.erase(logic_text.begin() + static_cast<std::ptrdiff_t>(*line));
  const size_t at = std::min(list.lines.empty() ? 0 : list.lines.front(), logic_text.size());
  const std::vector<std::string> block = LoggerBlock(project, list);
  logic_text.insert(logic_text.begin() + static_cast<std::ptrdiff_t>(at), block.begin(), block.end());
}

bool AddLoggerItem(const Project& project, LoggerList& list) {
  if (list.items.size() >= kMaxLoggerItems) return false;
  LoggerListItem item;
  ParseLoggerItemFields(project, item.item, kDefaultItem);
  list.items.push_back(std::move(item));
  return true;
}

void DeleteLoggerItem(LoggerList& list, size_t index) {
  if (index < list.items.size()) list.items.erase(list.items.begin() + static_cast<std::ptrdiff_t>(index));
}

}  // namespace velk
