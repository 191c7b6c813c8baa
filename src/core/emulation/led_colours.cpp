#include "emulation/led_colours.h"

#include <cmath>

#include "model/project.h"
#include "script/numbers.h"

namespace velk {
namespace {

uint32_t Part(const Project& project, Link source, uint32_t constant) {
  const float* value = project.Analogue(source);
  // A referenced value is cut toward zero and taken as its bits.
  return value ? static_cast<uint32_t>(CutToInteger(*value)) : constant;
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
