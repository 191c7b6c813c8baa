#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace velk {

enum class ValueKind : uint8_t { None, Digital, Analogue };

// One named family of value slots. `list` is the logic editor's list selector.
struct InputReference {
  std::string_view name;
  ValueKind kind;
  uint16_t count;
  uint8_t list;
};

inline constexpr ValueKind kA = ValueKind::Analogue;
inline constexpr ValueKind kD = ValueKind::Digital;

// The table of input references. Its order is the search order and the order
// of the logic editor's lists; a link's row is the position here plus one.
inline constexpr std::array<InputReference, 65> kInputReferences = {{
    {"VELK_RPM", kA, 1, 0},       {"VELK_AIRT", kA, 1, 0},       {"VELK_SPEED", kA, 1, 0},
    {"VELK_AFR", kA, 1, 0},       {"VELK_FUELL", kA, 1, 0},      {"VELK_MAP", kA, 1, 0},
    {"VELK_GEAR", kA, 1, 0},      {"VELK_ENGT", kA, 1, 0},       {"VELK_OILP", kA, 1, 0},
    {"VELK_OILT", kA, 1, 0},      {"VELK_FUELP", kA, 1, 0},      {"TIME_HHMM", kA, 1, 0},
    {"TIME_HHMMSS", kA, 1, 0},    {"DATA", kA, 1, 0},            {"LAPTIME_LAP", kA, 1, 0},
    {"LAPTIME_BEST", kA, 1, 0},   {"LAPTIME", kA, 16, 0},        {"ADC", kA, 8, 0},
    {"CAN1_CHANNEL", kA, 200, 1}, {"CAN2_CHANNEL", kA, 200, 1},  {"COUNTER", kA, 50, 1},
    {"CONVERT", kA, 50, 1},       {"GPS_Speed", kA, 1, 0},       {"GPS_SatCount", kA, 1, 0},
    {"GPS_Lon", kA, 1, 0},        {"GPS_Lat", kA, 1, 0},         {"GPS_Heading", kA, 1, 0},
    {"GPS_Time", kA, 1, 0},       {"GPS_Date", kA, 1, 0},        {"ACC_X", kA, 1, 0},
    {"ACC_Y", kA, 1, 0},          {"ACC_Z", kA, 1, 0},           {"VELK_M/H", kA, 1, 0},
    {"VELK_ODO", kA, 1, 0},       {"PEAK", kA, 20, 1},           {"PAGE", kA, 1, 0},
    {"BRIGHTNESS", kA, 1, 0},     {"DEBUG_FPS", kA, 1, 0},       {"CHECK_VARIABLE", kA, 10, 0},
    {"CAN_STREAM", kA, 200, 0},   {"MATH", kA, 20, 0},           {"TIME_TIC", kA, 1, 0},
    {"FILTER", kA, 20, 0},        {"MEMORY", kA, 20, 0},         {"HI", kD, 1, 1},
    {"LO", kD, 1, 1},             {"ALARM_OILP", kD, 1, 0},      {"ALARM_OILT", kD, 1, 0},
    {"ALARM_ENGT", kD, 1, 0},     {"ALARM_VBAT", kD, 1, 0},      {"DI", kD, 7, 1},
    {"COMPARE", kD, 200, 1},      {"AND", kD, 100, 1},           {"OR", kD, 100, 1},
    {"NOT", kD, 100, 1},          {"CHECK_BIT", kD, 100, 1},     {"TIM", kD, 50, 1},
    {"CAN1_TIMEOUT", kD, 200, 0}, {"CAN2_TIMEOUT", kD, 200, 0},  {"GPS_STATUS", kD, 1, 0},
    {"KEYPAD_BUTTON", kD, 20, 0}, {"KEYPAD_TOGGLE", kD, 20, 0},  {"BUTTON", kD, 8, 1},
    {"LOGGER_ST", kD, 1, 1},      {"IGNITION_ST", kD, 1, 1},
}};

// The row of a name in the table (1-based), 0 when absent. Used with literal
// names so that code reads as the table does.
constexpr uint16_t RowOf(std::string_view name) {
  for (size_t i = 0; i < kInputReferences.size(); ++i)
    if (kInputReferences[i].name == name) return static_cast<uint16_t>(i + 1);
  return 0;
}

// The entry of a row, or nullptr for an empty or unknown row.
constexpr const InputReference* ReferenceOfRow(uint16_t row) {
  return row >= 1 && row <= kInputReferences.size() ? &kInputReferences[row - 1] : nullptr;
}

// The families of the request block table, used by CHECK_VARIABLE's INPUT.
struct RequestFamily {
  std::string_view name;
  uint16_t count;
};
inline constexpr std::array<RequestFamily, 3> kRequestFamilies = {{
    {"UDS_REQUEST", 10}, {"KWP_REQUEST", 1}, {"BMW_REQUEST", 5}}};

}  // namespace velk
