#include "can/candump_reader.h"

#include <charconv>
#include <optional>

namespace velk {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<uint32_t> Hex(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  uint32_t value = 0;
  for (char c : digits) {
    const int digit = HexDigit(c);
    if (digit < 0) return std::nullopt;
    value = value << 4 | static_cast<uint32_t>(digit);
  }
  return value;
}

// "(seconds.micro)" as microseconds.
std::optional<int64_t> Timestamp(std::string_view text) {
  if (text.size() < 3 || text.front() != '(' || text.back() != ')') return std::nullopt;
  const std::string_view inner = text.substr(1, text.size() - 2);
  const size_t dot = inner.find('.');
  if (dot == std::string_view::npos || inner.size() - dot - 1 != 6) return std::nullopt;
  int64_t seconds = 0;
  int64_t micro = 0;
  const auto s = std::from_chars(inner.data(), inner.data() + dot, seconds);
  const auto u = std::from_chars(inner.data() + dot + 1, inner.data() + inner.size(), micro);
  if (s.ptr != inner.data() + dot || u.ptr != inner.data() + inner.size() || seconds < 0 || seconds > (int64_t{1} << 40))
    return std::nullopt;
  return seconds * 1000000 + micro;
}

// The words of a line separated by blanks.
std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  size_t at = 0;
  while (at < line.size()) {
    while (at < line.size() && (line[at] == ' ' || line[at] == '\t' || line[at] == '\r')) ++at;
    const size_t start = at;
    while (at < line.size() && line[at] != ' ' && line[at] != '\t' && line[at] != '\r') ++at;
    if (at > start) words.push_back(line.substr(start, at - start));
  }
  return words;
}

// The frame of "ID#DATA", or the reason it is skipped.
std::optional<CanFrame> Frame(std::string_view text, std::string& why) {
  const size_t hash = text.find('#');
  if (hash == std::string_view::npos) {
    why = "no '#' between identifier and data";
    return std::nullopt;
  }
  const std::string_view id = text.substr(0, hash);
  const std::string_view data = text.substr(hash + 1);
  if (!data.empty() && data[0] == '#') {
    why = "CAN FD frame skipped";
    return std::nullopt;
  }
  if (!data.empty() && (data[0] == 'R' || data[0] == 'r')) {
    why = "remote frame skipped";
    return std::nullopt;
  }
  const std::optional<uint32_t> identifier = Hex(id);
  if (!identifier || (id.size() != 3 && id.size() != 8)) {
    why = "identifier must be 3 or 8 hexadecimal digits";
    return std::nullopt;
  }
  if (data.size() % 2 != 0 || data.size() > 16) {
    why = "data must be up to 8 bytes of two hexadecimal digits";
    return std::nullopt;
  }
  CanFrame frame;
  frame.id = *identifier;
  frame.extended = id.size() == 8 ? 1 : 0;
  frame.length = static_cast<uint8_t>(data.size() / 2);
  for (size_t i = 0; i < frame.length; ++i) {
    const std::optional<uint32_t> byte = Hex(data.substr(2 * i, 2));
    if (!byte) {
      why = "data must be hexadecimal";
      return std::nullopt;
    }
    frame.data[i] = static_cast<uint8_t>(*byte);
  }
  return frame;
}

}  // namespace

bool ParseFrameText(std::string_view text, CanFrame& frame, std::string& why) {
  const std::optional<CanFrame> parsed = Frame(text, why);
  if (parsed) frame = *parsed;
  return parsed.has_value();
}

CandumpLog ReadCandump(std::string_view text) {
  CandumpLog log;
  std::optional<int64_t> first;
  size_t at = 0;
  for (int number = 1; at < text.size(); ++number) {
    size_t end = text.find('\n', at);
    if (end == std::string_view::npos) end = text.size();
    const std::vector<std::string_view> words = Words(text.substr(at, end - at));
    at = end + 1;
    if (words.empty()) continue;
    const auto warn = [&](const std::string& why) { log.warnings.push_back("line " + std::to_string(number) + ": " + why); };
    const std::optional<int64_t> time = Timestamp(words[0]);
    if (words.size() != 3 || !time) {
      warn("not a candump log line \"(seconds.micro) iface ID#DATA\"");
      continue;
    }
    std::string why;
    const std::optional<CanFrame> frame = Frame(words[2], why);
    if (!frame) {
      warn(why);
      continue;
    }
    if (!first) first = *time;
    const int64_t ms = (*time - *first) / 1000;
    if (ms < 0 || ms > int64_t{UINT32_MAX}) {
      warn("time before the first frame or too far after it");
      continue;
    }
    log.frames.push_back({static_cast<uint32_t>(ms), *frame});
  }
  return log;
}

}  // namespace velk
