#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "assets/device_font.h"
#include "emulation/frame_buffer.h"

namespace velk {

// The character code at `position` of UTF-8 text, moving `position` past it:
// a byte 110xxxxx followed by a byte 10xxxxxx is one two-byte code (up to
// 0x7FF, enough for ASCII and Cyrillic); any other byte is its own code, read
// as a signed 8-bit number, so a stray byte 0x80..0xFF is negative and
// matches no range. `position` must be inside the text.
int32_t NextCode(std::string_view text, size_t& position);

// Draws a glyph with the pen at x and the top of the line at y and returns
// the pen advance, 0 for a code in no range. Digits are tabular: each
// advances by the widest digit of its glyph table and is centred in that cell.
// Ink coverage comes from the 4-bit level and the colour's alpha.
uint16_t DrawGlyph(FrameBuffer& frame, int32_t code, int x, int y, uint32_t colour, const DeviceFont& font);

// Draws UTF-8 text from pen x, top of the line at y, when the font's object
// type is 4 and its size at most 200. The text ends at its first zero byte,
// as the display's zero-terminated texts do.
void DrawDeviceText(FrameBuffer& frame, std::string_view text, int x, int y, uint32_t colour, const DeviceFont& font);

// The sum of the advances DrawGlyph gives the text's codes (what
// DrawDeviceText moves the pen by), whatever the font's type and size.
int64_t DeviceTextWidth(std::string_view text, const DeviceFont& font);

}  // namespace velk
