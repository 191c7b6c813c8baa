#include "emulation/led_colours.h"

#include "support/logic_rig.h"

namespace velk {
namespace {

TEST(LedColours, EnabledEntriesOrTheirPartsIntoTheirLed) {
  test::LogicRig rig;
  rig.Load({"LED.1=RED:0x12|ENABLE:DI.1", "LED.1=BLUE:0x34|GREEN:ADC.1", "LED.2=COLOR:0x00FF00",
            "LED.3=ENABLE:DI.2|RED:255", "LED.4=COLOR:ADC.2", "LED.5=RED:300"});
  rig.SetFlag("DI.1", 1);
  rig.SetValue("ADC.1", 0x56 + 256);  // referenced parts are masked to 8 bits
  rig.SetValue("ADC.2", 0x123456);
  const std::array<uint32_t, kLedCount> colours = LedColours(*rig.project);
  EXPECT_EQ(colours[0], 0x125634u);
  EXPECT_EQ(colours[1], 0xFF0000u);  // COLOR shifted left by 8 and cut to 24 bits
  EXPECT_EQ(colours[2], 0u);         // ENABLE off: black
  EXPECT_EQ(colours[3], 0x345600u);
  EXPECT_EQ(colours[4], 0x2C0000u);  // the RED constant is kept in 8 bits
  EXPECT_EQ(colours[9], 0u);
}

TEST(LedColours, TheDefaultColourContributesNothing) {
  test::LogicRig rig;
  rig.Load({"LED.1=ENABLE:HI"});
  EXPECT_EQ(LedColours(*rig.project)[0], 0u);
}

}  // namespace
}  // namespace velk
