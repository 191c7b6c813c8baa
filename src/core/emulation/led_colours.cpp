#include "emulation/led_colours.h"

#include <cmath>

#include "model/project.h"

namespace velk {
namespace {

// A referenced value cut toward zero to a 32-bit integer, held inside its
// range, and taken as its bits.
uint32_t Truncated(float value) {
  if (std::isnan(value)) return 0;
  if (value <= -2147483648.0f) return 0x80000000u;
  if (value >= 2147483648.0f) return 0x7FFFFFFFu;
  return static_cast<uint32_t>(static_cast<int32_t>(value));
}

uint32_t Part(const Project& project, Link source, uint32_t constant) {
  const float* value = project.Analogue(source);
  return value ? Truncated(*value) : constant;
}

}  // namespace

std::array<uint32_t, kLedCount> LedColours(const Project& project) {
  std::array<uint32_t, kLedCount> colours{};
  for (const LedEntry& entry : project.leds) {
    const uint8_t* enable = project.Digital(entry.enable);
    if (!enable || !*enable || entry.led >= kLedCount) continue;
    uint32_t& colour = colours[entry.led];
    colour |= Part(project, entry.color_source, entry.color) << 8 & 0xFFFFFFu;
    colour |= (Part(project, entry.red_source, entry.red) & 0xFFu) << 16;
    colour |= (Part(project, entry.green_source, entry.green) & 0xFFu) << 8;
    colour |= Part(project, entry.blue_source, entry.blue) & 0xFFu;
  }
  return colours;
}

}  // namespace velk
