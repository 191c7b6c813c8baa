#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/link.h"

namespace velk {

// Order of the built-in value sources, as the model keeps them.
enum BuiltinSource : uint8_t {
  kSourceRpm,
  kSourceOilP,
  kSourceFuelP,
  kSourceMap,
  kSourceGear,
  kSourceOilT,
  kSourceEngT,
  kSourceFuelL,
  kSourceAirT,
  kSourceSpeed,
  kSourceAfr,
  kBuiltinSourceCount,
};

struct TvSetup {
  Link enable;  // LO after a clear
  uint8_t standard = 0;  // 0 PAL, 1 NTSC
  uint8_t flip = 0;      // 1 V, 2 H, 3 both
};

// The record LOGGER_ITEM lines are checked with.
struct LoggerItem {
  std::string name;  // at most 31 bytes
  std::string unit;  // at most 15 bytes
  uint8_t rate = 0;
  uint8_t data_type = 0;  // 0 BIT, 1 U8, 2 S8, 3 U16, 4 S16, 5 U32, 6 S32
  Link input;
  uint8_t decimal = 0;
  float min = 0;
  float max = 0;
};

struct DeviceSettings {
  std::array<Link, kBuiltinSourceCount> builtin_sources{};
  Link page_source;
  Link brightness_source;
  Link ignition_hold;
  std::array<Link, 2> aux{};
  TvSetup tv;
  Link logger_enable;
  LoggerItem logger_item;
};

struct LedEntry {
  Link enable;
  uint32_t color = 0;
  Link color_source;
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  Link red_source;
  Link green_source;
  Link blue_source;
  uint32_t led = 0;  // 0-based, 0 to 9
};

inline constexpr size_t kMaxLedEntries = 250;

}  // namespace velk
