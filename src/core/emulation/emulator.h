#pragma once

#include <cstdint>
#include <ctime>

#include "emulation/can_output.h"

namespace velk {

struct Project;

// The timing of the cycle that follows one which took `elapsed_ms`: a fast
// cycle sleeps up to 50 ms and the clock advances by the sleep, a slow one
// does not sleep and the clock advances by the time it took.
struct CycleTiming {
  uint32_t sleep_ms = 0;
  uint32_t advance_ms = 0;
};
CycleTiming NextCycleTiming(uint32_t elapsed_ms);

// The logic side of one emulated cycle: the time inputs from the local date
// and time, the standard values from their sources, the CAN outputs (while
// the CAN output flag is set) and the logic (while the logic-valid flag is set).
void RunCycleLogic(Project& project, const std::tm& local, const CanTransmitter& transmit);

}  // namespace velk
