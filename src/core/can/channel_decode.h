#pragma once

#include "can/can_frame.h"
#include "model/can_tables.h"

namespace velk {

// Whether a receive channel takes a frame: same frame format and identifier,
// and its frame-identifier byte, when the check is on, masked to FRAME_ID.
bool ChannelMatchesFrame(const CanChannel& channel, const CanFrame& frame);

// The channel's value from a frame it matches: the bytes from START_POS in
// BYTE_ORDER for DATA_TYPE's width, masked with DATA_MASK, signed for S
// types, then (raw + OFFSET) * MULTIPLIER / DIVIDER. The logic cycle's
// reception and the DBC import's tests both decode with it.
float DecodeChannelValue(const CanChannel& channel, const CanFrame& frame);

}  // namespace velk
