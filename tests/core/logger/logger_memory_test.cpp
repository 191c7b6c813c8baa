#include "logger/logger_memory.h"

#include <gtest/gtest.h>

#include <ostream>

#include "model/input_references.h"

namespace velk {
namespace {

struct TypeCase {
  const char* name;
  Link input;
  uint8_t decimal;
  float min;
  float max;
  uint8_t type;
};

void PrintTo(const TypeCase& c, std::ostream* os) { *os << c.name; }

constexpr Link kAdc{RowOf("ADC"), 1};
constexpr Link kDi{RowOf("DI"), 1};

class LoggerType : public testing::TestWithParam<TypeCase> {};

TEST_P(LoggerType, IsChosenFromInputAndScaledRange) {
  const TypeCase& c = GetParam();
  LoggerItem item;
  item.input = c.input;
  item.decimal = c.decimal;
  item.min = c.min;
  item.max = c.max;
  item.data_type = kLogU8;  // what the text said does not count
  EXPECT_EQ(AutoLoggerDataType(item), c.type);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, LoggerType,
    testing::Values(TypeCase{"digital_input", kDi, 3, -100000, 100000, kLogBit},
                    TypeCase{"u16_below_65535", kAdc, 0, 0, 65534, kLogU16},
                    TypeCase{"u32_at_65535", kAdc, 0, 0, 65535, kLogU32},
                    TypeCase{"decimals_scale_u32", kAdc, 1, 0, 6553.5f, kLogU32},
                    TypeCase{"decimals_scale_u16", kAdc, 1, 0, 6553.4f, kLogU16},
                    TypeCase{"s16", kAdc, 0, -1, 32766, kLogS16},
                    TypeCase{"s32_at_32767", kAdc, 0, -1, 32767, kLogS32},
                    TypeCase{"s16_above_minus_32767", kAdc, 0, -32766, 100, kLogS16},
                    TypeCase{"s32_at_minus_32767", kAdc, 0, -32767, 100, kLogS32},
                    TypeCase{"decimals_scale_s16", kAdc, 2, -1, 1, kLogS16},
                    TypeCase{"add_default", Link{RowOf("VELK_RPM"), 1}, 0, -32767, 32767, kLogS32},
                    TypeCase{"no_input", Link{}, 0, 0, 0, kLogU16}),
    [](const testing::TestParamInfo<TypeCase>& info) { return std::string(info.param.name); });

TEST(LoggerSampleBytes, TwoOrFour) {
  for (const uint8_t type : {kLogBit, kLogU8, kLogS8, kLogU16, kLogS16}) EXPECT_EQ(LoggerSampleBytes(type), 2u);
  for (const uint8_t type : {kLogU32, kLogS32}) EXPECT_EQ(LoggerSampleBytes(type), 4u);
}

TEST(RamSizeLabel, AnHourOfSamplesInMebibytes) {
  EXPECT_EQ(RamSizeLabel(40), "RAM size: 0.14mb");  // 10 samples of 4 bytes a second
  EXPECT_EQ(RamSizeLabel(0), "RAM size: 0.00mb");
  EXPECT_EQ(RamSizeLabel(1), "RAM size: 0.00mb");
  EXPECT_EQ(RamSizeLabel(22), "RAM size: 0.08mb");
  EXPECT_EQ(RamSizeLabel(200 * 255 * 4), "RAM size: 700.38mb");  // the most 200 items can take
}

TEST(FixedText, DecimalsAsPrintfWritesThem) {
  EXPECT_EQ(FixedText(150, 1), "150.0");
  EXPECT_EQ(FixedText(-32767, 0), "-32767");
  EXPECT_EQ(FixedText(0.125, 2), "0.12");
  EXPECT_EQ(FixedText(2.5f, 0), "2");
  EXPECT_EQ(FixedText(-0.5f, 3), "-0.500");
  EXPECT_EQ(FixedText(3.4e38, 9).size(), 49u);
}

}  // namespace
}  // namespace velk
