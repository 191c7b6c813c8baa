#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "can/can_frame.h"

namespace velk {

// A frame of a can-utils log with its time in milliseconds after the log's
// first frame.
struct TimedFrame {
  uint32_t ms = 0;
  CanFrame frame;
};

struct CandumpLog {
  std::vector<TimedFrame> frames;
  std::vector<std::string> warnings;  // "line N: why", one per skipped line
};

// One frame written as "ID#DATA" (three hexadecimal digits for a standard
// identifier, eight for an extended one, up to eight data bytes), or false
// with the reason.
bool ParseFrameText(std::string_view text, CanFrame& frame, std::string& why);

// Reads candump log lines "(seconds.micro) iface ID#DATA": three hexadecimal
// digits make a standard identifier, eight an extended one. Remote and CAN FD
// frames and malformed lines are skipped, each with a warning.
CandumpLog ReadCandump(std::string_view text);

}  // namespace velk
