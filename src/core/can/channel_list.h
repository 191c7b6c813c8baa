#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/can_tables.h"

namespace velk {

// One row of the CAN channel list: the record being edited, the n of
// CANx_CHANNEL.n and the logic-text line it came from (-1 for a channel that
// is not in the text yet: added by hand or imported from a DBC file).
struct CanListEntry {
  TCAN_CH_Def record;
  int32_t instance = 0;
  int line = -1;
};

// The working list of one bus's receive channels. `bus` is 0 for CAN1, 1 for CAN2.
struct CanChannelList {
  size_t bus = 0;
  std::vector<CanListEntry> entries;  // at most kCanChannels
};

// "CAN1_CHANNEL" or "CAN2_CHANNEL".
std::string_view ChannelKeyword(size_t bus);

// The bus's channel lines of a logic text, up to its END line. A line that
// does not parse as a channel of this bus, or does not fit a record, is left out.
CanChannelList ReadCanChannels(const std::vector<std::string>& logic_text, size_t bus);

// The statement the list writes for one entry, comment included.
std::string CanChannelLine(size_t bus, const CanListEntry& entry);

// "0x" and at least `min_digits` upper-case hexadecimal digits, as "0x%.3X" writes.
std::string HexText(uint32_t value, int min_digits);

// "U8", "S8", "U16", "S16", "U32" or "S32".
std::string_view DataTypeWord(uint8_t data_type);

// A TIMEOUT_DATA_VALUE as the list writes and shows it: the shortest decimal
// that reads back as the same value, "." as separator (-40, 2.5, 0.1).
std::string TimeoutValueText(float value);

// Ok: every listed line is rewritten in the generated form; new entries go in
// after the last listed line, in list order, or before the END line when the
// text held no channel of the bus.
void WriteBackCanChannels(std::vector<std::string>& logic_text, const CanChannelList& list);

// Delete: an entry that came from the text is commented out there at once
// ("//" before the line); the entry leaves the list. Nothing for a bad index.
void DeleteCanChannel(std::vector<std::string>& logic_text, CanChannelList& list, size_t index);

// The record Add proposes: standard frame 0x700, MS first, byte 0, U16, no
// scaling, no frame-identifier check, no timeout, no name.
TCAN_CH_Def DefaultCanChannel();

// One above the largest instance of the list; 1 for an empty list.
int32_t NextCanInstance(const CanChannelList& list);

// Appends a record as a new entry with the next instance; false (nothing
// added) when the list is full or the next instance would pass the bus's channels.
bool AddCanChannel(CanChannelList& list, const TCAN_CH_Def& record);

}  // namespace velk
