#pragma once

#include <cstdint>
#include <optional>

namespace velk {

// The byte of a character in the Windows-1251 code page, for the characters
// that device fonts are made of: ASCII as it is, and the 64 letters А..Я,
// а..я (U+0410..U+044F) as 0xC0..0xFF. Nothing for any other character: the
// generator's sets hold no other.
constexpr std::optional<uint8_t> Windows1251Byte(char32_t character) {
  if (character < 0x80) return static_cast<uint8_t>(character);
  if (character >= U'\u0410' && character <= U'\u044F') return static_cast<uint8_t>(character - 0x410 + 0xC0);
  return std::nullopt;
}

// The code field of a glyph record: the Windows-1251 byte sign-extended to
// 16 bits, so that 0xC0..0xFF become 0xFFC0..0xFFFF.
constexpr uint16_t GlyphCodeField(uint8_t byte) { return static_cast<uint16_t>(static_cast<int8_t>(byte)); }

}  // namespace velk
