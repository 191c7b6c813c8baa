#include "emulation/math_expression.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

#include "model/project.h"
#include "script/references.h"

namespace velk {
namespace {

// Token types besides the operator codes 0 to 3 and the function codes 7 to 18.
constexpr int kTokenEnd = -1;
constexpr int kTokenOpen = -2;
constexpr int kTokenClose = -3;
constexpr int kTokenNumber = -4;
constexpr int kTokenReference = -5;

struct FunctionName {
  std::string_view name;
  int code;
};

constexpr std::array<FunctionName, 11> kFunctions = {{
    {"sin", kOperatorSin},
    {"cos", kOperatorCos},
    {"tg", kOperatorTg},
    {"ctg", kOperatorCtg},
    {"arcsin", kOperatorArcsin},
    {"arccos", kOperatorArccos},
    {"arcctg", kOperatorArcctg},
    {"sh", kOperatorSh},
    {"ch", kOperatorCh},
    {"th", kOperatorTh},
    {"cth", kOperatorCth},
}};

bool IsFunction(int type) { return type >= kOperatorSin; }

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<int> CharacterToken(char c) {
  switch (c) {
    case '+': return kOperatorAdd;
    case '-': return kOperatorSubtract;
    case '*': return kOperatorMultiply;
    case '/': return kOperatorDivide;
    case '(':
    case '[': return kTokenOpen;
    case ')':
    case ']': return kTokenClose;
    default: return std::nullopt;
  }
}

// Round-to-nearest into a narrower real type. Past the largest finite value
// the result stays at it up to half a unit in the last place, then is an
// infinity; only values inside the range go through a cast.
template <class To, class From>
To RoundToNarrower(From value) {
  using Limits = std::numeric_limits<To>;
  const From largest = Limits::max();
  const From magnitude = std::fabs(value);
  if (!(magnitude > largest)) return static_cast<To>(value);  // NaN included
  const From halfway = largest + std::ldexp(From{1}, Limits::max_exponent - Limits::digits - 1);
  const To result = magnitude < halfway ? Limits::max() : Limits::infinity();
  return std::signbit(value) ? -result : result;
}

// Digits, optionally "." and digits, as a 32-bit real.
float NumberValue(std::string_view text) {
  double value = 0;
  const std::from_chars_result result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Out of the double's range: a non-zero integer part makes it too large.
    const bool large = text.find_first_of("123456789") < text.find('.');
    return large ? std::numeric_limits<float>::infinity() : 0.0f;
  }
  return NarrowToFloat(value);
}

class ExpressionParser {
 public:
  ExpressionParser(Project& project, std::string_view text) : project_(project), text_(text) {}

  ParsedExpression Parse() {
    const uint16_t before = project_.expressions.count;
    int16_t root = Next() ? Expression() : kNoNode;
    if (root != kNoNode && type_ != kTokenEnd) {
      diagnostic_ = kDiagnosticEndExpected;
      root = kNoNode;
    }
    // The nodes of a failed parse belong to no tree: their places are given back.
    if (root == kNoNode) project_.expressions.count = before;
    return {root, std::move(diagnostic_)};
  }

 private:
  using Rule = int16_t (ExpressionParser::*)();

  // Reads the next token; false for a character that starts none, or a name
  // that is neither a function nor a value reference.
  bool Next() {
    while (at_ < text_.size() && text_[at_] == ' ') ++at_;
    if (at_ == text_.size()) {
      type_ = kTokenEnd;
      return true;
    }
    const char c = text_[at_];
    if (const std::optional<int> token = CharacterToken(c)) {
      type_ = *token;
      ++at_;
      return true;
    }
    if (IsLetter(c) || c == '.' || c == '@') return Name();
    if (IsDigit(c)) return Number();
    return false;
  }

  bool Name() {
    const size_t start = at_++;
    while (at_ < text_.size() && (IsLetter(text_[at_]) || IsDigit(text_[at_]) || text_[at_] == '.' || text_[at_] == '_'))
      ++at_;
    const std::string_view name = text_.substr(start, at_ - start);
    for (const FunctionName& function : kFunctions) {
      if (function.name != name) continue;
      type_ = function.code;
      return true;
    }
    type_ = kTokenReference;
    reference_ = ResolveAnalogue(project_, name);
    return !reference_.Empty();
  }

  bool Number() {
    const size_t start = at_;
    while (at_ < text_.size() && IsDigit(text_[at_])) ++at_;
    if (at_ < text_.size() && text_[at_] == '.')
      for (++at_; at_ < text_.size() && IsDigit(text_[at_]);) ++at_;
    type_ = kTokenNumber;
    number_ = NumberValue(text_.substr(start, at_ - start));
    return true;
  }

  // A failure met at the end of the text is an empty expression; elsewhere
  // it leaves `text`, when the failure has one.
  int16_t Fail(std::string_view text) {
    if (type_ == kTokenEnd) diagnostic_ = kDiagnosticEmpty;
    else if (!text.empty()) diagnostic_ = text;
    return kNoNode;
  }

  int16_t Node(float value, Link reference, int16_t left, int16_t right) {
    ExpressionRegistry& registry = project_.expressions;
    if (registry.count == kMaxExpressionNodes) {
      diagnostic_ = "no room for more expression nodes (" + std::to_string(kMaxExpressionNodes) + " nodes)";
      return kNoNode;
    }
    registry.nodes[registry.count] = ExpressionNode{value, reference, left, right};
    return static_cast<int16_t>(registry.count++);
  }

  int16_t Operation(int code, int16_t left, int16_t right = kNoNode) {
    return Node(static_cast<float>(code), Link{}, left, right);
  }

  // The operator token is current; reads it and the right operand.
  int16_t Binary(int16_t left, Rule operand) {
    const int code = type_;
    if (!Next()) return kNoNode;
    const int16_t right = (this->*operand)();
    if (right == kNoNode) return kNoNode;
    return Operation(code, left, right);
  }

  int16_t Expression() {
    int16_t left = Term();
    while (left != kNoNode && (type_ == kOperatorAdd || type_ == kOperatorSubtract))
      left = Binary(left, &ExpressionParser::Term);
    return left;
  }

  int16_t Term() {
    int16_t left = Unary();
    while (left != kNoNode && (type_ == kOperatorMultiply || type_ == kOperatorDivide))
      left = Binary(left, &ExpressionParser::Unary);
    return left;
  }

  // One sign at most: a second one reaches Primary, which refuses it.
  int16_t Unary() {
    if (type_ != kOperatorAdd && type_ != kOperatorSubtract) return Function();
    const bool negate = type_ == kOperatorSubtract;
    if (!Next()) return kNoNode;
    const int16_t operand = Function();
    if (operand == kNoNode || !negate) return operand;
    return Operation(kOperatorNegate, operand);
  }

  int16_t Function() {
    if (!IsFunction(type_)) return Primary();
    const int code = type_;
    if (!Next()) return kNoNode;
    if (type_ != kTokenOpen) return Fail(kDiagnosticMissingOpen);
    const int16_t operand = Bracketed();
    if (operand == kNoNode) return kNoNode;
    return Operation(code, operand);
  }

  int16_t Primary() {
    if (type_ == kTokenOpen) return Bracketed();
    if (type_ != kTokenNumber && type_ != kTokenReference) return Fail({});
    const int16_t leaf = type_ == kTokenNumber ? Node(number_, Link{}, kNoNode, kNoNode)
                                               : Node(0, reference_, kNoNode, kNoNode);
    if (leaf == kNoNode || !Next()) return kNoNode;
    return leaf;
  }

  // An opening bracket is current: the expression inside and the closing
  // bracket. A missing closing bracket is tolerated: the token standing in its
  // place is skipped; at the end of the text there is none to skip.
  int16_t Bracketed() {
    if (depth_ == kMaxExpressionDepth) {
      diagnostic_ = "brackets nested deeper than " + std::to_string(kMaxExpressionDepth);
      return kNoNode;
    }
    if (!Next()) return kNoNode;
    ++depth_;
    const int16_t inner = Expression();
    --depth_;
    if (inner == kNoNode || type_ == kTokenEnd) return inner;
    if (type_ != kTokenClose) diagnostic_ = kDiagnosticMissingClose;
    return Next() ? inner : kNoNode;
  }

  Project& project_;
  std::string_view text_;
  size_t at_ = 0;
  int type_ = kTokenEnd;
  float number_ = 0;
  Link reference_;
  int depth_ = 0;
  std::string diagnostic_;
};

constexpr long double kNotANumber = std::numeric_limits<long double>::quiet_NaN();

// The system's constant for arcctg: pi/2 as a double.
constexpr long double kHalfPi = 1.5707963267948966;

long double Apply(int code, long double a, long double b) {
  switch (code) {
    case kOperatorAdd: return a + b;
    case kOperatorSubtract: return a - b;
    case kOperatorMultiply: return a * b;
    case kOperatorDivide: return a / b;
    case kOperatorNegate: return -a;
    case kOperatorSin: return std::sin(a);
    case kOperatorCos: return std::cos(a);
    case kOperatorTg: return std::tan(a);
    case kOperatorCtg: return 1 / std::tan(a);
    case kOperatorArcsin: return std::asin(a);
    case kOperatorArccos: return std::acos(a);
    case kOperatorArcctg: return kHalfPi - std::atan(a);
    case kOperatorSh: return (std::exp(a) - std::exp(-a)) / 2;
    case kOperatorCh: return (std::exp(a) + std::exp(-a)) / 2;
    case kOperatorTh: return (std::exp(a) - std::exp(-a)) / (std::exp(a) + std::exp(-a));
    case kOperatorCth: return (std::exp(a) + std::exp(-a)) / (std::exp(a) - std::exp(-a));
    default: return kNotANumber;
  }
}

long double Value(const Project& project, int16_t index) {
  const ExpressionRegistry& registry = project.expressions;
  if (index < 0 || index >= registry.count) return kNotANumber;
  const ExpressionNode& node = registry.nodes[static_cast<size_t>(index)];
  if (node.left == kNoNode && node.right == kNoNode) {
    const float* slot = project.Analogue(node.reference);
    return slot ? *slot : node.value;
  }
  const long double left = Value(project, node.left);
  const long double right = node.right == kNoNode ? 0 : Value(project, node.right);
  return Apply(static_cast<int>(node.value), left, right);
}

}  // namespace

ParsedExpression ParseExpression(Project& project, std::string_view text) {
  return ExpressionParser(project, text).Parse();
}

double EvaluateExpression(const Project& project, int16_t root) {
  return RoundToNarrower<double>(Value(project, root));
}

float NarrowToFloat(double value) { return RoundToNarrower<float>(value); }

void ReleaseExpressions(Project& project) {
  project.expressions = ExpressionRegistry{};
  for (MathBlock& block : project.logic.math) {
    block.expression = kNoNode;
    block.valid = 0;
  }
}

}  // namespace velk
