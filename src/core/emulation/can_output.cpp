#include "emulation/can_output.h"

#include <cmath>

#include "model/project.h"

namespace velk {
namespace {

constexpr std::array<uint8_t, 6> kTypeBytes = {1, 1, 2, 2, 4, 4};  // U8 S8 U16 S16 U32 S32

// Writes the low `width` bytes of raw from START_POS on; bytes that would
// lie past the eighth are not written.
void WriteRaw(CanFrame& frame, const CanSignal& signal, int64_t raw) {
  const size_t width = signal.data_type < kTypeBytes.size() ? kTypeBytes[signal.data_type] : 1;
  const auto bits = static_cast<uint64_t>(raw);
  for (size_t k = 0; k < width; ++k) {
    const size_t significance = signal.byte_order == 1 ? k : width - 1 - k;
    const size_t at = signal.start_pos + k;
    if (at < frame.data.size()) frame.data[at] = static_cast<uint8_t>(bits >> (8 * significance));
  }
}

}  // namespace

int64_t EncodeSignal(const CanSignal& signal, float value) {
  const float quotient =
      value * static_cast<float>(static_cast<uint32_t>(signal.multiplier)) /
      static_cast<float>(static_cast<uint32_t>(signal.divider));
  const float shifted = quotient - static_cast<float>(signal.offset);
  if (std::isnan(shifted)) return 0;
  constexpr float kLimit = 9223372036854775808.0f;  // 2^63
  if (shifted >= kLimit) return INT64_MAX;
  if (shifted <= -kLimit) return INT64_MIN;
  return static_cast<int64_t>(shifted);
}

CanFrame BuildCanFrame(const Project& project, const CanOutFrame& out) {
  CanFrame frame;
  frame.id = out.id;
  frame.extended = out.format == 2 ? 1 : 0;
  frame.length = out.dlc;
  const size_t signals = std::min<size_t>(out.signal_count, out.signals.size());
  for (size_t i = 0; i < signals; ++i) {
    const CanSignal& signal = out.signals[i];
    const float* input = project.Analogue(signal.input);
    WriteRaw(frame, signal, EncodeSignal(signal, input ? *input : signal.input_constant));
  }
  return frame;
}

void SendCanOutputs(Project& project, const CanTransmitter& transmit) {
  const uint32_t now = project.clock_ms;
  for (size_t bus = 0; bus < kCanBuses; ++bus) {
    for (CanOutFrame& out : project.can.outputs[bus]) {
      const uint8_t* enable = project.Digital(out.enable);
      if (!enable || !*enable || out.format == 0) continue;
      if (now < out.last_sent + static_cast<uint32_t>(out.period)) continue;
      out.last_sent = now;
      const CanFrame frame = BuildCanFrame(project, out);
      if (transmit) transmit(frame, static_cast<int>(bus));
    }
  }
}

}  // namespace velk
