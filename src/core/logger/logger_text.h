#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/device_settings.h"

namespace velk {

struct Project;

inline constexpr size_t kMaxLoggerItems = 200;
// The logger window reads statements of at most this many bytes.
inline constexpr size_t kMaxLoggerStatementBytes = 399;

struct LoggerListItem {
  LoggerItem item;  // DECIMAL 0 to 9
  std::string comment;
};

// The logger window's working state: its items, and the logic-text lines it
// read them (and LOGGER_SETUP) from, in text order.
struct LoggerList {
  std::vector<LoggerListItem> items;  // at most kMaxLoggerItems
  std::vector<size_t> lines;
};

// Reads the LOGGER_ITEM and LOGGER_SETUP lines of a logic text up to its END
// line; an accepted LOGGER_SETUP sets the project's logger enable input.
// Lines that do not parse, or do not fit the table, are left alone.
LoggerList ReadLoggerText(Project& project, const std::vector<std::string>& logic_text);

// Gives every item its automatic data type and returns the bytes per second
// the items log: the sum of rate times sample size, for the RAM label.
uint32_t ChooseLoggerDataTypes(LoggerList& list);

// One item's statement, comment included.
std::string LoggerItemStatement(const Project& project, const LoggerListItem& item);

// The block Ok writes: the LOGGER_SETUP line (left out while the logger has
// no enable input, which Build would refuse), then every item's statement.
std::vector<std::string> LoggerBlock(const Project& project, const LoggerList& list);

// Ok: the lines read are removed and the block goes where the first of them
// stood, or at the start of a text that had none.
void WriteBackLogger(const Project& project, std::vector<std::string>& logic_text, const LoggerList& list);

// Add: the default item (VELK_RPM, rate 10, -32767 to 32767); false when the table is full.
bool AddLoggerItem(const Project& project, LoggerList& list);

// Delete: the item leaves the table; its line goes at the next Ok.
void DeleteLoggerItem(LoggerList& list, size_t index);

}  // namespace velk
