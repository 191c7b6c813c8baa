#include "can/channel_decode.h"

#include <gtest/gtest.h>

#include <ostream>

#include "script/can_statements.h"

namespace velk {
namespace {

struct DecodeCase {
  const char* fields;  // a channel's field list
  CanFrame frame;
  bool matches;
  double value;  // as a 32-bit real
};

void PrintTo(const DecodeCase& c, std::ostream* os) { *os << c.fields; }

constexpr CanFrame Std(uint32_t id, std::array<uint8_t, 8> data) { return CanFrame{id, 0, 8, data}; }

class ChannelDecode : public testing::TestWithParam<DecodeCase> {};

TEST_P(ChannelDecode, MatchesAndDecodes) {
  const DecodeCase& c = GetParam();
  CanChannel channel;
  ASSERT_TRUE(ParseCanChannelFields(channel, c.fields));
  EXPECT_EQ(ChannelMatchesFrame(channel, c.frame), c.matches);
  if (c.matches) {
    EXPECT_EQ(DecodeChannelValue(channel, c.frame), static_cast<float>(c.value));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Reception, ChannelDecode,
    testing::Values(
        DecodeCase{"STD_ID:0x100|START_POS:2", Std(0x100, {0, 0, 0xF0}), true, 240},
        DecodeCase{"STD_ID:0x100|START_POS:2|DATA_TYPE:S8", Std(0x100, {0, 0, 0xF0}), true, -16},
        DecodeCase{"STD_ID:0x100|START_POS:2|DATA_TYPE:U8|DATA_MASK:0x30", Std(0x100, {0, 0, 0xF5}), true, 48},
        DecodeCase{"STD_ID:0x100|START_POS:1|DATA_TYPE:U16|BYTE_ORDER:LS", Std(0x100, {0, 0x34, 0x12}), true, 0x1234},
        DecodeCase{"STD_ID:0x100|START_POS:1|DATA_TYPE:U16|BYTE_ORDER:MS", Std(0x100, {0, 0x34, 0x12}), true, 0x3412},
        // U16 keeps the low 16 bits of the mask.
        DecodeCase{"STD_ID:0x100|DATA_TYPE:U16|DATA_MASK:0xFFFF0FF0", Std(0x100, {0xAB, 0xCD}), true, 0x0BC0},
        DecodeCase{"STD_ID:0x100|DATA_TYPE:S16|BYTE_ORDER:LS", Std(0x100, {0xFE, 0xFF}), true, -2},
        DecodeCase{"STD_ID:0x100|START_POS:4|DATA_TYPE:U32|BYTE_ORDER:LS", Std(0x100, {0, 0, 0, 0, 1, 2, 3, 4}), true,
                   0x04030201},
        DecodeCase{"STD_ID:0x100|DATA_TYPE:U32|BYTE_ORDER:MS", Std(0x100, {0xFF, 0xFF, 0xFF, 0xFF}), true,
                   4294967295.0f},
        DecodeCase{"STD_ID:0x100|DATA_TYPE:S32|BYTE_ORDER:MS", Std(0x100, {0xFF, 0xFF, 0xFF, 0xF6}), true, -10},
        // (raw + OFFSET) * MULTIPLIER / DIVIDER, the sum first.
        DecodeCase{"STD_ID:0x100|MULTIPLIER:3|DIVIDER:4|OFFSET:-40", Std(0x100, {100}), true, 45},
        // A U32 raw value and a negative OFFSET meet as numbers.
        DecodeCase{"STD_ID:0x100|DATA_TYPE:U32|OFFSET:-5", Std(0x100, {0, 0, 0, 2}), true, -3},
        // Bytes past the frame read as 0.
        DecodeCase{"STD_ID:0x100|START_POS:7|DATA_TYPE:U16|BYTE_ORDER:MS", Std(0x100, {0, 0, 0, 0, 0, 0, 0, 1}), true,
                   256},
        DecodeCase{"STD_ID:0x100|FRAME_ID_POS:6|FRAME_ID_MASK:0xE0|FRAME_ID:64", Std(0x100, {7, 0, 0, 0, 0, 0, 0x5F}),
                   true, 7},
        DecodeCase{"STD_ID:0x100|FRAME_ID_POS:6|FRAME_ID_MASK:0xE0|FRAME_ID:64", Std(0x100, {7, 0, 0, 0, 0, 0, 0x3F}),
                   false, 0},
        DecodeCase{"STD_ID:0x100|FRAME_ID_POS:9|FRAME_ID:0", Std(0x100, {1}), true, 1},
        DecodeCase{"STD_ID:0x100", Std(0x101, {}), false, 0},
        DecodeCase{"EXT_ID:0x100", Std(0x100, {}), false, 0},
        DecodeCase{"EXT_ID:0x100", CanFrame{0x100, 1, 8, {9}}, true, 9},
        DecodeCase{"STD_ID:0x100", CanFrame{0x100, 1, 8, {}}, false, 0},
        DecodeCase{"START_POS:0", Std(0, {}), false, 0}));  // no STD_ID nor EXT_ID: never received

}  // namespace
}  // namespace velk
