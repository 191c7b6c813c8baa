#pragma once

#include <string>

#include "can/can_frame.h"

namespace velk {

// The CAN debug trace lines: "RX  ID=0x186  DLC=2  12 AB " for a frame handed
// to the emulation, "TX1  ID=0x185  DLC=8  ..." for one a CAN output sent
// (`bus` 0 for CAN1, 1 for CAN2). Only the first DLC bytes are listed.
std::string ReceivedFrameText(const CanFrame& frame);
std::string TransmittedFrameText(const CanFrame& frame, int bus);

}  // namespace velk
