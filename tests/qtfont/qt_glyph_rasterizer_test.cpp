#include "qtfont/qt_glyph_rasterizer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>

#include "assets/device_text.h"
#include "assets/font_assets.h"
#include "assets/font_generator.h"
#include "model/project.h"
#include "package/package_list.h"
#include "qtfont/workstation_fonts.h"
#include "support/dejavu_font.h"
#include "support/temp_folder.h"

namespace velk {
namespace {

struct InkRows {
  int left = -1, top = -1, right = -1, bottom = -1;
};

InkRows InkOf(const GreyPicture& picture) {
  InkRows ink;
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) {
      if (picture.At(x, y) == 0) continue;
      if (ink.top < 0) ink = {x, y, x, y};
      ink.left = std::min(ink.left, x);
      ink.right = std::max(ink.right, x);
      ink.bottom = y;
    }
  return ink;
}

class DejaVu : public ::testing::Test {
 protected:
  void SetUp() override {
    VELK_SKIP_WITHOUT_DEJAVU();
    font = FontFromFile(test::kDejaVuSans);
    ASSERT_TRUE(font) << "Qt reads no font from " << test::kDejaVuSans;
    rasterizer = std::make_unique<QtGlyphRasterizer>(*font);
  }

  std::optional<QFont> font;
  std::unique_ptr<QtGlyphRasterizer> rasterizer;
};

TEST_F(DejaVu, TheFontFileNamesItsFamily) {
  EXPECT_EQ(font->family().toStdString(), "DejaVu Sans");
  EXPECT_FALSE(InstalledFont("No Such Family Anywhere"));
  EXPECT_FALSE(FontFromFile(QString(test::kDejaVuSans) + ".missing"));
}

TEST_F(DejaVu, TheCellIsAsTallAsAsked) {
  // The bar reaches the font's full descent: drawn into a picture twice the
  // cell's height, it ends on the cell's last row, give or take the one row
  // that whole pixel sizes and anti-aliasing make, and never further down.
  for (const int cell : {10, 20, 40, 160, 400}) {
    GreyPicture picture(cell, 2 * cell);
    rasterizer->Draw(U'|', cell, 0, picture);
    const InkRows ink = InkOf(picture);
    EXPECT_LE(ink.bottom, cell) << "cell " << cell;
    EXPECT_GE(ink.bottom, cell - 2) << "cell " << cell;
  }
}

TEST_F(DejaVu, MeasuresAndDrawsAtTheCellAndThePen) {
  const int narrow = rasterizer->TextWidth(U'i', 40);
  const int wide = rasterizer->TextWidth(U'W', 40);
  EXPECT_GT(narrow, 0);
  EXPECT_GT(wide, 2 * narrow);
  // Hinting rounds a small glyph's advance: within 2 pixels of 40 at 160.
  EXPECT_NEAR(rasterizer->TextWidth(U'W', 160), 4 * wide, 8);

  // The same glyph 20 columns further right is the same picture shifted.
  GreyPicture near(80, 20), far(80, 20);
  rasterizer->Draw(U'o', 20, 3, near);
  rasterizer->Draw(U'o', 20, 23, far);
  const InkRows ink = InkOf(near);
  ASSERT_GE(ink.top, 0);
  bool grey = false;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 60; ++x) {
      ASSERT_EQ(near.At(x, y), far.At(x + 20, y)) << x << ", " << y;
      grey = grey || (near.At(x, y) > 0 && near.At(x, y) < 255);
    }
  EXPECT_TRUE(grey) << "the rendering is anti-aliased in grey levels";
}

class GeneratedDejaVu : public DejaVu {
 protected:
  std::shared_ptr<const DeviceFont> Generate(const FontGeneratorSettings& settings) {
    GeneratedFont generated;
    std::string reason;
    EXPECT_TRUE(GenerateFont(*rasterizer, settings, generated, reason)) << reason;
    folder.Write("dejavu.fon", generated.bytes);
    project->folder = folder.Path();
    ResetPackageList(*project);
    auto loaded = LoadFontAsset(*project, "dejavu.fon");
    EXPECT_TRUE(project->log.Lines().empty()) << project->log.Lines().front();
    return loaded;
  }

  test::TempFolder folder;
  std::unique_ptr<Project> project = std::make_unique<Project>();
};

// The ink a text leaves on a black frame.
InkRows InkOf(const FrameBuffer& frame) {
  InkRows ink;
  for (int y = 0; y < kScreenHeight; ++y)
    for (int x = 0; x < kScreenWidth; ++x) {
      if (frame.Pixel(x, y) == 0xFF000000u) continue;
      if (ink.top < 0) ink = {x, y, x, y};
      ink.left = std::min(ink.left, x);
      ink.right = std::max(ink.right, x);
      ink.bottom = y;
    }
  return ink;
}

TEST_F(GeneratedDejaVu, AllAt40PointsReadsBackAndDraws) {
  const auto generated = Generate(FontGeneratorSettings{40, 4, FontCharacterSet::kAll});
  ASSERT_TRUE(generated);
  EXPECT_EQ(generated->Size(), 40);
  ASSERT_EQ(generated->Ranges().size(), 2u);
  EXPECT_EQ(generated->Ranges()[0].first, 32);
  EXPECT_EQ(generated->Ranges()[0].last, 126);
  EXPECT_EQ(generated->Ranges()[1].first, 1040);
  EXPECT_EQ(generated->Ranges()[1].last, 1103);

  // A line of Latin and Cyrillic text inks its line box, 40 pixels high,
  // from the pen to about its measured width.
  const std::string text = "Velk 7 \xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82";  // "Velk 7 Привет"
  const int64_t width = DeviceTextWidth(text, *generated);
  EXPECT_GT(width, 200);
  EXPECT_LT(width, 400);
  auto frame = std::make_unique<FrameBuffer>();
  DrawDeviceText(*frame, text, 100, 200, 0xFFFFFFFF, *generated);
  const InkRows ink = InkOf(*frame);
  EXPECT_GE(ink.left, 98);
  EXPECT_LE(ink.left, 104);
  EXPECT_GE(ink.right, 100 + width - 6);
  EXPECT_LE(ink.right, 100 + width + 2);
  EXPECT_GE(ink.top, 200);
  EXPECT_LE(ink.bottom, 240);
  // From the top of "lk" to the bottom of "р" the text fills most of the line.
  EXPECT_GE(ink.bottom - ink.top, 30);
  // Digits are tabular in the device's drawing.
  EXPECT_EQ(DeviceTextWidth("11", *generated), DeviceTextWidth("00", *generated));
}

TEST_F(GeneratedDejaVu, NumbersDrawOnlyTheirCharacters) {
  const auto generated = Generate(FontGeneratorSettings{24, 2, FontCharacterSet::kNumbers});
  ASSERT_TRUE(generated);
  ASSERT_EQ(generated->Ranges().size(), 1u);
  EXPECT_EQ(generated->Ranges()[0].first, 43);
  EXPECT_EQ(generated->Ranges()[0].last, 59);
  auto frame = std::make_unique<FrameBuffer>();
  DrawDeviceText(*frame, "Ab", 10, 10, 0xFFFFFFFF, *generated);
  EXPECT_EQ(InkOf(*frame).top, -1);
  EXPECT_EQ(DeviceTextWidth("Ab", *generated), 0);
  DrawDeviceText(*frame, "12:30", 10, 10, 0xFFFFFFFF, *generated);
  EXPECT_GE(InkOf(*frame).top, 10);
}

}  // namespace
}  // namespace velk
