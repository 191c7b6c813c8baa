#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace velk {

struct Project;

inline constexpr size_t kLedCount = 10;

// The colours of the ten LEDs as 0x00RRGGBB: every LED entry whose ENABLE is
// on ORs its parts into its LED; an LED without an enabled entry is black.
std::array<uint32_t, kLedCount> LedColours(const Project& project);

}  // namespace velk
