#pragma once

#include "can/can_frame.h"

namespace velk {

struct Project;

// A frame arriving on bus 1: every CAN1 channel up to the highest channel
// number declared that matches it takes its value, clears its time-out and
// notes the time. A frame longer than eight bytes is refused (false).
bool ReceiveCanFrame(Project& project, const CanFrame& frame);

}  // namespace velk
