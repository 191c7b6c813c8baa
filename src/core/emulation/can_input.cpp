#include "emulation/can_input.h"

#include <algorithm>

#include "can/channel_decode.h"
#include "model/project.h"

namespace velk {

bool ReceiveCanFrame(Project& project, const CanFrame& frame) {
  if (frame.length > frame.data.size()) return false;
  const size_t last = static_cast<size_t>(std::clamp<int32_t>(project.can.highest_channel, 0, kCanChannels));
  for (size_t i = 0; i < last; ++i) {
    CanChannel& channel = project.can.channels[0][i];
    if (!ChannelMatchesFrame(channel, frame)) continue;
    channel.timed_out = 0;
    channel.last_reception = project.clock_ms;
    channel.value = DecodeChannelValue(channel, frame);
  }
  return true;
}

}  // namespace velk
