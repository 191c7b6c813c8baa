#include "emulation/round_half_away.h"

#include <cmath>
#include <limits>

namespace velk {

int32_t RoundHalfAway(double x) {
  if (std::isnan(x)) return 0;
  if (x >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (x <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  const double t = std::trunc(x);
  auto result = static_cast<int64_t>(t);
  if (x >= 0 && x - t >= 0.5) ++result;
  else if (x < 0 && t - x >= 0.5) --result;
  if (result > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (result < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(result);
}

}  // namespace velk
