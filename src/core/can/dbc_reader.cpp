#include "can/dbc_reader.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <istream>
#include <limits>
#include <ostream>
#include <sstream>
#include <string_view>
#include "script/numbers.h"

namespace velk {
namespace {

// The message a DBC tool keeps its unplaced signals in; it is no frame.
constexpr std::string_view kPseudoMessage = "VECTOR__INDEPENDENT_SIG_MSG";
constexpr uint32_t kPseudoMessageId = 0xC0000000;
// DBC files mark an extended identifier by setting bit 31 of the written number.
constexpr uint32_t kExtendedBit = 0x80000000;
constexpr uint32_t kExtendedIdMask = 0x1FFFFFFF;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

std::string_view TrimTrailingBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view TrimLeadingBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

// The keyword as a whole word at the start of a line, so that BO_TX_BU_ and
// SG_MUL_VAL_ lines are not taken for messages and signals.
bool StartsWithWord(std::string_view line, std::string_view word) {
  return line.starts_with(word) && (line.size() == word.size() || IsBlank(line[word.size()]));
}

// Reads a line the way a formatted-scan pattern does: conversions skip
// leading blanks (except a scan set), take what fits and stop at the first
// character that does not; literals must match exactly. Each operation
// returns whether it matched, so that a pattern is a chain of them.
class LineScanner {
 public:
  explicit LineScanner(std::string_view text) : text_(text) {}

  bool Blanks() {
    while (at_ < text_.size() && IsBlank(text_[at_])) ++at_;
    return true;
  }

  bool Literal(std::string_view literal) {
    if (!text_.substr(at_).starts_with(literal)) return false;
    at_ += literal.size();
    return true;
  }

  // Decimal digits up to `limit`; a larger number does not match.
  bool Unsigned(uint64_t limit, uint64_t& value) {
    Blanks();
    const size_t first = at_;
    value = 0;
    for (; at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9'; ++at_)
      value = std::min<uint64_t>(value * 10 + static_cast<uint64_t>(text_[at_] - '0'), limit + 1);
    return at_ > first && value <= limit;
  }

  // 1 to `width` characters up to `stop`.
  bool Until(size_t width, char stop, std::string& out) {
    const size_t first = at_;
    while (at_ < text_.size() && at_ - first < width && text_[at_] != stop) ++at_;
    out = text_.substr(first, at_ - first);
    return at_ > first;
  }

  // 1 to `width` characters that are not blanks.
  bool Word(size_t width, std::string& out) {
    Blanks();
    const size_t first = at_;
    while (at_ < text_.size() && at_ - first < width && !IsBlank(text_[at_])) ++at_;
    out = text_.substr(first, at_ - first);
    return at_ > first;
  }

  // A decimal real: sign, digits with an optional point, optional exponent.
  bool Real(double& value) {
    Blanks();
    size_t end = at_;
    if (end < text_.size() && (text_[end] == '+' || text_[end] == '-')) ++end;
    const size_t mantissa = end;
    end = SkipDigits(end);
    if (end < text_.size() && text_[end] == '.') end = SkipDigits(end + 1);
    if (end == mantissa || (end == mantissa + 1 && text_[mantissa] == '.')) return false;
    if (end < text_.size() && (text_[end] == 'e' || text_[end] == 'E')) {
      size_t exponent = end + 1;
      if (exponent < text_.size() && (text_[exponent] == '+' || text_[exponent] == '-')) ++exponent;
      const size_t digits_end = SkipDigits(exponent);
      if (digits_end > exponent) end = digits_end;
    }
    // The parser takes no "+"; the digits after it are the number.
    const size_t first = text_[at_] == '+' ? at_ + 1 : at_;
    const auto result = std::from_chars(text_.data() + first, text_.data() + end, value);
    if (result.ec != std::errc()) return false;
    at_ = end;
    return true;
  }

 private:
  size_t SkipDigits(size_t at) const {
    while (at < text_.size() && text_[at] >= '0' && text_[at] <= '9') ++at;
    return at;
  }

  std::string_view text_;
  size_t at_ = 0;
};

struct MessageFields {
  uint64_t id = 0;
  std::string name;
  uint64_t dlc = 0;
};

// "BO_ %u %99[^:]: %hhu"; true when all three fields were read.
bool ScanMessage(std::string_view line, MessageFields& f) {
  LineScanner s(line);
  return s.Literal("BO_") && s.Unsigned(std::numeric_limits<uint32_t>::max(), f.id) && s.Blanks() &&
         s.Until(99, ':', f.name) && s.Literal(":") && s.Unsigned(255, f.dlc);
}

struct SignalFields {
  std::string name;  // with its multiplexing marker
  uint64_t start_bit = 0;
  uint64_t length = 0;
  std::string order_and_sign;
  double scale = 0;
  double offset = 0;
  double minimum = 0;
  double maximum = 0;
  std::string unit;
  std::string receiver;
};

// "SG_ %99[^:]: %hhu|%hhu @%2s (%f,%f) [%f|%f] \"%49[^\"]\" %99s"; the number
// of fields read before the first that did not match. Start bit and length
// take 16 bits rather than 8, so that a larger number is refused, not wrapped.
int ScanSignal(std::string_view line, SignalFields& f) {
  LineScanner s(line);
  int read = 0;
  const auto field = [&read](bool matched) { return matched && ++read; };
  constexpr uint64_t kBits = 0xFFFF;
  // The chain stops at the first part that does not match; `read` has
  // counted the fields before it.
  (void)(s.Literal("SG_") && s.Blanks() && field(s.Until(99, ':', f.name)) && s.Literal(":") &&
         field(s.Unsigned(kBits, f.start_bit)) && s.Literal("|") && field(s.Unsigned(kBits, f.length)) &&
         s.Blanks() && s.Literal("@") && field(s.Word(2, f.order_and_sign)) && s.Blanks() && s.Literal("(") &&
         field(s.Real(f.scale)) && s.Literal(",") && field(s.Real(f.offset)) && s.Literal(")") && s.Blanks() &&
         s.Literal("[") && field(s.Real(f.minimum)) && s.Literal("|") && field(s.Real(f.maximum)) &&
         s.Literal("]") && s.Blanks() && s.Literal("\"") && field(s.Until(49, '"', f.unit)) && s.Literal("\"") &&
         field(s.Word(99, f.receiver)));
  return read;
}

// The digits after "m" of a multiplexed signal's marker; 0 without digits,
// and beyond any multiplexor when they pass 32 bits.
uint32_t MultiplexerValue(std::string_view marker) {
  uint32_t value = 0;
  const auto result = std::from_chars(marker.data() + 1, marker.data() + marker.size(), value);
  if (result.ec == std::errc::result_out_of_range) return std::numeric_limits<uint32_t>::max();
  return value;
}

// The name before the colon is the signal's name, then, after a blank, its
// marker: "M" for the multiplexor, "m" and a number for a multiplexed signal.
void SplitSignalName(std::string_view field, DbcSignal& signal) {
  field = TrimTrailingBlanks(field);
  size_t blank = 0;
  while (blank < field.size() && !IsBlank(field[blank])) ++blank;
  signal.name = field.substr(0, blank);
  const std::string_view marker = TrimLeadingBlanks(field.substr(blank));
  signal.multiplexor = marker == "M";
  signal.multiplexed = !signal.multiplexor && marker.starts_with('m');
  signal.nested_multiplexor = signal.multiplexed && marker.size() > 1 && marker.back() == 'M';
  if (signal.multiplexed) signal.multiplexer_value = MultiplexerValue(marker);
}

class DbcReader {
 public:
  explicit DbcReader(std::ostream& diagnostics) : diagnostics_(diagnostics) {}

  void Line(std::string line) {
    std::replace(line.begin(), line.end(), '\r', ' ');
    const std::string_view text = TrimTrailingBlanks(TrimLeadingBlanks(line));
    if (StartsWithWord(text, "BO_")) Message(text);
    else if (StartsWithWord(text, "SG_")) Signal(text);
  }

  DbcDatabase Take() { return std::move(database_); }

 private:
  void Message(std::string_view line) {
    current_.reset();
    in_pseudo_message_ = false;
    MessageFields f;
    if (!ScanMessage(line, f)) {
      diagnostics_ << "Error: Invalid BO_ format in line: " << line << "\n";
      return;
    }
    const std::string_view name = TrimTrailingBlanks(f.name);
    const auto id = static_cast<uint32_t>(f.id);
    if (name == kPseudoMessage || id == kPseudoMessageId) {
      in_pseudo_message_ = true;
      return;
    }
    const bool extended = line.find("EXT") != std::string_view::npos || (id & kExtendedBit) != 0;
    // An extended identifier has 29 bits; the bits above them (bit 31 marks
    // it extended) are no part of it, and no frame could match them.
    database_.messages.push_back(
        DbcMessage{extended ? id & kExtendedIdMask : id, extended, std::string(name), static_cast<uint8_t>(f.dlc)});
    current_ = database_.messages.size() - 1;
    if (f.dlc > 0) message_seen_ = true;
  }

  void Signal(std::string_view line) {
    if (in_pseudo_message_) {
      diagnostics_ << "Warning: Signal of " << kPseudoMessage << " skipped: " << line << "\n";
      return;
    }
    if (!message_seen_ || !current_) {
      diagnostics_ << "Error: Signal found before message.\n";
      return;
    }
    SignalFields f;
    if (ScanSignal(line, f) < 6) {
      diagnostics_ << "Error: Invalid SG_ format in line: " << line << "\n";
      return;
    }
    const DbcMessage& message = database_.messages[*current_];
    if (database_.signals.size() >= kMaxDbcSignals) {
      diagnostics_ << "Warning: Too many signals in message " << message.name << ".\n";
      return;
    }
    DbcSignal signal;
    SplitSignalName(f.name, signal);
    signal.message = *current_;
    signal.message_id = message.id;
    signal.extended = message.extended;
    signal.start_bit = static_cast<uint16_t>(f.start_bit);
    signal.length = static_cast<uint16_t>(f.length);
    signal.byte_order = f.order_and_sign[0];
    signal.sign = f.order_and_sign.size() > 1 ? f.order_and_sign[1] : '\0';
    signal.scale = f.scale;
    signal.offset = f.offset;
    signal.minimum = NarrowToReal(f.minimum);
    signal.maximum = NarrowToReal(f.maximum);
    signal.unit = std::move(f.unit);
    signal.receiver = std::move(f.receiver);
    database_.signals.push_back(std::move(signal));
  }

  std::ostream& diagnostics_;
  DbcDatabase database_;
  std::optional<size_t> current_;   // the message of the last BO_ line, when it was read
  bool in_pseudo_message_ = false;  // the last BO_ line was the pseudo message
  bool message_seen_ = false;       // a message with a DLC above 0 was read
};

}  // namespace

DbcDatabase ReadDbc(std::istream& in, std::ostream& diagnostics) {
  DbcReader reader(diagnostics);
  std::string line;
  while (std::getline(in, line)) reader.Line(std::move(line));
  return reader.Take();
}

std::optional<DbcDatabase> ReadDbcFile(const std::string& path, std::ostream& diagnostics) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    diagnostics << "Failed to open file: " << std::strerror(errno) << "\n";
    return std::nullopt;
  }
  std::string bytes;
  char buffer[65536];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, n);
  const bool failed = std::ferror(file) != 0;
  const int error = errno;
  std::fclose(file);
  if (failed) {
    diagnostics << "Failed to open file: " << std::strerror(error) << "\n";
    return std::nullopt;
  }
  std::istringstream in(std::move(bytes));
  return ReadDbc(in, diagnostics);
}

}  // namespace velk
