#pragma once

#include <ctime>

namespace velk {

struct Project;

// The workstation time inputs DATA, TIME_HHMM and TIME_HHMMSS from a local
// date and time, and TIME_TIC from the millisecond clock.
void SetTimeInputs(Project& project, const std::tm& local);

// Each standard value that has a source takes the source's current value.
void CopyStandardValues(Project& project);

// One evaluation of the logic: the evaluation list in order, COUNTER 1-50,
// PEAK 1-20 with an INPUT, then the CAN1 receive time-outs.
void RunLogicCycle(Project& project);

}  // namespace velk
