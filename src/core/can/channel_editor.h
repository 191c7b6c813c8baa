#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "can/channel_list.h"

namespace velk {

// The channel list's grid: 16 columns, the header row and one row per entry.
inline constexpr std::array<std::string_view, 16> kCanGridHeaders = {
    "Name",    "Format",  "ID",           "Byte order",    "Start byte", "Type",
    "Data mask", "MULTIPLIER", "DIVIDER", "OFFSET",        "Timeout",    "Timeout value",
    "FRAME_ID_POS", "FRAME_ID", "FRAME_ID_MASK", "Comment"};

std::array<std::string, 16> CanGridRow(size_t bus, const CanListEntry& entry);

// The channel editor's name rules. Each returns the text of the information
// box to show, or an empty text when the name passes.
inline constexpr std::string_view kNameNeedsAt = "The name must start with the '@' symbol.";
inline constexpr std::string_view kNameTooShort = "Not enough characters in the name";
inline constexpr std::string_view kNameTooLong = "Too many characters in the name";

// Leaving the name field: the text must begin with "@" (an empty one does not).
std::string_view ChannelNameLeaveMessage(std::string_view name);
// Ok: empty (no name), or "@" and 2 to kMaxChannelNameBytes bytes in all.
std::string_view ChannelNameOkMessage(std::string_view name);

// A number typed into the editor's ID or mask fields: "0x" and hexadecimal
// digits, or decimal digits; which of the two also sets the ID field's mode.
// nullopt for a text that is neither (the field keeps its value).
struct EditorNumber {
  uint32_t value = 0;
  bool hex = false;
};
std::optional<EditorNumber> ParseEditorNumber(std::string_view text);

// An identifier as the chosen frame format holds it: 11 bits for STD, 29 for EXT.
uint32_t MaskChannelId(uint32_t id, bool extended);

// The ID field's text: "0x%.3X" / "0x%.8X" in hex mode, decimal otherwise.
std::string ChannelIdText(uint32_t id, bool extended, bool hex);

// The "Test" boxes: for each of the 8 data bytes the significance of the byte
// the channel reads there (0 the least significant), or -1 for a grey "X".
std::array<int, 8> TestByteSignificance(const CanChannel& channel);

}  // namespace velk
