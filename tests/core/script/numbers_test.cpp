#include "script/numbers.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <memory>

#include "model/project.h"
#include "script/references.h"

namespace velk {
namespace {

TEST(ParseInteger, StopsAtTheFirstNonDigit) {
  const struct {
    const char* text;
    int32_t value;
  } cases[] = {{"12", 12},        {"12x", 12},      {"x", 0},         {"", 0},
               {"-7", -7},        {"+7", 7},        {"-", 0},         {"007", 7},
               {"3.9", 3},        {" 5", 0},        {"2147483647", 2147483647},
               {"99999999999", 2147483647},         {"-2147483648", INT32_MIN},
               {"-99999999999", INT32_MIN}};
  for (const auto& c : cases) EXPECT_EQ(ParseInteger(c.text), c.value) << c.text;
}

TEST(ParseReal, ReadsSignFractionAndExponent) {
  const struct {
    const char* text;
    float value;
  } cases[] = {{"1.5", 1.5f},     {"-5", -5.0f},  {"1e3", 1000.0f}, {"+2.25", 2.25f},
               {".5", 0.5f},      {"3.", 3.0f},   {"2.5x", 2.5f},   {"1e", 1.0f},
               {"1e+2", 100.0f},  {"4E-1", 0.4f}, {"x", 0.0f},      {"", 0.0f},
               {".", 0.0f},       {"-", 0.0f},    {"0.1", 0.1f},    {"-150", -150.0f},
               {"1e999", FLT_MAX}, {"-1e999", -FLT_MAX}, {"1e-999", 0.0f}, {"1e39", FLT_MAX}};
  for (const auto& c : cases) EXPECT_EQ(ParseReal(c.text), c.value) << c.text;
}

TEST(ParseReal, OutOfRangeGoesByMagnitudeNotByTheExponentsSign) {
  const std::string tiny = "0." + std::string(400, '0') + "1";
  const std::string huge = "1" + std::string(400, '0');
  EXPECT_EQ(ParseReal(tiny), 0.0f);
  EXPECT_EQ(ParseReal(tiny + "e5"), 0.0f);
  EXPECT_EQ(ParseReal("-" + tiny), 0.0f);
  EXPECT_EQ(ParseReal(huge + "e-1"), FLT_MAX);
  EXPECT_EQ(ParseReal("-" + huge), -FLT_MAX);
  EXPECT_EQ(ParseReal("0." + std::string(500, '0')), 0.0f);
}

TEST(ParseDouble, KeepsWhatAFieldScalesBeforeItBecomesAReal) {
  EXPECT_EQ(NarrowToReal(ParseDouble("1e40") * 0.001), 1e37f);
  EXPECT_EQ(NarrowToReal(ParseDouble("0.1") * 0.001), static_cast<float>(0.1 * 0.001));
  EXPECT_EQ(NarrowToReal(ParseDouble("1e400")), FLT_MAX);
}

TEST(ParseHexOrDecimal, HexPrefixOrInteger) {
  const struct {
    const char* text;
    uint32_t value;
  } cases[] = {{"0x1F", 31},      {"0x", 0},  {"12", 12}, {"0x7E8", 0x7E8},
               {"0xFFFFFFFF", 0xFFFFFFFF}, {"0x1fZ", 31}, {"0X1F", 0}, {"18FF0A10", 18}};
  for (const auto& c : cases) EXPECT_EQ(ParseHexOrDecimal(c.text), c.value) << c.text;
}

TEST(ParseConstant, ReferenceFirstThenPlainNumbers) {
  auto project = std::make_unique<Project>();
  const struct {
    const char* text;
    bool ok;
    Link source;
    float constant;  // -1 = left at its default
  } cases[] = {
      {"ADC.1", true, {RowOf("ADC"), 1}, -1},
      {"0x00FF00", true, {}, 0x00FF00},
      {"0xFFFFFFFF", true, {}, 4294967296.0f},  // turned into a 32-bit real
      {"0xFF00FF01", true, {}, 4278255360.0f},  // the nearest real
      {"12.5", true, {}, 12.5},
      {"7", true, {}, 7},
      {"", true, {}, -1},
      {"-5", false, {}, -1},
      {"1e3", false, {}, -1},
      {"0x1G", false, {}, -1},
      {"ADC.9", false, {}, -1},
      {"HI", false, {}, -1},  // a digital reference is not an analogue one
  };
  for (const auto& c : cases) {
    Link source;
    float constant = -1;
    EXPECT_EQ(ParseConstant(*project, c.text, source, constant), c.ok) << c.text;
    EXPECT_EQ(source, c.source) << c.text;
    EXPECT_EQ(constant, c.constant) << c.text;
  }
}

}  // namespace
}  // namespace velk
