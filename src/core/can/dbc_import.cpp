#include "can/dbc_import.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <numeric>
#include <ostream>

namespace velk {
namespace {

constexpr uint64_t kIntLimit = std::numeric_limits<int32_t>::max();
constexpr uint64_t kTenToTheEighteen = 1000000000000000000;

// Where a channel finds a signal: `width` bytes read from byte `start`, with
// the signal's lowest bit `shift` bits up in the value read.
struct Placement {
  int width = 0;
  int start = 0;
  int shift = 0;
};

// The signal's shift inside `width` bytes from `start`, read in its byte
// order, or nullopt when it does not lie inside them. An Intel signal runs
// up from its start bit (byte b / 8, bit b % 8); a Motorola one runs down
// from its start bit, its most significant, on into bit 7 of the next byte.
// Counting Motorola bits from bit 7 of byte 0 makes both ranges linear.
std::optional<int> ShiftIn(const DbcSignal& s, int width, int start) {
  const int last_byte = start + width - 1;
  if (s.byte_order == '1') {
    const int lowest = s.start_bit;
    const int highest = lowest + s.length - 1;
    if (lowest / 8 < start || highest / 8 > last_byte) return std::nullopt;
    return lowest - 8 * start;
  }
  const int highest = 8 * (s.start_bit / 8) + 7 - s.start_bit % 8;
  const int lowest = highest + s.length - 1;
  if (highest / 8 < start || lowest / 8 > last_byte) return std::nullopt;
  return 8 * (start + width) - 1 - lowest;
}

// The narrowest read that holds the signal, and within it the smallest shift.
std::optional<Placement> PlaceSignal(const DbcSignal& s) {
  for (const int width : {1, 2, 4}) {
    std::optional<Placement> best;
    for (int start = 0; start + width <= 8; ++start) {
      const std::optional<int> shift = ShiftIn(s, width, start);
      if (shift && (!best || *shift < best->shift)) best = Placement{width, start, *shift};
    }
    if (best) return best;
  }
  return std::nullopt;
}

uint8_t DataTypeFor(int width, bool is_signed) {
  const uint8_t unsigned_type = width == 1 ? 0 : width == 2 ? 2 : 4;  // U8, U16, U32
  return static_cast<uint8_t>(unsigned_type + (is_signed ? 1 : 0));
}

// The scale as written, p / 10^k, with the shift folded into the divider and
// the fraction reduced; nullopt when it does not fit 32-bit integers. The
// written digits are the shortest that read back as the double.
std::optional<Ratio> DecimalRatio(double scale, int shift) {
  std::array<char, 32> buffer;
  const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), scale, std::chars_format::scientific).ptr;
  const std::string_view text(buffer.data(), static_cast<size_t>(end - buffer.data()));
  const size_t e = text.find('e');
  uint64_t digits = 0;
  int count = 0;
  for (const char c : text.substr(0, e)) {
    if (c == '.') continue;
    digits = digits * 10 + static_cast<uint64_t>(c - '0');
    ++count;
  }
  int exponent = 0;
  const std::string_view written = text.substr(e + 1);
  std::from_chars(written.data() + (written[0] == '+' ? 1 : 0), written.data() + written.size(), exponent);
  exponent -= count - 1;  // the value is digits * 10^exponent
  uint64_t numerator = digits;
  uint64_t denominator = 1;
  for (; exponent > 0; --exponent)
    if ((numerator *= 10) > kIntLimit) return std::nullopt;
  for (; exponent < 0; ++exponent)
    if ((denominator *= 10) > kTenToTheEighteen) return std::nullopt;
  const uint64_t common = std::gcd(numerator, denominator);
  numerator /= common;
  denominator /= common;
  // The shift only adds factors of two, of which the numerator may cancel
  // some: a denominator too large already stays too large.
  if (denominator > kIntLimit) return std::nullopt;
  denominator <<= shift;
  const uint64_t folded = std::gcd(numerator, denominator);
  numerator /= folded;
  denominator /= folded;
  if (numerator > kIntLimit || denominator > kIntLimit) return std::nullopt;
  return Ratio{static_cast<int32_t>(numerator), static_cast<int32_t>(denominator)};
}

// The first convergent of the continued fraction of `target` that comes
// within a 32-bit real's precision: the smallest divider that decodes the
// same values. For a scale whose written digits make too large a fraction.
std::optional<Ratio> NearestRatio(double target) {
  constexpr double kTolerance = 0x1p-24;
  double p0 = 0, p1 = 1, q0 = 1, q1 = 0;  // the last two convergents p/q
  double x = target;
  for (int term = 0; term < 64; ++term) {
    const double a = std::floor(x);
    const double p = a * p1 + p0;
    const double q = a * q1 + q0;
    if (p > kIntLimit || q > kIntLimit) break;
    if (std::fabs(p / q - target) <= kTolerance * target) return Ratio{static_cast<int32_t>(p), static_cast<int32_t>(q)};
    p0 = p1;
    p1 = p;
    q0 = q1;
    q1 = q;
    x = 1 / (x - a);
  }
  return std::nullopt;
}

// The frame-identifier check of a multiplexed signal: its multiplexor's byte,
// that byte's bits of the multiplexor, and the value shifted into them.
std::string_view SetFrameIdCheck(const DbcDatabase& dbc, const DbcSignal& s, CanChannel& c) {
  const DbcSignal* multiplexor = nullptr;
  for (const DbcSignal& other : dbc.signals) {
    if (other.message != s.message) continue;
    // With a multiplexor inside a multiplexed group, which one selects this
    // signal is told only by SG_MUL_VAL_ lines, which are not read.
    if (other.nested_multiplexor) return "under nested multiplexing, which is not decoded";
    if (other.multiplexor && !multiplexor) multiplexor = &other;
  }
  if (!multiplexor) return "multiplexed, but its message has no multiplexor";
  const int bits = multiplexor->length;
  const int byte = multiplexor->start_bit / 8;
  const int bit = multiplexor->start_bit % 8;
  const int lowest = multiplexor->byte_order == '1' ? bit : bit - (bits - 1);
  if (bits < 1 || byte > 7 || lowest < 0 || lowest + bits > 8) return "multiplexed by a multiplexor outside one byte";
  if (s.multiplexer_value >= (1u << bits)) return "multiplexer value beyond its multiplexor";
  c.frame_id_pos = static_cast<uint8_t>(byte + 1);
  c.frame_id_mask = static_cast<uint8_t>(((1u << bits) - 1) << lowest);
  c.frame_id = static_cast<uint8_t>(s.multiplexer_value << lowest);
  return {};
}

bool NameTaken(const CanChannelList& list, std::string_view name) {
  for (const CanListEntry& entry : list.entries)
    if (entry.record.name == name) return true;
  return false;
}

// At most `limit` bytes, never half a UTF-8 character.
std::string CutName(std::string_view name, size_t limit) {
  if (name.size() <= limit) return std::string(name);
  size_t cut = limit;
  while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
  return std::string(name.substr(0, cut));
}

}  // namespace

std::optional<Ratio> BestRatio(double scale, int shift) {
  if (!std::isfinite(scale) || scale == 0 || shift < 0 || shift > 31) return std::nullopt;
  std::optional<Ratio> ratio = DecimalRatio(std::fabs(scale), shift);
  if (!ratio) ratio = NearestRatio(std::ldexp(std::fabs(scale), -shift));
  if (ratio && scale < 0) ratio->multiplier = -ratio->multiplier;
  return ratio;
}

SignalChannel MapDbcSignal(const DbcDatabase& dbc, size_t index) {
  const DbcSignal& s = dbc.signals[index];
  if (s.length == 0 || s.length > 32) return {std::nullopt, "not 1 to 32 bits long"};
  const std::optional<Placement> place = PlaceSignal(s);
  if (!place) return {std::nullopt, "not within 1, 2 or 4 bytes of the frame"};
  const bool is_signed = s.sign == '-';
  const bool whole = place->shift == 0 && s.length == 8 * place->width;
  // A signed value is read with its sign only where its bits are the whole read.
  if (is_signed && !whole) return {std::nullopt, "signed, and not 8, 16 or 32 bits on byte boundaries"};
  // The shift of the signal in the value read goes into the divider.
  const std::optional<Ratio> ratio = BestRatio(s.scale, place->shift);
  if (!ratio) return {std::nullopt, "scale not a ratio of 32-bit integers"};
  const double offset = std::round(s.offset * ratio->divider / ratio->multiplier);
  if (std::fabs(offset) > static_cast<double>(kIntLimit)) return {std::nullopt, "offset beyond the channel's range"};

  CanChannel c;
  c.format = s.extended ? 2 : 1;
  c.id = s.message_id;
  c.byte_order = s.byte_order == '1' ? 1 : 0;
  c.start_pos = static_cast<uint8_t>(place->start);
  c.data_type = DataTypeFor(place->width, is_signed);
  c.multiplier = ratio->multiplier;
  c.divider = ratio->divider;
  c.offset = static_cast<int32_t>(offset);
  c.data_mask = whole ? 0xFFFFFFFF : static_cast<uint32_t>(((uint64_t{1} << s.length) - 1) << place->shift);
  c.frame_id_mask = 0xFF;
  if (s.multiplexed)
    if (const std::string_view reason = SetFrameIdCheck(dbc, s, c); !reason.empty()) return {std::nullopt, reason};
  return {c, {}};
}

std::string ImportedChannelName(const CanChannelList& list, std::string_view signal, std::string_view message) {
  const std::string plain = CutName("@" + std::string(signal), kMaxChannelNameBytes);
  if (!NameTaken(list, plain)) return plain;
  const std::string qualified = "@" + std::string(signal) + "_" + std::string(message);
  std::string name = CutName(qualified, kMaxChannelNameBytes);
  for (int n = 2; NameTaken(list, name); ++n) {
    const std::string suffix = "_" + std::to_string(n);
    name = CutName(qualified, kMaxChannelNameBytes - suffix.size()) + suffix;
  }
  return name;
}

size_t ImportDbcSignals(CanChannelList& list, const DbcDatabase& dbc, const std::vector<bool>& ticked,
                        std::ostream& diagnostics) {
  size_t added = 0;
  for (size_t i = 0; i < dbc.signals.size() && i < ticked.size(); ++i) {
    if (!ticked[i]) continue;
    const DbcSignal& s = dbc.signals[i];
    const std::string& message = dbc.messages[s.message].name;
    const SignalChannel mapped = MapDbcSignal(dbc, i);
    if (!mapped.channel) {
      diagnostics << "Warning: Signal " << s.name << " of message " << message << " skipped: " << mapped.reason
                  << ".\n";
      continue;
    }
    TCAN_CH_Def record;
    record.channel = *mapped.channel;
    record.name = ImportedChannelName(list, s.name, message);
    if (!AddCanChannel(list, record)) {
      diagnostics << "Warning: Signal " << s.name << " of message " << message
                  << " not imported: the channel list is full.\n";
      continue;
    }
    ++added;
  }
  return added;
}

}  // namespace velk
