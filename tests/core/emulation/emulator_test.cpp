#include "emulation/emulator.h"

#include <gtest/gtest.h>

namespace velk {
namespace {

TEST(NextCycleTiming, FastCyclesSleepTheRestSlowOnesAdvanceByTheirTime) {
  const struct {
    uint32_t elapsed, sleep, advance;
  } cases[] = {{10, 40, 40}, {0, 50, 50}, {49, 1, 1}, {50, 0, 50}, {80, 0, 80}};
  for (const auto& c : cases) {
    const CycleTiming timing = NextCycleTiming(c.elapsed);
    EXPECT_EQ(timing.sleep_ms, c.sleep) << c.elapsed;
    EXPECT_EQ(timing.advance_ms, c.advance) << c.elapsed;
  }
}

TEST(PreviewSize, ScaledByTheZoomWithTheSideRule) {
  const struct {
    int position, width, height;
  } cases[] = {{10, 1025, 600}, {15, 2050, 1200}, {0, 512, 300}, {13, 1464, 857}, {5, 683, 400}};
  for (const auto& c : cases) {
    const PreviewSize size = PreviewSizeFor(ZoomDivisor(c.position));
    EXPECT_EQ(size.width, c.width) << c.position;
    EXPECT_EQ(size.height, c.height) << c.position;
  }
  EXPECT_EQ(PreviewSizeFor(1025.0 / 1024.0).width, 1025);  // exactly 1024 becomes 1025
}

}  // namespace
}  // namespace velk
