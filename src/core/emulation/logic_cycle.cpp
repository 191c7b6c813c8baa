#include "emulation/logic_cycle.h"

#include <array>

#include "emulation/logic_blocks.h"
#include "model/project.h"

namespace velk {
namespace {

float* Input(Project& project, std::string_view name) { return project.Analogue({RowOf(name), 1}); }

// The standard values in the order of the model's built-in sources.
constexpr std::array<std::string_view, kBuiltinSourceCount> kStandardValues = {
    "VELK_RPM", "VELK_OILP", "VELK_FUELP", "VELK_MAP",   "VELK_GEAR", "VELK_OILT",
    "VELK_ENGT", "VELK_FUELL", "VELK_AIRT", "VELK_SPEED", "VELK_AFR"};

void CheckReceiveTimeouts(Project& project) {
  const uint32_t now = project.clock_ms;
  for (CanChannel& channel : project.can.channels[0]) {
    if (channel.timeout == 0) continue;
    if (now < channel.last_reception + static_cast<uint32_t>(channel.timeout)) continue;
    channel.timed_out = 1;
    channel.value = channel.timeout_data_value;
  }
}

}  // namespace

void SetTimeInputs(Project& project, const std::tm& local) {
  const int year = local.tm_year + 1900;
  const int month = local.tm_mon + 1;
  *Input(project, "DATA") = static_cast<float>(local.tm_mday + 100 * month + 10000 * (year - 2000));
  *Input(project, "TIME_HHMM") = static_cast<float>(local.tm_min + 100 * local.tm_hour);
  *Input(project, "TIME_HHMMSS") = static_cast<float>(local.tm_sec + 100 * local.tm_min + 10000 * local.tm_hour);
  *Input(project, "TIME_TIC") = static_cast<float>(project.clock_ms);
}

void CopyStandardValues(Project& project) {
  for (size_t i = 0; i < kStandardValues.size(); ++i) {
    const float* source = project.Analogue(project.device.builtin_sources[i]);
    if (source) *Input(project, kStandardValues[i]) = *source;
  }
}

void RunLogicCycle(Project& project) {
  for (const EvaluationEntry entry : project.evaluation) EvaluateBlock(project, entry);
  for (CounterBlock& counter : project.logic.counter) EvaluateCounter(project, counter);
  for (PeakBlock& peak : project.logic.peak) EvaluatePeak(project, peak);
  CheckReceiveTimeouts(project);
}

}  // namespace velk
