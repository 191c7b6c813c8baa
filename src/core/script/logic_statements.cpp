#include "script/logic_statements.h"

#include <array>
#include <limits>
#include <optional>
#include <string>

#include "emulation/math_expression.h"
#include "model/project.h"
#include "script/instance.h"
#include "script/lexical.h"
#include "script/numbers.h"
#include "script/references.h"

namespace velk {
namespace {

constexpr std::string_view kRedeclared = "Элемент уже был объявлен";

// A block declared before is replaced all the same; the message lets Build
// refuse the repetition while a load lets it pass.
void NoteRedeclaration(Project& project, uint8_t declared) {
  if (declared) project.parser_message = kRedeclared;
}

bool Declare(bool accepted, uint8_t& declared) {
  if (accepted) declared = 1;
  return accepted;
}

bool Digital(const Project& project, std::string_view text, Link& link) {
  link = ResolveDigital(project, text);
  return !link.Empty();
}

bool Analogue(const Project& project, std::string_view text, Link& link) {
  link = ResolveAnalogue(project, text);
  return !link.Empty();
}

// A field accepted unresolved: a reference that does not resolve leaves the link empty.
bool OptionalDigital(const Project& project, std::string_view text, Link& link) {
  link = ResolveDigital(project, text);
  return true;
}


// A reference field with an edge variant: UP and UP_F fill the same link, the
// _F form also sets its edge flag.
struct EdgeInput {
  std::string_view name;
  Link* link;
  uint8_t flag;
};

template <size_t N, class Resolve>
std::optional<bool> EdgeField(const std::array<EdgeInput, N>& inputs, uint8_t& edges, std::string_view name,
                              std::string_view text, Resolve resolve) {
  for (const EdgeInput& input : inputs) {
    if (input.name != name) continue;
    edges |= input.flag;
    return resolve(text, *input.link);
  }
  return std::nullopt;
}

int32_t Milliseconds(std::string_view text) { return text == "R" ? -1 : ParseInteger(text); }

float IntegerAsReal(std::string_view text) { return static_cast<float>(ParseInteger(text)); }

uint8_t Low8Bits(std::string_view text) { return static_cast<uint8_t>(ParseInteger(text)); }

// AXIS numbers are 1-based in the script and stored one less; CONVERT reads
// the table through them, so one that names no AXIS is refused.
bool AxisNumber(Project& project, std::string_view name, std::string_view text, int32_t& field) {
  constexpr int32_t kAxes = static_cast<int32_t>(std::tuple_size_v<decltype(LogicTables::axis)>);
  const int32_t number = ParseInteger(text);
  if (number < 1 || number > kAxes) {
    project.parser_message = std::string(name) + " must be 1 to " + std::to_string(kAxes);
    return false;
  }
  field = number - 1;
  return true;
}

bool ParseGate(Project& project, GateBlock& gate, std::string_view value) {
  NoteRedeclaration(project, gate.declared);
  gate.inputs = {};
  size_t count = 0;
  size_t start = 0;
  while (count < gate.inputs.size()) {
    const size_t bar = value.find('|', start);
    if (!Digital(project, value.substr(start, bar - start), gate.inputs[count++])) return false;
    if (bar == std::string_view::npos) break;
    start = bar + 1;
  }
  return Declare(count >= 2, gate.declared);
}

// ">", then "<", then "=": the first whose first occurrence stands after the
// first character.
std::optional<size_t> FindComparison(std::string_view value) {
  for (char op : {'>', '<', '='}) {
    const size_t at = value.find(op);
    if (at != std::string_view::npos && at > 0) return at;
  }
  return std::nullopt;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool ParseTim(Project& project, int32_t n, std::string_view value) {
  TimBlock* tim = Instance(project, project.logic.tim, n, "TIM");
  if (!tim) return false;
  NoteRedeclaration(project, tim->declared);
  tim->hi = 0;
  tim->lo = 0;
  // ENABLE keeps the link of an earlier statement when it is not given.
  const bool accepted = ReadFields(value, [&](std::string_view name, std::string_view text) {
    if (name == "HI") tim->hi = Milliseconds(text);
    else if (name == "LO") tim->lo = Milliseconds(text);
    else if (name == "ENABLE") return Digital(project, text, tim->enable);
    else return false;
    return true;
  });
  return Declare(accepted, tim->declared);
}

bool ParseCounter(Project& project, int32_t n, std::string_view value) {
  CounterBlock* counter = Instance(project, project.logic.counter, n, "COUNTER");
  if (!counter) return false;
  NoteRedeclaration(project, counter->declared);
  // UP, DOWN, RESET and REMEMBER keep what an earlier statement gave them.
  counter->edges = 0;
  counter->def = 0;
  counter->output = 0;
  counter->min = 0;
  counter->max = 0;
  counter->type = 0;
  const std::array<EdgeInput, 6> inputs = {{{"UP", &counter->up, 0},
                                            {"UP_F", &counter->up, 1},
                                            {"DOWN", &counter->down, 0},
                                            {"DOWN_F", &counter->down, 2},
                                            {"RESET", &counter->reset, 0},
                                            {"RESET_F", &counter->reset, 4}}};
  const auto digital = [&](std::string_view text, Link& link) { return Digital(project, text, link); };
  const bool accepted = ReadFields(value, [&](std::string_view name, std::string_view text) {
    if (const std::optional<bool> edge = EdgeField(inputs, counter->edges, name, text, digital)) return *edge;
    constexpr std::array<std::string_view, 2> kTypes = {"OVER", "LIMIT"};
    if (name == "TYPE") return ReadWord(kTypes, text, counter->type);
    if (name == "DEF") counter->def = counter->output = IntegerAsReal(text);
    else if (name == "MIN") counter->min = IntegerAsReal(text);
    else if (name == "MAX") counter->max = IntegerAsReal(text);
    else if (name == "REMEMBER") counter->remember = Low8Bits(text);
    else return false;
    return true;
  });
  return Declare(accepted, counter->declared);
}

bool ParsePeak(Project& project, int32_t n, std::string_view value) {
  PeakBlock* peak = Instance(project, project.logic.peak, n, "PEAK");
  if (!peak) return false;
  NoteRedeclaration(project, peak->declared);
  peak->input = {};
  peak->reset = {};
  peak->edges = 0;
  peak->reset_value = 0;
  peak->output = 0;
  peak->type = 0;
  peak->enable = kLinkHi;
  peak->remember = 0;
  const std::array<EdgeInput, 2> inputs = {{{"RESET", &peak->reset, 0}, {"RESET_F", &peak->reset, 1}}};
  const auto optional = [&](std::string_view text, Link& link) { return OptionalDigital(project, text, link); };
  const bool accepted = ReadFields(value, [&](std::string_view name, std::string_view text) {
    if (const std::optional<bool> edge = EdgeField(inputs, peak->edges, name, text, optional)) return *edge;
    constexpr std::array<std::string_view, 2> kTypes = {"MAX", "MIN"};
    if (name == "TYPE") return ReadWord(kTypes, text, peak->type);
    if (name == "INPUT") return Analogue(project, text, peak->input);
    if (name == "ENABLE") return OptionalDigital(project, text, peak->enable);
    if (name == "RESET_VALUE") peak->reset_value = peak->output = ParseReal(text);
    else if (name == "REMEMBER") peak->remember = Low8Bits(text);
    else return false;
    return true;
  });
  return Declare(accepted, peak->declared);
}

bool ParseFilter(Project& project, int32_t n, std::string_view value) {
  FilterBlock* filter = Instance(project, project.logic.filter, n, "FILTER");
  if (!filter) return false;
  NoteRedeclaration(project, filter->declared);
  filter->input = {};
  filter->type = 0;
  filter->enable = kLinkHi;
  filter->step = 0;
  // The filter starts again from its input at the first enabled cycle.
  filter->last_update = project.clock_ms;
  filter->started = 0;
  filter->output = 0;
  const bool accepted = ReadFields(value, [&](std::string_view name, std::string_view text) {
    constexpr std::array<std::string_view, 1> kTypes = {"F1"};
    if (name == "TYPE") return ReadWord(kTypes, text, filter->type);
    if (name == "INPUT") return Analogue(project, text, filter->input);
    if (name == "ENABLE") return Digital(project, text, filter->enable);
    if (name == "STEP_PER_MS") filter->step = ParseReal(text);
    // Per second in the script, per millisecond in the record.
    else if (name == "STEP_PER_S") filter->step = NarrowToReal(ParseDouble(text) * 0.001);
    else return false;
    return true;
  });
  return Declare(accepted, filter->declared);
}

bool ParseMath(Project& project, int32_t n, std::string_view value) {
  MathBlock* math = Instance(project, project.logic.math, n, "MATH");
  if (!math) return false;
  ParsedExpression parsed = ParseExpression(project, value);
  if (parsed.root == kNoNode) {
    // The parser's diagnostic, when it has one, says why the line fails.
    if (!parsed.diagnostic.empty()) project.parser_message = std::move(parsed.diagnostic);
    return false;
  }
  math->expression = parsed.root;
  math->valid = 1;
  return true;
}

bool ParseConvert(Project& project, int32_t n, std::string_view value) {
  ConvertBlock* convert = Instance(project, project.logic.convert, n, "CONVERT");
  if (!convert) return false;
  NoteRedeclaration(project, convert->declared);
  convert->input = {};
  convert->axis_x = 0;
  convert->axis_y = 0;
  const bool accepted = ReadFields(value, [&](std::string_view name, std::string_view text) {
    if (name == "INPUT") return Analogue(project, text, convert->input);
    if (name == "AXIS_X") return AxisNumber(project, name, text, convert->axis_x);
    if (name == "AXIS_Y") return AxisNumber(project, name, text, convert->axis_y);
    return false;
  });
  return Declare(accepted, convert->declared);
}

bool ParseAxis(Project& project, int32_t n, std::string_view value) {
  AxisBlock* axis = Instance(project, project.logic.axis, n, "AXIS");
  if (!axis) return false;
  axis->count = 0;
  NoteRedeclaration(project, axis->declared);
  if (!value.empty() && value[0] == '|') return false;
  size_t start = 0;
  while (axis->count < axis->points.size()) {
    const size_t bar = value.find('|', start);
    if (bar == std::string_view::npos) {
      // The last value: it must exist and must not be the only one.
      if (axis->count == 0 || start == value.size()) return false;
      axis->points[axis->count++] = ParseReal(value.substr(start));
      break;
    }
    axis->points[axis->count++] = ParseReal(value.substr(start, bar - start));
    start = bar + 1;
  }
  axis->declared = 1;
  return true;
}

bool ParseCompare(Project& project, int32_t n, std::string_view value) {
  CompareBlock* compare = Instance(project, project.logic.compare, n, "COMPARE");
  if (!compare) return false;
  compare->right_kind = 0;
  compare->op = 0;
  compare->dps = 0;
  NoteRedeclaration(project, compare->declared);
  const std::optional<size_t> at = FindComparison(value);
  if (!at) return false;
  compare->op = static_cast<uint8_t>(value[*at]);
  if (!Analogue(project, value.substr(0, *at), compare->left)) return false;
  std::string_view right = value.substr(*at + 1);
  if (const size_t bar = right.find('|'); bar != std::string_view::npos) {
    const int32_t places = ParseInteger(right.substr(bar + 1));
    // DPS counts one more than the decimal places; the largest count stays as it is.
    compare->dps = places == std::numeric_limits<int32_t>::max() ? places : places + 1;
    right = right.substr(0, bar);
  }
  // A digit first makes a constant, so a negative constant cannot be written.
  if (!right.empty() && IsDigit(right[0])) {
    compare->right_kind = 2;
    compare->right_constant = ParseReal(right);
  } else {
    compare->right_kind = 1;
    if (!Analogue(project, right, compare->right)) return false;
  }
  compare->declared = 1;
  return true;
}

bool ParseAnd(Project& project, int32_t n, std::string_view value) {
  GateBlock* gate = Instance(project, project.logic.and_, n, "AND");
  return gate && ParseGate(project, *gate, value);
}

bool ParseOr(Project& project, int32_t n, std::string_view value) {
  GateBlock* gate = Instance(project, project.logic.or_, n, "OR");
  return gate && ParseGate(project, *gate, value);
}

bool ParseNot(Project& project, int32_t n, std::string_view value) {
  NotBlock* block = Instance(project, project.logic.not_, n, "NOT");
  if (!block) return false;
  NoteRedeclaration(project, block->declared);
  return Declare(Digital(project, value, block->input), block->declared);
}

bool ParseCheckBit(Project& project, int32_t n, std::string_view value) {
  CheckBitBlock* check = Instance(project, project.logic.check_bit, n, "CHECK_BIT");
  if (!check) return false;
  NoteRedeclaration(project, check->declared);
  check->input = {};
  check->bit = 0;
  const bool accepted = ReadFields(value, [&](std::string_view name, std::string_view text) {
    if (name == "INPUT") return Analogue(project, text, check->input);
    if (name != "BIT") return false;
    check->bit = Low8Bits(text);
    return true;
  });
  return Declare(accepted, check->declared);
}

bool ParseCanStream(Project& project, int32_t n, std::string_view value) {
  CanStreamBlock* stream = Instance(project, project.logic.can_stream, n, "CAN_STREAM");
  if (!stream) return false;
  NoteRedeclaration(project, stream->declared);
  stream->bits = {};
  constexpr std::array<std::string_view, 16> kBits = {"BIT_0",  "BIT_1",  "BIT_2",  "BIT_3", "BIT_4",  "BIT_5",
                                                      "BIT_6",  "BIT_7",  "BIT_8",  "BIT_9", "BIT_10", "BIT_11",
                                                      "BIT_12", "BIT_13", "BIT_14", "BIT_15"};
  const bool accepted = ReadFields(value, [&](std::string_view name, std::string_view text) {
    const int bit = WordIndex(kBits, name);
    return bit >= 0 && Digital(project, text, stream->bits[static_cast<size_t>(bit)]);
  });
  return Declare(accepted, stream->declared);
}

bool ParseMemory(Project& project, int32_t n, std::string_view value) {
  MemoryBlock* memory = Instance(project, project.logic.memory, n, "MEMORY");
  if (!memory) return false;
  memory->edges = 0;
  memory->write = {};
  memory->input = {};
  memory->input_constant = 0;
  memory->delay = 0;
  memory->state = {0, 1};
  const std::array<EdgeInput, 2> inputs = {{{"WRITE", &memory->write, 0}, {"WRITE_F", &memory->write, 1}}};
  const auto optional = [&](std::string_view text, Link& link) { return OptionalDigital(project, text, link); };
  return ReadFields(value, [&](std::string_view name, std::string_view text) {
    if (const std::optional<bool> edge = EdgeField(inputs, memory->edges, name, text, optional)) return *edge;
    if (name == "INPUT") {
      return ParseConstant(project, text, memory->input, memory->input_constant);
    }
    if (name != "DELAY") return false;
    memory->delay = CutToInteger(ParseReal(text));
    return true;
  });
}

}  // namespace velk
