#include "emulation/emulator.h"

#include "emulation/logic_cycle.h"
#include "model/project.h"

namespace velk {

constexpr uint32_t kCycleMs = 50;

CycleTiming NextCycleTiming(uint32_t elapsed_ms) {
  if (elapsed_ms < kCycleMs) return {kCycleMs - elapsed_ms, kCycleMs - elapsed_ms};
  return {0, elapsed_ms};
}

void RunCycleLogic(Project& project, const std::tm& local, const CanTransmitter& transmit) {
  SetTimeInputs(project, local);
  CopyStandardValues(project);
  if (project.can_output) SendCanOutputs(project, transmit);
  if (project.logic_valid) RunLogicCycle(project);
}

}  // namespace velk
