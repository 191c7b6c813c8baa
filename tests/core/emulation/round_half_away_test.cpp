#include "emulation/round_half_away.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <limits>

namespace velk {
namespace {

struct RoundCase {
  double x;
  int32_t expected;
};

void PrintTo(const RoundCase& c, std::ostream* os) { *os << std::setprecision(17) << c.x; }

class RoundHalfAwayTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundHalfAwayTest, RoundsHalvesAwayFromZero) {
  EXPECT_EQ(RoundHalfAway(GetParam().x), GetParam().expected) << GetParam().x;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RoundHalfAwayTest,
    ::testing::Values(RoundCase{0.0, 0}, RoundCase{0.5, 1}, RoundCase{-0.5, -1}, RoundCase{2.5, 3},
                      RoundCase{-2.5, -3}, RoundCase{2.4999, 2}, RoundCase{-2.4999, -2}, RoundCase{7.0, 7},
                      RoundCase{-7.9, -8}, RoundCase{0.49999997f, 0},  // the float just below a half
                      RoundCase{1e12, std::numeric_limits<int32_t>::max()},
                      RoundCase{-1e12, std::numeric_limits<int32_t>::min()}, RoundCase{std::nan(""), 0}));

}  // namespace
}  // namespace velk
