#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/link.h"

namespace velk {

struct CanChannel {
  uint8_t format = 0;  // 0 none, 1 STD_ID, 2 EXT_ID
  uint32_t id = 0;
  uint8_t byte_order = 0;
  uint8_t start_pos = 0;
  uint8_t data_type = 0;
  int32_t multiplier = 0;
  int32_t divider = 0;
  int32_t offset = 0;
  uint32_t data_mask = 0;
  uint8_t frame_id_pos = 0;  // stored plus one, 0 = off
  uint8_t frame_id = 0;
  uint8_t frame_id_mask = 0;
  int32_t timeout = 0;
  uint32_t last_reception = 0;
  float timeout_data_value = 0;
  float value = 0;         // the slot CANx_CHANNEL.n
  uint8_t timed_out = 0;   // the slot CANx_TIMEOUT.n
  uint8_t declared = 0;
};

// A channel's @name in the CAN channel windows: as long as the name table
// takes, so that a name the channel editor accepts is one Build accepts too.
inline constexpr size_t kMaxChannelNameBytes = 63;

// The editing record of the CAN channel windows.
struct TCAN_CH_Def {
  CanChannel channel;
  std::string name;  // "@" included, at most kMaxChannelNameBytes; empty when unnamed
  std::string comment;
};

struct CanSignal {
  uint8_t byte_order = 0;
  uint8_t start_pos = 0;
  uint8_t data_type = 0;
  int32_t multiplier = 0;
  int32_t divider = 0;
  int32_t offset = 0;
  Link input;
  float input_constant = 0;
};

struct CanOutFrame {
  Link enable;
  uint8_t format = 0;
  uint32_t id = 0;
  uint8_t dlc = 0;
  int32_t period = 0;
  Link spare;
  uint8_t signal_count = 0;  // 0 to 8
  std::array<CanSignal, 8> signals{};
  uint8_t declared = 0;
  uint32_t last_sent = 0;  // state: the clock when the frame was last sent
};

inline constexpr size_t kCanBuses = 2;
inline constexpr size_t kCanChannels = 200;
inline constexpr size_t kCanOutFrames = 30;

struct CanTables {
  // Index 0 is bus 1 (CAN1_...), index 1 bus 2.
  std::array<std::array<CanChannel, kCanChannels>, kCanBuses> channels{};
  int32_t highest_channel = 0;
  std::array<std::array<CanOutFrame, kCanOutFrames>, kCanBuses> outputs{};
};

}  // namespace velk
