#include "emulation/digt_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

namespace velk {
namespace {

struct DigtCase {
  uint8_t format;
  uint8_t dps;
  float value;
  const char* text;  // nullptr: nothing shown
};

void PrintTo(const DigtCase& c, std::ostream* os) {
  *os << "format " << int{c.format} << " dps " << int{c.dps} << " value " << c.value;
}

class DigtTextTest : public ::testing::TestWithParam<DigtCase> {};

TEST_P(DigtTextTest, FormatsTheValue) {
  const DigtCase& c = GetParam();
  std::string text = "stale";
  const bool shown = DigtText(c.format, c.dps, c.value, text);
  if (!c.text) {
    EXPECT_FALSE(shown) << text;
    return;
  }
  ASSERT_TRUE(shown);
  EXPECT_EQ(text, c.text);
}

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNan = std::numeric_limits<float>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Numeric, DigtTextTest,
    ::testing::Values(DigtCase{0, 2, 3.14159f, "3.14"}, DigtCase{0, 0, 3.5f, "4"},
                      DigtCase{0, 0, 2.5f, "2"},  // printf rounds an exact half to even
                      DigtCase{0, 1, 0.05f, "0.1"},  // the float is a little above 0.05
                      DigtCase{0, 8, 1.0f / 3.0f, "0.33333334"}, DigtCase{0, 0, -0.4f, "-0"},
                      DigtCase{0, 3, 12.0f, "12.000"}, DigtCase{0, 9, 1.0f, nullptr},
                      DigtCase{0, 255, 1.0f, nullptr},
                      DigtCase{0, 8, -FLT_MAX, "-340282346638528859811704183484516925440.00000000"},
                      DigtCase{0, 0, kInf, "inf"}, DigtCase{0, 2, -kInf, "-inf"}, DigtCase{0, 2, kNan, "nan"}));

INSTANTIATE_TEST_SUITE_P(
    Pictures, DigtTextTest,
    ::testing::Values(DigtCase{1, 0, 1234, "12:34"}, DigtCase{1, 0, 905.9f, "09:05"},
                      DigtCase{1, 0, -1234, "-12:-34"},  // "%02d" counts the sign in the width
                      DigtCase{1, 0, 1e10f, "21474836:47"},  // held at the 32-bit range
                      DigtCase{1, 0, kNan, "00:00"}, DigtCase{2, 0, 123456, "12:34:56"},
                      DigtCase{2, 0, 10203, "01:02:03"}, DigtCase{3, 0, 123456, "1:23.456"},
                      DigtCase{3, 0, 5007, "0:05.007"}, DigtCase{3, 0, -5007, "0:-5.-07"},
                      DigtCase{4, 0, 250401, "25/04/01"}, DigtCase{5, 0, 83456, "1:23.456"},
                      DigtCase{5, 0, 5007, "0:05.007"},
                      DigtCase{5, 0, -5007, "0:-05.-007"},  // "%.2d" does not count the sign
                      DigtCase{5, 0, 3600000, "60:00.000"}, DigtCase{5, 7, 83456, "1:23.456"},  // DPS unused
                      DigtCase{6, 0, 1, nullptr}));

}  // namespace
}  // namespace velk
