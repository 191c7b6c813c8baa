#pragma once

#include "model/logic_tables.h"

namespace velk {

struct Project;

// One evaluation of one block against the inputs as they are now, at the
// project's millisecond clock. Blocks with a missing input do nothing.
void EvaluateBlock(Project& project, EvaluationEntry entry);
void EvaluateCounter(Project& project, CounterBlock& counter);
void EvaluatePeak(Project& project, PeakBlock& peak);

}  // namespace velk
