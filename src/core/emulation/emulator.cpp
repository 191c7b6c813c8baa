#include "emulation/emulator.h"

#include "emulation/logic_cycle.h"
#include "model/project.h"

namespace velk {

constexpr uint32_t kCycleMs = 50;

CycleTiming NextCycleTiming(uint32_t elapsed_ms) {
  if (elapsed_ms < kCycleMs) return {kCycleMs - elapsed_ms, kCycleMs - elapsed_ms};
  return {0, elapsed_ms};
}

double ZoomDivisor(int position) { return (20 - position) * 0.1; }

PreviewSize PreviewSizeFor(double zoom_divisor) {
  const auto side = [zoom_divisor](int pixels) {
    const int scaled = static_cast<int>(pixels / zoom_divisor);
    return scaled == 1024 || scaled == 2048 ? scaled + 1 : scaled;
  };
  return {side(1025), side(600)};
}

void RunCycleLogic(Project& project, const std::tm& local, const CanTransmitter& transmit) {
  SetTimeInputs(project, local);
  CopyStandardValues(project);
  if (project.can_output) SendCanOutputs(project, transmit);
  if (project.logic_valid) RunLogicCycle(project);
}

}  // namespace velk
