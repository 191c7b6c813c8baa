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

// The zoom divisor of a zoom position 0..15: (20 - position) x 0.1, shown as
// trunc(100 / z) "%".
double ZoomDivisor(int position);

// The size of the scaled preview: trunc(1025 / z) x trunc(600 / z), a side of
// exactly 1024 or 2048 made one larger, as every picture side is.
struct PreviewSize {
  int width = 0;
  int height = 0;
};
PreviewSize PreviewSizeFor(double zoom_divisor);

// The logic side of one emulated cycle: the time inputs from the local date
// and time, the standard values from their sources, the CAN outputs (while
// the CAN output flag is set) and the logic (while the logic-valid flag is set).
void RunCycleLogic(Project& project, const std::tm& local, const CanTransmitter& transmit);

}  // namespace velk
