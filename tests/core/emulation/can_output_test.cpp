#include "emulation/can_output.h"

#include <limits>

#include "support/logic_rig.h"

namespace velk {
namespace {

using Bytes = std::array<uint8_t, 8>;

struct EncodeCase {
  const char* signal;  // the signal fields of a CAN1_OUT statement
  float value;         // ADC.1
  Bytes data;
};

void PrintTo(const EncodeCase& c, std::ostream* os) { *os << c.signal; }

class SignalEncoding : public testing::TestWithParam<EncodeCase> {};

TEST_P(SignalEncoding, BytesOfTheFrame) {
  test::LogicRig rig;
  rig.Load({std::string("CAN1_OUT.1=STD_ID:0x185|DLC:8|INPUT:ADC.1|") + GetParam().signal});
  rig.SetValue("ADC.1", GetParam().value);
  EXPECT_EQ(BuildCanFrame(*rig.project, rig.project->can.outputs[0][0]).data, GetParam().data);
}

INSTANTIATE_TEST_SUITE_P(
    Types, SignalEncoding,
    testing::Values(
        EncodeCase{"DATA_TYPE:U8|START_POS:2", 300, {0, 0, 0x2C, 0, 0, 0, 0, 0}},  // the low byte
        EncodeCase{"DATA_TYPE:S8", -2, {0xFE, 0, 0, 0, 0, 0, 0, 0}},
        EncodeCase{"DATA_TYPE:U16|BYTE_ORDER:LS|START_POS:1", 0x1234, {0, 0x34, 0x12, 0, 0, 0, 0, 0}},
        EncodeCase{"DATA_TYPE:U16|BYTE_ORDER:MS|START_POS:1", 0x1234, {0, 0x12, 0x34, 0, 0, 0, 0, 0}},
        EncodeCase{"DATA_TYPE:S16|BYTE_ORDER:LS", -1000, {0x18, 0xFC, 0, 0, 0, 0, 0, 0}},
        EncodeCase{"DATA_TYPE:U32|BYTE_ORDER:MS|START_POS:4", 16909060, {0, 0, 0, 0, 1, 2, 3, 4}},
        EncodeCase{"DATA_TYPE:S32|BYTE_ORDER:LS", -2, {0xFE, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}},
        // raw = trunc(v * MULTIPLIER / DIVIDER - OFFSET): 9.9 * 10 / 4 + 40 = 64.75
        EncodeCase{"DATA_TYPE:U16|BYTE_ORDER:LS|MULTIPLIER:10|DIVIDER:4|OFFSET:-40", 9.9f, {0x40, 0, 0, 0, 0, 0, 0, 0}},
        // Bytes past the eighth are not written.
        EncodeCase{"DATA_TYPE:U32|BYTE_ORDER:LS|START_POS:6", 0x01020304, {0, 0, 0, 0, 0, 0, 0x04, 0x03}},
        // Huge and non-finite values saturate or give 0, never undefined behaviour.
        EncodeCase{"DATA_TYPE:U32|BYTE_ORDER:LS", 1e30f, {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}},
        EncodeCase{"DATA_TYPE:U8", std::numeric_limits<float>::quiet_NaN(), {0, 0, 0, 0, 0, 0, 0, 0}},
        EncodeCase{"DATA_TYPE:U8|DIVIDER:0", 1, {0xFF, 0, 0, 0, 0, 0, 0, 0}}));

TEST(SignalEncoding, MultiplierAndDividerAreUnsigned) {
  CanSignal signal{0, 0, 0, -1, 1, 0, {}, 0};  // MULTIPLIER -1 is 4294967295 unsigned
  EXPECT_EQ(EncodeSignal(signal, 1.0f), 4294967296);  // the quotient rounded to a 32-bit real
  signal = CanSignal{0, 0, 0, 1, 8, 3, {}, 0};
  EXPECT_EQ(EncodeSignal(signal, 100.0f), 9);  // 12.5 - 3 cut toward zero
}

TEST(SendCanOutputs, PeriodEnableAndBus) {
  test::LogicRig rig;
  rig.Load({"CAN1_OUT.1=EXT_ID:0x18FEF100|DLC:4|PERIOD:100|ENABLE:DI.1|INPUT:7",
            "CAN2_OUT.3=STD_ID:0x7E8|PERIOD:250|INPUT:ADC.1", "CAN1_OUT.2=INPUT:ADC.1"});
  std::vector<std::pair<uint32_t, int>> sent;  // (clock, bus) of each frame
  std::vector<CanFrame> frames;
  const CanTransmitter transmit = [&](const CanFrame& frame, int bus) {
    sent.emplace_back(rig.project->clock_ms, bus);
    frames.push_back(frame);
  };
  rig.SetFlag("DI.1", 1);
  for (uint32_t clock = 0; clock <= 500; clock += 50) {
    rig.project->clock_ms = clock;
    if (clock == 300) rig.SetFlag("DI.1", 0);
    SendCanOutputs(*rig.project, transmit);
  }
  // CAN1_OUT.2 has no identifier and sends nothing; CAN1_OUT.1 stops when its ENABLE falls.
  const std::vector<std::pair<uint32_t, int>> expected = {{100, 0}, {200, 0}, {250, 1}, {500, 1}};
  EXPECT_EQ(sent, expected);
  ASSERT_FALSE(frames.empty());
  EXPECT_EQ(frames[0].id, 0x18FEF100u);
  EXPECT_EQ(frames[0].extended, 1);
  EXPECT_EQ(frames[0].length, 4);
  EXPECT_EQ(frames[0].data[0], 7);
  EXPECT_EQ(frames[2].extended, 0);
}

}  // namespace
}  // namespace velk
