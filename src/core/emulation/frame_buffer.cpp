#include "emulation/frame_buffer.h"

#include <algorithm>

namespace velk {

namespace {
constexpr uint32_t kBlack = 0xFF000000u;
}  // namespace

FrameBuffer::FrameBuffer() : pixels_(static_cast<size_t>(kFrameWidth) * kScreenHeight, kBlack) {}

void ClearFrame(FrameBuffer& frame) {
  uint32_t* first = frame.Row(0);
  std::fill(first, first + static_cast<size_t>(kFrameWidth) * kScreenHeight, kBlack);
}

}  // namespace velk
