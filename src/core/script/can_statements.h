#pragma once

#include <cstdint>
#include <string_view>

#include "model/can_tables.h"

namespace velk {

struct Project;

// Resets a receive channel to its defaults and reads the field list into it.
// The CAN channel list uses it on its own records; the declared flag and the
// highest channel number are the statements' business.
bool ParseCanChannelFields(CanChannel& channel, std::string_view value);

// CAN1_CHANNEL.n, CAN2_CHANNEL.n, CAN1_OUT.n and CAN2_OUT.n.
bool ParseCan1Channel(Project& project, int32_t n, std::string_view value);
bool ParseCan2Channel(Project& project, int32_t n, std::string_view value);
bool ParseCan1Out(Project& project, int32_t n, std::string_view value);
bool ParseCan2Out(Project& project, int32_t n, std::string_view value);

}  // namespace velk
