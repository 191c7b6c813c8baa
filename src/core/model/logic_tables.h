#pragma once

#include <array>
#include <cstdint>

#include "model/expression_nodes.h"
#include "model/link.h"

namespace velk {

// Logic block records, one table per statement kind. A table is indexed by
// the 0-based instance (the script's instance number minus one). State fields
// belong to the evaluation cycle; `declared` is set by a successful statement.

struct TimBlock {
  int32_t hi = 0;  // milliseconds; -1 for R
  int32_t lo = 0;
  Link enable;
  uint8_t previous_enable = 0;
  uint8_t output = 0;
  uint32_t start = 0;
  uint8_t phase = 0;
  uint8_t declared = 0;
};

struct CounterBlock {
  uint8_t type = 0;  // 0 OVER, 1 LIMIT
  uint8_t remember = 0;
  uint8_t edges = 0;  // 1 UP_F, 2 DOWN_F, 4 RESET_F
  Link up;
  Link down;
  Link reset;
  float def = 0;
  float output = 0;
  float max = 0;
  float min = 0;
  uint8_t previous_reset = 0;
  uint8_t previous_up = 0;
  uint8_t previous_down = 0;
  uint8_t declared = 0;
};

struct PeakBlock {
  Link input;
  float output = 0;
  uint8_t type = 0;  // 0 MAX, 1 MIN
  uint8_t remember = 0;
  Link reset;
  float reset_value = 0;
  uint8_t edges = 0;  // 1 RESET_F
  uint8_t state = 0;
  uint8_t declared = 0;
  Link enable;
};

struct FilterBlock {
  uint8_t type = 0;  // 0 F1
  Link enable;
  uint8_t started = 0;
  float step = 0;  // per millisecond
  uint32_t last_update = 0;
  Link input;
  float output = 0;
  uint8_t declared = 0;
};

struct MathBlock {
  int16_t expression = kNoNode;  // root of its tree in the project's expression registry
  float output = 0;
  uint8_t valid = 0;
};

struct ConvertBlock {
  Link input;
  int32_t axis_x = 0;
  int32_t axis_y = 0;
  float output = 0;
  uint8_t declared = 0;
};

struct AxisBlock {
  uint8_t count = 0;
  std::array<float, 32> points{};
  uint8_t declared = 0;
};

struct CompareBlock {
  int32_t right_kind = 0;  // 1 reference, 2 constant
  uint8_t op = 0;          // '>', '<' or '='
  Link left;
  Link right;
  float right_constant = 0;
  int32_t dps = 0;  // 0 = compare the reals, n+1 = compare at n decimals
  uint8_t output = 0;
  uint8_t declared = 0;
};

// AND and OR: up to ten inputs, those beyond the listed ones empty.
struct GateBlock {
  std::array<Link, 10> inputs{};
  uint8_t output = 0;
  uint8_t declared = 0;
};

struct NotBlock {
  Link input;
  uint8_t output = 0;
  uint8_t declared = 0;
};

struct CheckBitBlock {
  Link input;
  uint8_t bit = 0;
  uint8_t output = 0;
  uint8_t declared = 0;
};

struct CanStreamBlock {
  float output = 0;
  std::array<Link, 16> bits{};
  uint8_t declared = 0;
};

struct MemoryBlock {
  float output = 0;
  uint8_t edges = 0;  // 1 WRITE_F
  Link write;
  std::array<uint8_t, 2> state{};
  Link input;
  int32_t delay = 0;
  float input_constant = 0;
};

struct CheckVariableBlock {
  RequestLink input;
  uint8_t byte_order = 0;  // 0 MS, 1 LS
  uint8_t start_pos = 0;
  uint8_t data_type = 0;  // 0 U8, 1 S8, 2 U16, 3 S16, 4 U32, 5 S32
  int32_t multiplier = 0;
  int32_t divider = 0;
  int32_t offset = 0;
  uint32_t data_mask = 0;
  float output = 0;
};

// UDS_REQUEST, and the KWP_REQUEST and BMW_REQUEST blocks that no statement
// fills but whose reply bytes CHECK_VARIABLE can read.
struct RequestBlock {
  uint32_t id = 0;
  uint32_t service = 0;
  uint32_t pid = 0;
  uint32_t id_length = 0;
  int32_t period = 0;
  int32_t timeout = 0;
  Link enable;
  uint8_t state = 0;
  std::array<uint8_t, 259> reply{};
  std::array<uint32_t, 7> state_words{};
};

struct LogicTables {
  std::array<TimBlock, 50> tim{};
  std::array<CounterBlock, 50> counter{};
  std::array<PeakBlock, 20> peak{};
  std::array<FilterBlock, 20> filter{};
  std::array<MathBlock, 20> math{};
  std::array<ConvertBlock, 50> convert{};
  std::array<AxisBlock, 50> axis{};
  std::array<CompareBlock, 200> compare{};
  std::array<GateBlock, 100> and_{};
  std::array<GateBlock, 100> or_{};
  std::array<NotBlock, 100> not_{};
  std::array<CheckBitBlock, 100> check_bit{};
  std::array<CanStreamBlock, 200> can_stream{};
  std::array<MemoryBlock, 20> memory{};
  std::array<CheckVariableBlock, 10> check_variable{};
  std::array<RequestBlock, 10> uds{};
  std::array<RequestBlock, 1> kwp{};
  std::array<RequestBlock, 5> bmw{};
  uint8_t uds_count = 0;
};

// The kinds of block that the evaluation cycle runs, in the order of the list.
enum class BlockKind : uint8_t {
  Convert,
  Compare,
  And,
  Or,
  Not,
  Tim,
  CheckBit,
  CanStream,
  Math,
  Filter,
  Memory,
};

struct EvaluationEntry {
  BlockKind kind = BlockKind::Convert;
  uint16_t instance = 0;  // 0-based
  friend bool operator==(EvaluationEntry, EvaluationEntry) = default;
};

inline constexpr size_t kMaxEvaluationEntries = 1000;

}  // namespace velk
