#include "can/candump_reader.h"

#include <gtest/gtest.h>

namespace velk {
namespace {

TEST(ReadCandump, FramesWithTimesAfterTheFirst) {
  const CandumpLog log = ReadCandump(
      "(1436509052.249713) vcan0 044#2A366C2A\n"
      "\n"
      "(1436509052.449848) can0 18FEF100#0102030405060708\r\n"
      "(1436509053.250000) can0 7E8#\n");
  ASSERT_EQ(log.frames.size(), 3u);
  EXPECT_TRUE(log.warnings.empty());
  EXPECT_EQ(log.frames[0].ms, 0u);
  EXPECT_EQ(log.frames[0].frame.id, 0x044u);
  EXPECT_EQ(log.frames[0].frame.extended, 0);
  EXPECT_EQ(log.frames[0].frame.length, 4);
  EXPECT_EQ(log.frames[0].frame.data[3], 0x2A);
  EXPECT_EQ(log.frames[1].ms, 200u);
  EXPECT_EQ(log.frames[1].frame.id, 0x18FEF100u);
  EXPECT_EQ(log.frames[1].frame.extended, 1);
  EXPECT_EQ(log.frames[1].frame.data[7], 8);
  EXPECT_EQ(log.frames[2].ms, 1000u);
  EXPECT_EQ(log.frames[2].frame.length, 0);
}

TEST(ReadCandump, SkipsWhatItCannotReplayWithTheLineNumber) {
  const CandumpLog log = ReadCandump(
      "(1.000000) can0 123#R\n"
      "(1.000000) can0 123##1112233\n"
      "(1.000000) can0 1234#00\n"
      "(1.000000) can0 123#0\n"
      "(1.000000) can0 123#001122334455667788\n"
      "garbage\n"
      "(1.5) can0 123#00\n"
      "(2.000000) can0 12G#00\n"
      "(3.000000) can0 123#0G\n"
      "(4.000000) can0 123#01\n");
  ASSERT_EQ(log.frames.size(), 1u);
  EXPECT_EQ(log.frames[0].ms, 0u);  // the first frame read sets the time base
  const std::vector<std::string> expected = {
      "line 1: remote frame skipped",
      "line 2: CAN FD frame skipped",
      "line 3: identifier must be 3 or 8 hexadecimal digits",
      "line 4: data must be up to 8 bytes of two hexadecimal digits",
      "line 5: data must be up to 8 bytes of two hexadecimal digits",
      "line 6: not a candump log line \"(seconds.micro) iface ID#DATA\"",
      "line 7: not a candump log line \"(seconds.micro) iface ID#DATA\"",
      "line 8: identifier must be 3 or 8 hexadecimal digits",
      "line 9: data must be hexadecimal",
  };
  EXPECT_EQ(log.warnings, expected);
}

}  // namespace
}  // namespace velk
