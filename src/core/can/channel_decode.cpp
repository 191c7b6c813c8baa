#include "can/channel_decode.h"

namespace velk {
namespace {

// START_POS goes up to 7 whatever the width, and FRAME_ID_POS is not checked
// at all: a byte past the eight data bytes reads as 0.
uint32_t DataByte(const CanFrame& frame, int index) {
  return index >= 0 && index < 8 ? frame.data[static_cast<size_t>(index)] : 0;
}

// `width` bytes from `start`, least significant first for LS (1), most
// significant first for MS (0).
uint32_t ReadBytes(const CanFrame& frame, int start, int width, uint8_t byte_order) {
  uint32_t value = 0;
  for (int i = 0; i < width; ++i) {
    const int byte = byte_order == 1 ? start + width - 1 - i : start + i;
    value = value << 8 | DataByte(frame, byte);
  }
  return value;
}

int64_t RawValue(const CanChannel& channel, const CanFrame& frame) {
  const int start = channel.start_pos;
  switch (channel.data_type) {
    case 0: return ReadBytes(frame, start, 1, 0) & channel.data_mask;
    case 1: return static_cast<int8_t>(ReadBytes(frame, start, 1, 0) & channel.data_mask);
    case 2: return ReadBytes(frame, start, 2, channel.byte_order) & channel.data_mask & 0xFFFF;
    case 3: return static_cast<int16_t>(ReadBytes(frame, start, 2, channel.byte_order) & channel.data_mask & 0xFFFF);
    case 4: return ReadBytes(frame, start, 4, channel.byte_order) & channel.data_mask;
    default: return static_cast<int32_t>(ReadBytes(frame, start, 4, channel.byte_order) & channel.data_mask);
  }
}

}  // namespace

bool ChannelMatchesFrame(const CanChannel& channel, const CanFrame& frame) {
  const uint8_t format = frame.extended ? 2 : 1;
  if (channel.format != format || channel.id != frame.id) return false;
  if (channel.frame_id_pos == 0) return true;
  return (DataByte(frame, channel.frame_id_pos - 1) & channel.frame_id_mask) == channel.frame_id;
}

float DecodeChannelValue(const CanChannel& channel, const CanFrame& frame) {
  // The sum is taken in 64 bits, so that a U32 value and a negative OFFSET
  // meet as numbers, not as wrapped 32-bit words.
  const int64_t sum = RawValue(channel, frame) + channel.offset;
  return static_cast<float>(static_cast<double>(sum) * channel.multiplier / channel.divider);
}

}  // namespace velk
