#pragma once

#include <array>
#include <cstdint>

namespace velk {

// One CAN frame as the emulation receives and sends it.
struct CanFrame {
  uint32_t id = 0;
  uint8_t extended = 0;  // 0 standard 11-bit identifier, otherwise extended 29-bit
  uint8_t length = 0;
  std::array<uint8_t, 8> data{};
};

}  // namespace velk
