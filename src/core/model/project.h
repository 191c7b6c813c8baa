#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/can_tables.h"
#include "model/device_settings.h"
#include "model/elements.h"
#include "model/expression_nodes.h"
#include "model/input_references.h"
#include "model/libraries.h"
#include "model/link.h"
#include "model/log.h"
#include "model/notifier.h"
#include "model/logic_tables.h"
#include "model/package_list.h"

namespace velk {

inline constexpr size_t kMaxNames = 300;

struct NameEntry {
  std::string name;  // "@" included, at most kMaxNameBytes
  Link digital;
  Link analogue;
};

// Rows whose slots are the outputs of block or channel records.
constexpr bool IsRecordRow(uint16_t row) {
  constexpr std::array<std::string_view, 18> kRecordRows = {
      "CAN1_CHANNEL", "CAN2_CHANNEL", "COUNTER", "CONVERT",   "PEAK",         "CHECK_VARIABLE",
      "CAN_STREAM",   "MATH",         "FILTER",  "MEMORY",    "COMPARE",      "AND",
      "OR",           "NOT",          "CHECK_BIT", "TIM",     "CAN1_TIMEOUT", "CAN2_TIMEOUT"};
  // Compared by index, not through a pointer: GCC does not fold pointer
  // tests in constant expressions under the sanitizers.
  if (row < 1 || row > kInputReferences.size()) return false;
  for (std::string_view name : kRecordRows)
    if (kInputReferences[row - 1].name == name) return true;
  return false;
}

// Offset of a row's first slot in the input slots of its kind: the rows that
// no record holds get their `count` slots one after another, in table order.
constexpr size_t InputSlotOffset(uint16_t row) {
  const ValueKind kind = kInputReferences[row - 1].kind;
  size_t offset = 0;
  for (uint16_t r = 1; r < row; ++r)
    if (kInputReferences[r - 1].kind == kind && !IsRecordRow(r)) offset += kInputReferences[r - 1].count;
  return offset;
}

// The same offsets as a table, so that reading a slot costs one lookup.
inline constexpr auto kInputSlotOffsets = [] {
  std::array<uint16_t, kInputReferences.size() + 1> offsets{};
  for (uint16_t row = 1; row <= kInputReferences.size(); ++row)
    offsets[row] = static_cast<uint16_t>(InputSlotOffset(row));
  return offsets;
}();

constexpr size_t InputSlotCount(ValueKind kind) {
  size_t count = 0;
  for (uint16_t r = 1; r <= kInputReferences.size(); ++r)
    if (kInputReferences[r - 1].kind == kind && !IsRecordRow(r)) count += kInputReferences[r - 1].count;
  return count;
}

// The value slots that no record holds: built-in values, inputs, clock, GPS,
// keypad, buttons and the constants HI and LO.
struct InputSlots {
  std::array<float, InputSlotCount(ValueKind::Analogue)> analogue{};
  std::array<uint8_t, InputSlotCount(ValueKind::Digital)> digital{};
};

// The one project of the running program: every table of the model, the
// logic text, the project folder, the log and the two project-wide flags.
// It is large; keep it on the heap.
struct Project {
  Project();
  Project(const Project&) = delete;
  Project& operator=(const Project&) = delete;

  std::array<Page_Def, kPageCount> pages;  // pages[0] is page 1
  ImageLibrary images;
  FontLibrary fonts;
  uint32_t device_memory = 0;  // bytes the device needs for the loaded images and fonts
  Palette palette;
  std::array<GroupRecord, kGroupRecords> groups;
  int32_t next_group = 1;
  std::vector<NameEntry> names;
  std::string parser_message;
  std::string current_comment;
  LogicTables logic;
  ExpressionRegistry expressions;
  CanTables can;
  DeviceSettings device;
  std::vector<LedEntry> leds;
  std::vector<EvaluationEntry> evaluation;
  InputSlots inputs;
  uint32_t clock_ms = 0;  // the millisecond clock: emulated milliseconds, read by every timed block

  std::string folder;                   // the script's folder, with a trailing separator
  PackageList package;                  // started afresh by every Open, kept by ClearProject
  std::vector<std::string> logic_text;  // the lines after the first "GREND;" line
  std::vector<std::string> snapshot;    // the script as last opened or saved
  bool logic_valid = false;
  bool can_output = false;
  Log log;
  Notifier* notifier = nullptr;  // message boxes; none in tests that do not look

  Page_Def& Page(int number) { return pages[static_cast<size_t>(number - 1)]; }

  // The slot a link denotes, or nullptr when the link is empty, of the other
  // kind or out of its family's range.
  uint8_t* Digital(Link link);
  float* Analogue(Link link);
  const uint8_t* Digital(Link link) const;
  const float* Analogue(Link link) const;
  // The request block whose reply bytes a request link denotes, or nullptr.
  const RequestBlock* Request(RequestLink link) const;
};

// Empties the model for a new load, MATH expression trees and the device
// memory total included. Inputs set from outside (analogue and digital
// inputs, palette entries), the clock, the logic text, the folder, the package
// file list and the log stay.
void ClearProject(Project& project);

// Copies an element after the last one of the page its PAGE names.
// False (nothing changed) when PAGE is not 1..10 or the page is full.
bool AppendElement(Project& project, const Struct_gr_element& element);

// Removes the element at `position` (0-based) of page 1..10, keeping the order.
void DeleteElement(Project& project, int page, size_t position);

// The number of the group (name, page), 0 when it does not exist yet.
int FindGroup(const Project& project, std::string_view name, int page);

// The group number of (name, page), creating the group and its GROUP entry
// when it is new; 0 when the group table or the page is full or the name
// does not fit a group record.
int RegisterGroup(Project& project, std::string_view name, int page);

}  // namespace velk
