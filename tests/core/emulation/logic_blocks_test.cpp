#include "emulation/logic_blocks.h"

#include <cmath>
#include <limits>

#include "support/logic_rig.h"

namespace velk {
namespace {

using test::LogicRig;

// One step of a timer run: the clock of the cycle, ENABLE during it, and the
// output expected after it.
struct TimerStep {
  uint32_t clock;
  uint8_t enable;
  uint8_t output;
};

struct TimerCase {
  const char* statement;
  std::vector<TimerStep> steps;
};

void PrintTo(const TimerCase& c, std::ostream* os) { *os << c.statement; }

class Timers : public testing::TestWithParam<TimerCase> {};

TEST_P(Timers, OutputAtEachClock) {
  LogicRig rig;
  rig.Load({GetParam().statement});
  for (const TimerStep& step : GetParam().steps) {
    rig.SetFlag("DI.1", step.enable);
    rig.Cycle(step.clock);
    EXPECT_EQ(rig.Flag("TIM.1"), step.output) << "clock " << step.clock;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Uses, Timers,
    testing::Values(
        // Blinker: 1 while clock <= start + HI, 0 while <= start + HI + LO, then a new period.
        TimerCase{"TIM.1=HI:1000|LO:500|ENABLE:DI.1",
                  {{0, 1, 1}, {1000, 1, 1}, {1001, 1, 0}, {1500, 1, 0}, {1501, 1, 0}, {1502, 1, 1},
                   {2501, 1, 1}, {2502, 1, 0}, {2600, 0, 0}, {2700, 1, 1}, {3700, 1, 1}, {3701, 1, 0}}},
        // Off-delay: the output holds 1 for LO after ENABLE falls; rising again keeps it.
        TimerCase{"TIM.1=HI:R|LO:500|ENABLE:DI.1",
                  {{0, 0, 0}, {100, 1, 1}, {200, 0, 1}, {600, 0, 1}, {601, 0, 0}, {700, 1, 1}, {800, 0, 1},
                   {1200, 1, 1}, {1300, 0, 1}, {1801, 0, 0}}},
        // On-delay: the output rises HI after the last cycle that saw ENABLE off; a
        // shorter pulse never raises it.
        TimerCase{"TIM.1=HI:500|LO:R|ENABLE:DI.1",
                  {{0, 0, 0}, {50, 0, 0}, {100, 1, 0}, {550, 1, 0}, {551, 1, 1}, {700, 0, 0}, {800, 1, 0},
                   {1200, 0, 0}, {1301, 0, 0}}},
        // Pulse stretcher: a rising edge gives at least LO of 1; otherwise the output follows ENABLE.
        TimerCase{"TIM.1=HI:0|LO:300|ENABLE:DI.1",
                  {{0, 0, 0}, {100, 1, 1}, {150, 0, 1}, {400, 0, 1}, {401, 0, 0}, {500, 1, 1}, {900, 1, 1},
                   {901, 1, 1}, {950, 1, 1}, {1000, 0, 0}}},
        // One pulse of HI on a falling edge, whatever ENABLE does meanwhile.
        TimerCase{"TIM.1=HI:300|LO:0|ENABLE:DI.1",
                  {{0, 1, 0}, {100, 1, 0}, {200, 0, 1}, {300, 1, 1}, {450, 0, 1}, {500, 0, 1}, {501, 0, 0},
                   {600, 1, 0}, {700, 1, 0}}}));

TEST(Timer, WithoutEnableDoesNothing) {
  LogicRig rig;
  rig.Load({"TIM.1=HI:100|LO:100"});
  rig.Cycle(0);
  rig.Cycle(50);
  EXPECT_EQ(rig.Flag("TIM.1"), 0);
}

TEST(Counter, OverWrapsAndLimitStops) {
  LogicRig rig;
  rig.Load({"COUNTER.1=UP:DI.1|DOWN_F:DI.2|RESET_F:DI.3|DEF:0|MIN:0|MAX:2|TYPE:OVER",
            "COUNTER.2=UP:DI.1|DOWN:DI.2|MIN:-1|MAX:1|TYPE:LIMIT|DEF:0"});
  std::vector<float> over, limit;
  for (int i = 0; i < 3; ++i) {
    rig.SetFlag("DI.1", 1);
    rig.Cycle(0);
    over.push_back(rig.Value("COUNTER.1"));
    limit.push_back(rig.Value("COUNTER.2"));
    rig.SetFlag("DI.1", 0);
    rig.Cycle(0);
  }
  EXPECT_EQ(over, (std::vector<float>{1, 2, 0}));
  EXPECT_EQ(limit, (std::vector<float>{1, 1, 1}));
  // DOWN_F counts on the falling edge; below MIN an OVER counter wraps to MAX.
  rig.SetFlag("DI.2", 1);
  rig.Cycle(0);
  EXPECT_EQ(rig.Value("COUNTER.1"), 0.0f);
  EXPECT_EQ(rig.Value("COUNTER.2"), 0.0f);  // DOWN rises here
  rig.SetFlag("DI.2", 0);
  rig.Cycle(0);
  EXPECT_EQ(rig.Value("COUNTER.1"), 2.0f);
  // RESET_F on the falling edge sets DEF.
  rig.SetFlag("DI.3", 1);
  rig.Cycle(0);
  EXPECT_EQ(rig.Value("COUNTER.1"), 2.0f);
  rig.SetFlag("DI.3", 0);
  rig.Cycle(0);
  EXPECT_EQ(rig.Value("COUNTER.1"), 0.0f);
}

TEST(Peak, HoldsTheMaximumUntilReset) {
  LogicRig rig;
  rig.Load({"PEAK.1=INPUT:ADC.1|RESET:DI.1|RESET_VALUE:-5", "PEAK.2=INPUT:ADC.1|TYPE:MIN|ENABLE:DI.2"});
  rig.SetFlag("DI.2", 1);
  const float inputs[] = {3, 7, 2};
  const float highs[] = {3, 7, 7};
  const float lows[] = {0, 0, 0};  // from its RESET_VALUE 0 only lower inputs count
  for (int i = 0; i < 3; ++i) {
    rig.SetValue("ADC.1", inputs[i]);
    rig.Cycle(0);
    EXPECT_EQ(rig.Value("PEAK.1"), highs[i]);
    EXPECT_EQ(rig.Value("PEAK.2"), lows[i]);
  }
  rig.SetValue("ADC.1", -3);
  rig.Cycle(0);
  EXPECT_EQ(rig.Value("PEAK.2"), -3.0f);
  rig.SetFlag("DI.2", 0);  // not enabled: no tracking
  rig.SetValue("ADC.1", -9);
  rig.Cycle(0);
  EXPECT_EQ(rig.Value("PEAK.2"), -3.0f);
  rig.SetFlag("DI.1", 1);  // a rising reset starts again from RESET_VALUE, then tracks
  rig.SetValue("ADC.1", -8);
  rig.Cycle(0);
  EXPECT_EQ(rig.Value("PEAK.1"), -5.0f);
}

TEST(Compare, DecimalsRoundBothSides) {
  LogicRig rig;
  rig.Load({"COMPARE.1=ADC.8>10.2|1", "COMPARE.2=ADC.8>10.2", "COMPARE.3=ADC.8=ADC.1|2", "COMPARE.4=ADC.8<ADC.1"});
  const struct {
    float adc8, adc1;
    uint8_t c1, c2, c3, c4;
  } cases[] = {
      {10.24f, 0, 0, 1, 0, 0},     // 102 > 102 is false; the reals differ
      {10.25f, 0, 1, 1, 0, 0},     // 102.5 rounds away to 103
      {-1.005f, -1.0f, 0, 0, 0, 1},  // -100.5 rounds to -101 against -100 at two decimals
      {3.14159f, 3.141f, 0, 0, 1, 0},
  };
  for (const auto& c : cases) {
    rig.SetValue("ADC.8", c.adc8);
    rig.SetValue("ADC.1", c.adc1);
    rig.Cycle(0);
    EXPECT_EQ(rig.Flag("COMPARE.1"), c.c1) << c.adc8;
    EXPECT_EQ(rig.Flag("COMPARE.2"), c.c2) << c.adc8;
    EXPECT_EQ(rig.Flag("COMPARE.3"), c.c3) << c.adc8;
    EXPECT_EQ(rig.Flag("COMPARE.4"), c.c4) << c.adc8;
  }
}

TEST(Compare, HugeAndNonFiniteValuesHaveDefinedResults) {
  LogicRig rig;
  rig.Load({"COMPARE.1=ADC.1>5|3", "CHECK_BIT.1=INPUT:ADC.1|BIT:33"});
  for (float v : {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(), 1e30f, -1e30f}) {
    rig.SetValue("ADC.1", v);
    rig.Cycle(0);
    EXPECT_LE(rig.Flag("COMPARE.1"), 1);
    EXPECT_LE(rig.Flag("CHECK_BIT.1"), 1);
  }
  rig.SetValue("ADC.1", 1e30f);
  rig.Cycle(0);
  EXPECT_EQ(rig.Flag("COMPARE.1"), 1);  // saturated, still above 5000
}

TEST(Gates, AndOrNotCheckBitCanStream) {
  LogicRig rig;
  rig.Load({"AND.1=DI.1|DI.2", "OR.1=DI.1|DI.2", "NOT.1=DI.1", "CHECK_BIT.1=INPUT:ADC.1|BIT:34",
            "CAN_STREAM.1=BIT_0:DI.1|BIT_3:DI.2|BIT_15:HI"});
  const struct {
    uint8_t di1, di2;
    float adc1;
    uint8_t and_, or_, not_, bit;
    float stream;
  } cases[] = {
      {0, 0, 4.9f, 0, 0, 1, 1, 32768},
      {1, 0, 3.0f, 0, 1, 0, 0, 32769},
      {1, 1, -4.0f, 1, 1, 0, 1, 32777},  // -4 is ...11100: bit 2 is set
  };
  for (const auto& c : cases) {
    rig.SetFlag("DI.1", c.di1);
    rig.SetFlag("DI.2", c.di2);
    rig.SetValue("ADC.1", c.adc1);
    rig.Cycle(0);
    EXPECT_EQ(rig.Flag("AND.1"), c.and_);
    EXPECT_EQ(rig.Flag("OR.1"), c.or_);
    EXPECT_EQ(rig.Flag("NOT.1"), c.not_);
    EXPECT_EQ(rig.Flag("CHECK_BIT.1"), c.bit) << c.adc1;
    EXPECT_EQ(rig.Value("CAN_STREAM.1"), c.stream);
  }
}

TEST(Convert, RisingAndFallingAxes) {
  LogicRig rig;
  rig.Load({"AXIS.1=0|10|20", "AXIS.2=0|100|150", "AXIS.3=20|10|0", "AXIS.4=1|2", "CONVERT.1=INPUT:ADC.1|AXIS_X:1|AXIS_Y:2",
            "CONVERT.2=INPUT:ADC.1|AXIS_X:3|AXIS_Y:2", "CONVERT.3=INPUT:ADC.1|AXIS_X:1|AXIS_Y:4"});
  const struct {
    float x, rising, falling;
  } cases[] = {{15, 125, 50}, {25, 150, 0}, {-5, 0, 150}, {20, 150, 0}, {0, 0, 150}, {10, 100, 100}, {5, 50, 125}};
  for (const auto& c : cases) {
    rig.SetValue("ADC.1", c.x);
    rig.Cycle(0);
    EXPECT_EQ(rig.Value("CONVERT.1"), c.rising) << c.x;
    EXPECT_EQ(rig.Value("CONVERT.2"), c.falling) << c.x;
    EXPECT_EQ(rig.Value("CONVERT.3"), 0.0f) << "lists of unequal length change nothing";
  }
}

TEST(Filter, RisesAndFallsAtItsRateWhileEnabled) {
  LogicRig rig;
  rig.Load({"FILTER.1=INPUT:ADC.1|STEP_PER_S:100|ENABLE:DI.1"});
  rig.SetFlag("DI.1", 1);
  rig.SetValue("ADC.1", 10);
  rig.Cycle(1000);  // first enabled cycle: jumps to the input
  EXPECT_EQ(rig.Value("FILTER.1"), 10.0f);
  rig.SetValue("ADC.1", 50);
  rig.Cycle(1100);  // 100 ms at 0.1 per ms
  EXPECT_FLOAT_EQ(rig.Value("FILTER.1"), 20.0f);
  rig.Cycle(2000);  // would pass the input: stops at it
  EXPECT_EQ(rig.Value("FILTER.1"), 50.0f);
  rig.SetValue("ADC.1", 0);
  rig.Cycle(2050);
  EXPECT_FLOAT_EQ(rig.Value("FILTER.1"), 45.0f);
  rig.SetFlag("DI.1", 0);
  rig.Cycle(3000);
  EXPECT_FLOAT_EQ(rig.Value("FILTER.1"), 45.0f);  // frozen
}

TEST(Memory, SamplesOnItsEdgeAfterTheDelay) {
  LogicRig rig;
  rig.Load({"MEMORY.1=WRITE:DI.1|INPUT:ADC.1|DELAY:1000", "MEMORY.2=WRITE_F:DI.1|INPUT:7.5"});
  rig.SetValue("ADC.1", 3);
  rig.SetFlag("DI.1", 1);
  rig.Cycle(500);  // a rising edge before the delay is only tracked
  EXPECT_EQ(rig.Value("MEMORY.1"), 0.0f);
  rig.SetFlag("DI.1", 0);
  rig.Cycle(600);
  EXPECT_EQ(rig.Value("MEMORY.2"), 7.5f);  // falling edge, no delay
  rig.SetFlag("DI.1", 1);
  rig.Cycle(1000);
  EXPECT_EQ(rig.Value("MEMORY.1"), 3.0f);
  rig.SetValue("ADC.1", 4);
  rig.Cycle(1100);  // no edge: the sample holds
  EXPECT_EQ(rig.Value("MEMORY.1"), 3.0f);
}

TEST(Math, EvaluatesInListOrder) {
  LogicRig rig;
  // MATH.1 reads MATH.2 before MATH.2 is computed this cycle: it sees last cycle's value.
  rig.Load({"MATH.1=MATH.2+1", "MATH.2=ADC.1*2"});
  rig.SetValue("ADC.1", 5);
  rig.Cycle(0);
  EXPECT_EQ(rig.Value("MATH.1"), 1.0f);
  EXPECT_EQ(rig.Value("MATH.2"), 10.0f);
  rig.Cycle(50);
  EXPECT_EQ(rig.Value("MATH.1"), 11.0f);
}

}  // namespace
}  // namespace velk
