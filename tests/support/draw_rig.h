#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "assets/device_font.h"
#include "emulation/draw_page.h"
#include "emulation/frame_buffer.h"
#include "model/project.h"
#include "script/parse_statement.h"
#include "script/references.h"
#include "support/font_builder.h"
#include "support/frames.h"
#include "support/sample_font.h"

namespace velk::test {

// A project whose elements come from statements, with pictures, fonts,
// colours and inputs set directly, and a frame to draw its pages into.
struct DrawRig {
  std::unique_ptr<Project> project = std::make_unique<Project>();
  std::unique_ptr<FrameBuffer> frame = std::make_unique<FrameBuffer>();

  void Add(const std::string& statement) { ASSERT_EQ(ParseStatement(*project, statement), 0) << statement; }

  // IMAGE_LOAD.n as the loader leaves it: a library entry whose picture and
  // device image hold the same colour words (0xAABBGGRR), row by row.
  void SetImage(int number, int width, int height, const std::vector<uint32_t>& words) {
    ImageEntry entry;
    entry.file_name = "image" + std::to_string(number) + ".png";
    entry.picture.width = width;
    entry.picture.height = height;
    for (uint32_t word : words) {
      entry.picture.rgb.push_back(static_cast<uint8_t>(word));
      entry.picture.rgb.push_back(static_cast<uint8_t>(word >> 8));
      entry.picture.rgb.push_back(static_cast<uint8_t>(word >> 16));
      entry.picture.alpha.push_back(static_cast<uint8_t>(word >> 24));
    }
    entry.device = MakeImage(width, height, words);
    project->images.slots[static_cast<size_t>(number - 1)] = entry.device;
    project->images.entries.push_back(std::move(entry));
  }
  // A width x height image of one colour word.
  void SetImage(int number, int width, int height, uint32_t word) {
    SetImage(number, width, height, std::vector<uint32_t>(static_cast<size_t>(width * height), word));
  }

  void SetFont(int number, const FontContent& content = SampleFont()) {
    std::string reason;
    auto font = DeviceFont::FromBytes(BuildFont(content), reason);
    ASSERT_TRUE(font) << reason;
    project->fonts.slots[static_cast<size_t>(number - 1)] = font;
  }

  // Palette entry n (1-based) as a colour word 0xAABBGGRR.
  void SetColour(int number, uint32_t word) { project->palette.colours[static_cast<size_t>(number - 1)] = word; }

  void SetValue(const std::string& name, float value) { *project->Analogue(ResolveAnalogue(*project, name)) = value; }
  void SetFlag(const std::string& name, uint8_t value) { *project->Digital(ResolveDigital(*project, name)) = value; }

  void Draw(int page = 1) { DrawPage(*frame, *project, page); }
  uint32_t Pixel(int x, int y) const { return frame->Pixel(x, y); }
};

// One pixel that a drawing must leave with a frame word.
struct PixelCheck {
  int x, y;
  uint32_t word;
};

inline void ExpectPixels(const DrawRig& rig, const std::vector<PixelCheck>& pixels) {
  for (const PixelCheck& p : pixels)
    EXPECT_EQ(rig.Pixel(p.x, p.y), p.word) << "pixel (" << p.x << ", " << p.y << ")";
}

// Frame words 0xFFRRGGBB.
inline constexpr uint32_t kBlack = 0xFF000000;
inline constexpr uint32_t kRed = 0xFFFF0000;
inline constexpr uint32_t kGreen = 0xFF00FF00;
inline constexpr uint32_t kBlue = 0xFF0000FF;
inline constexpr uint32_t kWhite = 0xFFFFFFFF;

}  // namespace velk::test
