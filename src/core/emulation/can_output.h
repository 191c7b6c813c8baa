#pragma once

#include <cstdint>
#include <functional>

#include "can/can_frame.h"
#include "model/can_tables.h"

namespace velk {

struct Project;

// Where transmitted frames go: the CAN debug trace, or velk run --tx.
// `bus` is 0 for CAN1, 1 for CAN2.
using CanTransmitter = std::function<void(const CanFrame& frame, int bus)>;

// The raw value a signal sends for value v: trunc(v * MULTIPLIER / DIVIDER -
// OFFSET) in single precision, MULTIPLIER and DIVIDER unsigned, held inside
// the 64-bit range so that any value has a defined result.
int64_t EncodeSignal(const CanSignal& signal, float value);

// The frame of an output slot with its signals written in, as sent now.
CanFrame BuildCanFrame(const Project& project, const CanOutFrame& out);

// Sends every enabled CAN1_OUT and then CAN2_OUT slot whose period has come.
void SendCanOutputs(Project& project, const CanTransmitter& transmit);

}  // namespace velk
