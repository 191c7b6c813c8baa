#include "can/frame_text.h"

#include <gtest/gtest.h>

namespace velk {
namespace {

TEST(FrameText, TraceLinesListTheFirstDlcBytes) {
  CanFrame frame{0x186, 0, 2, {0x12, 0xAB, 0x55, 0, 0, 0, 0, 0}};
  EXPECT_EQ(ReceivedFrameText(frame), "RX  ID=0x186  DLC=2  12 AB ");
  frame = CanFrame{0x185, 0, 8, {1, 2, 3, 4, 5, 6, 7, 0xFF}};
  EXPECT_EQ(TransmittedFrameText(frame, 1), "TX2  ID=0x185  DLC=8  01 02 03 04 05 06 07 FF ");
  frame = CanFrame{0x18FEF100, 1, 0, {}};
  EXPECT_EQ(TransmittedFrameText(frame, 0), "TX1  ID=0x18FEF100  DLC=0  ");
  frame.length = 200;  // never past the eight data bytes
  EXPECT_EQ(TransmittedFrameText(frame, 0), "TX1  ID=0x18FEF100  DLC=200  00 00 00 00 00 00 00 00 ");
}

}  // namespace
}  // namespace velk
