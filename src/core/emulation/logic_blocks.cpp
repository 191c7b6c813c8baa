#include "emulation/logic_blocks.h"

#include <cmath>
#include <limits>

#include "emulation/math_expression.h"
#include "emulation/round_half_away.h"
#include "model/project.h"
#include "script/numbers.h"

namespace velk {
namespace {

// Flag and value inputs: nullptr when the link is empty.
const uint8_t* Flag(const Project& project, Link link) { return project.Digital(link); }
const float* Value(const Project& project, Link link) { return project.Analogue(link); }

bool On(const uint8_t* flag) { return flag && *flag != 0; }

// An edge of an edge input: rising is 0 then 1, falling 1 then 0.
bool Edge(uint8_t previous, uint8_t current, bool falling) {
  return falling ? previous == 1 && current == 0 : previous == 0 && current == 1;
}

void EvaluateAnd(const Project& project, GateBlock& gate) {
  uint8_t output = 1;
  for (Link input : gate.inputs) {
    if (input.Empty()) break;
    if (!On(Flag(project, input))) output = 0;
  }
  gate.output = output;
}

void EvaluateOr(const Project& project, GateBlock& gate) {
  uint8_t output = 0;
  for (Link input : gate.inputs) {
    if (input.Empty()) break;
    if (On(Flag(project, input))) output = 1;
  }
  gate.output = output;
}

void EvaluateNot(const Project& project, NotBlock& block) {
  if (const uint8_t* input = Flag(project, block.input)) block.output = *input ? 0 : 1;
}

// With DPS n+1 both sides are compared as integers at n decimals.
int32_t AtDecimals(float value, int32_t dps) {
  const float scale = std::pow(10.0f, static_cast<float>(dps - 1));
  return RoundHalfAway(value * scale);
}

void EvaluateCompare(const Project& project, CompareBlock& block) {
  const float* left = Value(project, block.left);
  const float* right = block.right_kind == 1 ? Value(project, block.right) : &block.right_constant;
  if (!left || !right) return;
  const float a = *left;
  const float b = *right;
  bool result = false;
  if (block.dps == 0) {
    if (block.op == '>') result = a > b;
    else if (block.op == '<') result = a < b;
    else if (block.op == '=') result = a == b;
    else return;
  } else {
    const int32_t x = AtDecimals(a, block.dps);
    const int32_t y = AtDecimals(b, block.dps);
    if (block.op == '>') result = x > y;
    else if (block.op == '<') result = x < y;
    else if (block.op == '=') result = x == y;
    else return;
  }
  block.output = result ? 1 : 0;
}

void EvaluateCheckBit(const Project& project, CheckBitBlock& block) {
  const float* input = Value(project, block.input);
  if (!input) return;
  const auto bits = static_cast<uint32_t>(CutToInteger(*input));
  block.output = static_cast<uint8_t>(bits >> (block.bit % 32u) & 1u);
}

void EvaluateCanStream(const Project& project, CanStreamBlock& block) {
  uint32_t sum = 0;
  for (uint32_t n = 0; n < block.bits.size(); ++n)
    if (On(Flag(project, block.bits[n]))) sum |= 1u << n;
  block.output = static_cast<float>(sum);
}

void EvaluateConvert(const Project& project, ConvertBlock& block) {
  const float* input = Value(project, block.input);
  if (!input || block.axis_x < 0 || block.axis_y < 0) return;
  const size_t axes = project.logic.axis.size();
  if (static_cast<size_t>(block.axis_x) >= axes || static_cast<size_t>(block.axis_y) >= axes) return;
  const AxisBlock& xs = project.logic.axis[static_cast<size_t>(block.axis_x)];
  const AxisBlock& ys = project.logic.axis[static_cast<size_t>(block.axis_y)];
  const size_t n = xs.count;
  if (n != ys.count || n < 2 || n > xs.points.size()) return;
  const auto& X = xs.points;
  const auto& Y = ys.points;
  const float x = *input;
  const bool rising = X[n - 1] >= X[0];
  if (rising ? x > X[n - 1] : x < X[n - 1]) {
    block.output = Y[n - 1];
    return;
  }
  if (rising ? x < X[0] : x > X[0]) {
    block.output = Y[0];
    return;
  }
  // The segment ends at the first point past x; x at the last point has none.
  size_t i = 1;
  while (i < n && !(rising ? X[i] > x : X[i] < x)) ++i;
  if (i == n) {
    block.output = Y[n - 1];
    return;
  }
  block.output = Y[i - 1] + (x - X[i - 1]) * (Y[i] - Y[i - 1]) / (X[i] - X[i - 1]);
}

void EvaluateMath(const Project& project, MathBlock& block) {
  if (!block.valid) return;
  block.output = NarrowToFloat(EvaluateExpression(project, block.expression));
}

void EvaluateFilter(const Project& project, FilterBlock& filter) {
  const float* input = Value(project, filter.input);
  if (filter.type != 0 || !input) return;
  const uint8_t* enable = Flag(project, filter.enable);
  if (!enable || *enable != 1) {
    filter.started = 0;
    return;
  }
  const uint32_t now = project.clock_ms;
  if (!filter.started) {
    filter.started = 1;
    filter.output = *input;
    filter.last_update = now;
    return;
  }
  const float step = static_cast<float>(now - filter.last_update) * filter.step;
  if (*input > filter.output) filter.output = std::min(filter.output + step, *input);
  else filter.output = std::max(filter.output - step, *input);
  filter.last_update = now;
}

void EvaluateMemory(const Project& project, MemoryBlock& memory) {
  const uint8_t* write = Flag(project, memory.write);
  if (!write) return;
  uint8_t& previous = memory.state[0];
  const bool edge = Edge(previous, *write, memory.edges & 1);
  previous = *write;
  if (memory.delay > 0 && project.clock_ms < static_cast<uint32_t>(memory.delay)) return;
  if (!edge) return;
  if (const float* input = Value(project, memory.input)) memory.output = *input;
  else memory.output = memory.input_constant;
}

constexpr int32_t kR = -1;  // HI or LO written as R

void EvaluateTim(const Project& project, TimBlock& tim) {
  const uint8_t* enable = Flag(project, tim.enable);
  if (!enable) return;
  const uint8_t in = *enable;
  const uint32_t now = project.clock_ms;
  const auto hi = static_cast<uint32_t>(tim.hi);
  const auto lo = static_cast<uint32_t>(tim.lo);
  if (tim.hi == kR) {
    // Off-delay: the output stays 1 for LO after ENABLE falls.
    if (in == 1) {
      tim.output = 1;
      tim.start = now;
    } else if (in == 0 && tim.start + lo < now) {
      tim.output = 0;
    }
  } else if (tim.lo == kR) {
    // On-delay: the output rises HI after ENABLE rises.
    if (in == 0) {
      tim.output = 0;
      tim.start = now;
    } else if (tim.start + hi < now) {
      tim.output = 1;
    }
  } else if (tim.hi == 0) {
    // Pulse stretcher: a rising edge holds the output at 1 for at least LO.
    if (tim.phase == 0) {
      if (Edge(tim.previous_enable, in, false)) {
        tim.output = 1;
        tim.start = now;
        tim.phase = 1;
      } else {
        tim.output = in ? 1 : 0;
      }
    } else if (tim.start + lo < now) {
      if (in == 0) tim.output = 0;
      tim.phase = 0;
    } else {
      tim.output = 1;
    }
  } else if (tim.lo == 0) {
    // One pulse of HI on a falling edge, as the built-in help documents it.
    if (tim.phase == 0) {
      if (Edge(tim.previous_enable, in, true)) {
        tim.output = 1;
        tim.start = now;
        tim.phase = 1;
      } else {
        tim.output = 0;
      }
    } else if (tim.start + hi < now) {
      tim.output = 0;
      tim.phase = 0;
    }
  } else {
    // Blinker: HI on, LO off, while ENABLE is on.
    if (in == 0) {
      tim.output = 0;
      tim.phase = 0;
      return;
    }
    if (tim.phase == 0) {
      tim.start = now;
      tim.phase = 1;
    }
    if (now <= tim.start + hi) tim.output = 1;
    else if (now <= tim.start + hi + lo) tim.output = 0;
    else tim.start = now;
  }
  tim.previous_enable = in;
}

}  // namespace

void EvaluateBlock(Project& project, EvaluationEntry entry) {
  LogicTables& logic = project.logic;
  const size_t n = entry.instance;
  switch (entry.kind) {
    case BlockKind::Convert: if (n < logic.convert.size()) EvaluateConvert(project, logic.convert[n]); break;
    case BlockKind::Compare: if (n < logic.compare.size()) EvaluateCompare(project, logic.compare[n]); break;
    case BlockKind::And: if (n < logic.and_.size()) EvaluateAnd(project, logic.and_[n]); break;
    case BlockKind::Or: if (n < logic.or_.size()) EvaluateOr(project, logic.or_[n]); break;
    case BlockKind::Not: if (n < logic.not_.size()) EvaluateNot(project, logic.not_[n]); break;
    case BlockKind::Tim: if (n < logic.tim.size()) EvaluateTim(project, logic.tim[n]); break;
    case BlockKind::CheckBit: if (n < logic.check_bit.size()) EvaluateCheckBit(project, logic.check_bit[n]); break;
    case BlockKind::CanStream: if (n < logic.can_stream.size()) EvaluateCanStream(project, logic.can_stream[n]); break;
    case BlockKind::Math: if (n < logic.math.size()) EvaluateMath(project, logic.math[n]); break;
    case BlockKind::Filter: if (n < logic.filter.size()) EvaluateFilter(project, logic.filter[n]); break;
    case BlockKind::Memory: if (n < logic.memory.size()) EvaluateMemory(project, logic.memory[n]); break;
  }
}

void EvaluateCounter(Project& project, CounterBlock& counter) {
  const uint8_t* reset = Flag(project, counter.reset);
  const uint8_t* up = Flag(project, counter.up);
  const uint8_t* down = Flag(project, counter.down);
  if (reset && Edge(counter.previous_reset, *reset, counter.edges & 4)) counter.output = counter.def;
  const bool over = counter.type == 0;
  if (up && Edge(counter.previous_up, *up, counter.edges & 1)) {
    if (over) counter.output = counter.output >= counter.max ? counter.min : counter.output + 1;
    else if (counter.output < counter.max) counter.output += 1;
  }
  if (down && Edge(counter.previous_down, *down, counter.edges & 2)) {
    if (over) counter.output = counter.output > counter.min ? counter.output - 1 : counter.max;
    else if (counter.output > counter.min) counter.output -= 1;
  }
  if (reset) counter.previous_reset = *reset;
  if (up) counter.previous_up = *up;
  if (down) counter.previous_down = *down;
}

void EvaluatePeak(Project& project, PeakBlock& peak) {
  const float* input = Value(project, peak.input);
  if (!input) return;
  if (const uint8_t* reset = Flag(project, peak.reset)) {
    if (Edge(peak.state, *reset, peak.edges & 1)) peak.output = peak.reset_value;
    peak.state = *reset;
  }
  const uint8_t* enable = Flag(project, peak.enable);
  if (!enable || *enable != 1) return;
  if (peak.type == 0 && *input > peak.output) peak.output = *input;
  if (peak.type == 1 && *input < peak.output) peak.output = *input;
}

}  // namespace velk
