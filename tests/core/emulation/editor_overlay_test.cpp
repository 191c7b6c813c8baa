#include "emulation/editor_overlay.h"

#include <gtest/gtest.h>

#include <set>

namespace velk {
namespace {

TEST(DrawGrid, FortyDrawsTwentySixVerticalAndFifteenHorizontalLines) {
  FrameBuffer frame;
  DrawGrid(frame, 40);
  std::set<int> columns, rows;
  for (int x = 0; x < kScreenWidth; ++x)
    if (frame.Pixel(x, 1) == 0xFF808080u) columns.insert(x);
  for (int y = 0; y < kScreenHeight; ++y)
    if (frame.Pixel(1, y) == 0xFF808080u) rows.insert(y);
  EXPECT_EQ(columns.size(), 26u);
  EXPECT_EQ(rows.size(), 15u);
  EXPECT_EQ(*columns.begin(), 0);
  EXPECT_EQ(*columns.rbegin(), 1000);
  EXPECT_EQ(*rows.rbegin(), 560);
  EXPECT_EQ(frame.Pixel(1024, 0), 0xFF000000u);  // the extra column is never drawn
  EXPECT_EQ(frame.Pixel(3, 3), 0xFF000000u);
}

TEST(DrawGrid, OtherChoicesDrawNothing) {
  FrameBuffer frame;
  DrawGrid(frame, 0);
  DrawGrid(frame, 30);
  for (int y = 0; y < kScreenHeight; y += 7)
    for (int x = 0; x < kScreenWidth; x += 7) ASSERT_EQ(frame.Pixel(x, y), 0xFF000000u);
}

TEST(DrawOutline, TwoPixelPenAroundTheRectangleClippedAtTheScreen) {
  FrameBuffer frame;
  DrawOutline(frame, 10, 20, 30, 25, 2, kSelectionBlue);
  const uint32_t blue = 0xFF0000FFu;
  EXPECT_EQ(frame.Pixel(10, 19), blue);
  EXPECT_EQ(frame.Pixel(9, 21), blue);
  EXPECT_EQ(frame.Pixel(10, 20), blue);
  EXPECT_EQ(frame.Pixel(29, 24), blue);
  EXPECT_EQ(frame.Pixel(30, 25), 0xFF000000u);  // the end point of the last line is left out
  EXPECT_EQ(frame.Pixel(20, 22), 0xFF000000u);  // inside stays
  EXPECT_EQ(frame.Pixel(11, 22), 0xFF000000u);
  DrawOutline(frame, -5, -5, 2000, 2000, 2, kGroupGreen);
  EXPECT_EQ(frame.Pixel(0, 300), 0xFF000000u);  // the left edge lies off the screen
}

TEST(DrawPenLine, ThreePixelCross) {
  FrameBuffer frame;
  DrawPenLine(frame, 50, 40, 50, 60, 3, kSelectionBlue);
  EXPECT_EQ(frame.Pixel(49, 45), 0xFF0000FFu);
  EXPECT_EQ(frame.Pixel(51, 45), 0xFF0000FFu);
  EXPECT_EQ(frame.Pixel(52, 45), 0xFF000000u);
  EXPECT_EQ(frame.Pixel(50, 60), 0xFF000000u);
}

}  // namespace
}  // namespace velk
