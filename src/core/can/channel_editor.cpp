#include "can/channel_editor.h"

#include <charconv>

#include "model/elements.h"

namespace velk {

// A name the editor lets through must be one the name table takes at Build.
static_assert(kMaxChannelNameBytes == kMaxNameBytes);

std::array<std::string, 16> CanGridRow(size_t bus, const CanListEntry& entry) {
  const CanChannel& c = entry.record.channel;
  const bool standard = c.format == 1;
  const bool timeout = c.timeout != 0;
  const bool frame_check = c.frame_id_pos != 0;
  std::string name = entry.record.name;
  if (name.empty()) name = std::string(ChannelKeyword(bus)) + "." + std::to_string(entry.instance);
  return {
      std::move(name),
      standard ? "STD" : "EXT",
      HexText(c.id, standard ? 3 : 8),
      c.byte_order == 1 ? "LS First" : "MS First",
      std::to_string(c.start_pos),
      std::string(DataTypeWord(c.data_type)),
      HexText(c.data_mask, 1),
      std::to_string(c.multiplier),
      std::to_string(c.divider),
      std::to_string(c.offset),
      timeout ? std::to_string(c.timeout) : "OFF",
      timeout ? TimeoutValueText(c.timeout_data_value) : "",
      frame_check ? std::to_string(c.frame_id_pos - 1) : "OFF",
      frame_check ? std::to_string(c.frame_id) : "",
      frame_check ? HexText(c.frame_id_mask, 1) : "",
      entry.record.comment,
  };
}

std::string_view ChannelNameLeaveMessage(std::string_view name) {
  return name.starts_with('@') ? std::string_view() : kNameNeedsAt;
}

std::string_view ChannelNameOkMessage(std::string_view name) {
  if (name.empty()) return {};
  if (!name.starts_with('@')) return kNameNeedsAt;
  if (name.size() <= 2) return kNameTooShort;
  if (name.size() > kMaxChannelNameBytes) return kNameTooLong;
  return {};
}

std::optional<EditorNumber> ParseEditorNumber(std::string_view text) {
  const bool hex = text.starts_with("0x");
  const std::string_view digits = hex ? text.substr(2) : text;
  uint32_t value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, hex ? 16 : 10);
  // No sign, nothing after the digits, nothing beyond 32 bits.
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return EditorNumber{value, hex};
}

uint32_t MaskChannelId(uint32_t id, bool extended) { return id & (extended ? 0x1FFFFFFFu : 0x7FFu); }

std::string ChannelIdText(uint32_t id, bool extended, bool hex) {
  return hex ? HexText(id, extended ? 8 : 3) : std::to_string(id);
}

std::array<int, 8> TestByteSignificance(const CanChannel& channel) {
  std::array<int, 8> significance;
  significance.fill(-1);
  const int width = channel.data_type >= 4 ? 4 : channel.data_type >= 2 ? 2 : 1;
  for (int i = 0; i < width; ++i) {
    const int byte = channel.start_pos + i;
    if (byte > 7) break;
    significance[static_cast<size_t>(byte)] = channel.byte_order == 1 ? i : width - 1 - i;
  }
  return significance;
}

}  // namespace velk
