#include "script/can_statements.h"

#include <array>
#include <string>

#include "model/project.h"
#include "script/instance.h"
#include "script/lexical.h"
#include "script/numbers.h"
#include "script/references.h"

namespace velk {
namespace {

constexpr std::array<std::string_view, 2> kByteOrders = {"MS", "LS"};
constexpr std::array<std::string_view, 6> kDataTypes = {"U8", "S8", "U16", "S16", "U32", "S32"};

// START_POS names a data byte of an 8-byte frame; a negative one would
// address a byte before it, so it is refused like one above 7.
bool ReadStartPos(std::string_view text, uint8_t& field) {
  const int32_t position = ParseInteger(text);
  if (position < 0 || position > 7) return false;
  field = static_cast<uint8_t>(position);
  return true;
}

bool ParseChannel(Project& project, size_t bus, int32_t n, std::string_view value) {
  CanChannel* record = Instance(project, project.can.channels[bus], n, bus == 0 ? "CAN1_CHANNEL" : "CAN2_CHANNEL");
  if (!record) return false;
  CanChannel& channel = *record;
  if (channel.declared) project.parser_message = "Элемент уже был объявлен";
  if (!ParseCanChannelFields(channel, value)) return false;
  channel.declared = 1;
  if (n > project.can.highest_channel) project.can.highest_channel = n;
  return true;
}

struct OutStatement {
  bool frame_field = false;  // STD_ID, EXT_ID, DLC, PERIOD or ENABLE was given
  bool counted = false;      // INPUT gave the signal place to the frame
};

bool ReadSignalField(Project& project, CanOutFrame& frame, CanSignal& signal, OutStatement& statement,
                     std::string_view name, std::string_view text) {
  if (name == "BYTE_ORDER") return ReadWord(kByteOrders, text, signal.byte_order);
  if (name == "START_POS") return ReadStartPos(text, signal.start_pos);
  if (name == "DATA_TYPE") return ReadWord(kDataTypes, text, signal.data_type);
  if (name == "MULTIPLIER") signal.multiplier = ParseInteger(text);
  else if (name == "DIVIDER") signal.divider = ParseInteger(text);
  else if (name == "OFFSET") signal.offset = ParseInteger(text);
  else if (name == "INPUT") {
    if (!ParseConstant(project, text, signal.input, signal.input_constant))
      project.parser_message = "ошибка в числе";
    // A second INPUT in the same statement names the same place; the frame
    // gains one signal per statement, never a place without its defaults.
    if (!statement.counted) ++frame.signal_count;
    statement.counted = true;
  } else {
    return false;
  }
  return true;
}

bool ReadOutField(Project& project, CanOutFrame& frame, CanSignal& signal, OutStatement& statement,
                  std::string_view name, std::string_view text) {
  if (name == "STD_ID" || name == "EXT_ID") {
    frame.format = name == "STD_ID" ? 1 : 2;
    frame.id = ParseHexOrDecimal(text);
  } else if (name == "DLC") {
    frame.dlc = static_cast<uint8_t>(ParseInteger(text));
    if (frame.dlc > 8) return false;
  } else if (name == "PERIOD") {
    frame.period = ParseInteger(text);
    if (frame.period < 5) return false;
  } else if (name == "ENABLE") {
    frame.enable = ResolveDigital(project, text);
    if (frame.enable.Empty()) return false;
  } else {
    return ReadSignalField(project, frame, signal, statement, name, text);
  }
  statement.frame_field = true;
  return true;
}

bool ParseOut(Project& project, size_t bus, int32_t n, std::string_view value) {
  CanOutFrame* record = Instance(project, project.can.outputs[bus], n, bus == 0 ? "CAN1_OUT" : "CAN2_OUT");
  if (!record) return false;
  CanOutFrame& frame = *record;
  if (frame.signal_count == 0 && frame.enable.Empty()) {
    frame.enable = kLinkHi;
    frame.format = 0;
    frame.id = 0;
    frame.dlc = 0;
    frame.period = 100;
    frame.spare = {};
  }
  if (frame.signal_count >= frame.signals.size()) return false;
  CanSignal& signal = frame.signals[frame.signal_count];
  signal = CanSignal{0, 0, 0, 1, 1, 0, {}, 0};
  OutStatement statement;
  const bool read = ReadFields(value, [&](std::string_view name, std::string_view text) {
    return ReadOutField(project, frame, signal, statement, name, text);
  });
  if (!read) return false;
  if (statement.frame_field) {
    if (frame.declared) project.parser_message = "Элемент уже был объявлен";
    frame.declared = 1;
  }
  return !frame.enable.Empty();
}

}  // namespace

bool ParseCanChannelFields(CanChannel& channel, std::string_view value) {
  channel = CanChannel{};
  channel.multiplier = 1;
  channel.divider = 1;
  channel.data_mask = 0xFFFFFFFF;
  channel.frame_id_mask = 255;
  return ReadFields(value, [&](std::string_view name, std::string_view text) {
    if (name == "STD_ID" || name == "EXT_ID") {
      channel.format = name == "STD_ID" ? 1 : 2;
      channel.id = ParseHexOrDecimal(text);
    } else if (name == "BYTE_ORDER") {
      return ReadWord(kByteOrders, text, channel.byte_order);
    } else if (name == "START_POS") {
      return ReadStartPos(text, channel.start_pos);
    } else if (name == "DATA_TYPE") {
      return ReadWord(kDataTypes, text, channel.data_type);
    } else if (name == "MULTIPLIER") {
      channel.multiplier = ParseInteger(text);
    } else if (name == "DIVIDER") {
      channel.divider = ParseInteger(text);
    } else if (name == "OFFSET") {
      channel.offset = ParseInteger(text);
    } else if (name == "DATA_MASK") {
      channel.data_mask = ParseHexOrDecimal(text);
    } else if (name == "FRAME_ID_POS") {
      channel.frame_id_pos = static_cast<uint8_t>(ParseInteger(text) + 1);
    } else if (name == "FRAME_ID") {
      channel.frame_id = static_cast<uint8_t>(ParseInteger(text));
    } else if (name == "FRAME_ID_MASK") {
      channel.frame_id_mask = static_cast<uint8_t>(ParseHexOrDecimal(text));
    } else if (name == "TIMEOUT") {
      channel.timeout = ParseInteger(text);
    } else if (name == "TIMEOUT_DATA_VALUE") {
      channel.timeout_data_value = ParseReal(text);
    } else {
      return false;
    }
    return true;
  });
}

bool ParseCan1Channel(Project& project, int32_t n, std::string_view value) { return ParseChannel(project, 0, n, value); }
bool ParseCan2Channel(Project& project, int32_t n, std::string_view value) { return ParseChannel(project, 1, n, value); }
bool ParseCan1Out(Project& project, int32_t n, std::string_view value) { return ParseOut(project, 0, n, value); }
bool ParseCan2Out(Project& project, int32_t n, std::string_view value) { return ParseOut(project, 1, n, value); }

}  // namespace velk
