#include "can/frame_text.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace velk {
namespace {

std::string WithBytes(const char* head, const CanFrame& frame) {
  std::array<char, 64> text;
  std::string line(text.data(), static_cast<size_t>(std::snprintf(text.data(), text.size(), head, frame.id, frame.length)));
  const size_t bytes = std::min<size_t>(frame.length, frame.data.size());
  for (size_t i = 0; i < bytes; ++i) {
    std::snprintf(text.data(), text.size(), "%.2X ", frame.data[i]);
    line += text.data();
  }
  return line;
}

}  // namespace

std::string ReceivedFrameText(const CanFrame& frame) { return WithBytes("RX  ID=0x%.3X  DLC=%d  ", frame); }

std::string TransmittedFrameText(const CanFrame& frame, int bus) {
  const std::string head = "TX" + std::to_string(bus + 1) + "  ID=0x%.3X  DLC=%d  ";
  return WithBytes(head.c_str(), frame);
}

}  // namespace velk
