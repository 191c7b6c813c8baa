#include "assets/image_assets.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "emulation/device_image.h"
#include "emulation/draw_image.h"
#include "model/project.h"
#include "package/package_list.h"
#include "support/frames.h"
#include "support/png_writer.h"
#include "support/temp_folder.h"

namespace velk {
namespace {

using Names = std::vector<std::string>;

class ImageAssets : public ::testing::Test {
 protected:
  void SetUp() override {
    project->folder = folder.Path();
    ResetPackageList(*project);
  }
  // An RGBA picture of pixels 0xRRGGBBAA in the project folder.
  void Png(const std::string& name, int width, int height, std::vector<uint32_t> pixels = {}) {
    if (pixels.empty()) pixels.assign(static_cast<size_t>(width * height), 0x102030FF);
    folder.Write(name, "");  // makes the folders
    ASSERT_TRUE(test::WriteRgbaPng(folder.Path() + name, width, height, pixels));
  }
  std::vector<std::string> Log() const { return project->log.Lines(); }

  test::TempFolder folder;
  std::unique_ptr<Project> project = std::make_unique<Project>();
};

TEST_F(ImageAssets, LoadMakesTheEntryTheDeviceImageAndTheTotals) {
  Png("gauge.png", 2, 2, {0x11223344, 0xFFFFFFFF, 0xAABBCC00, 0x01020380});
  const auto image = LoadImageAsset(*project, "gauge.png");
  ASSERT_TRUE(image);
  ASSERT_EQ(image->size, 5u);
  EXPECT_EQ(image->words[0], (2u << 10 | 5u) | 2u << 21);
  // Colour words A << 24 | B << 16 | G << 8 | R.
  EXPECT_EQ(image->words[1], 0x44332211u);
  EXPECT_EQ(image->words[2], 0xFFFFFFFFu);
  EXPECT_EQ(image->words[3], 0x00CCBBAAu);
  EXPECT_EQ(image->words[4], 0x80030201u);

  ASSERT_EQ(project->images.entries.size(), 1u);
  const ImageEntry& entry = project->images.entries[0];
  EXPECT_EQ(entry.file_name, "gauge.png");
  EXPECT_EQ(entry.device, image);
  EXPECT_EQ(entry.picture.width, 2);
  EXPECT_EQ(entry.picture.rgb, (std::vector<uint8_t>{0x11, 0x22, 0x33, 0xFF, 0xFF, 0xFF, 0xAA, 0xBB, 0xCC, 1, 2, 3}));
  EXPECT_EQ(entry.picture.alpha, (std::vector<uint8_t>{0x44, 0xFF, 0x00, 0x80}));
  EXPECT_EQ(entry.preview.width, 2);
  EXPECT_EQ(entry.preview.height, 2);
  EXPECT_EQ(project->device_memory, 16u);  // the header word is not counted
  EXPECT_EQ(project->package.names, (Names{"logo.png", "scr.txt", "gauge.png"}));
  EXPECT_TRUE(Log().empty());
}

TEST_F(ImageAssets, QuotedAndUnquotedNamesLoadTheSameFile) {
  Png("dial.png", 3, 1);
  ASSERT_TRUE(LoadImageAsset(*project, "\"dial.png\""));
  ASSERT_TRUE(LoadImageAsset(*project, "dial.png"));
  ASSERT_EQ(project->images.entries.size(), 2u);
  EXPECT_EQ(project->images.entries[0].file_name, "dial.png");
  EXPECT_EQ(project->images.entries[1].file_name, "dial.png");
  EXPECT_EQ(project->device_memory, 24u);
  EXPECT_EQ(project->package.names, (Names{"logo.png", "scr.txt", "dial.png", "dial.png"}));
}

TEST_F(ImageAssets, FindsAWindowsNameInOtherCase) {
  Png("img/Needle.PNG", 1, 1);
  ASSERT_TRUE(LoadImageAsset(*project, "\"IMG\\needle.png\""));
  EXPECT_EQ(project->images.entries[0].file_name, "IMG\\needle.png");  // as the script writes it
  EXPECT_EQ(project->package.names.back(), "IMG\\needle.png");
}

TEST_F(ImageAssets, FullyTransparentPixelsAreNeverDrawn) {
  Png("hole.png", 2, 1, {0xFFFFFF00, 0x00FF00FF});
  const auto image = LoadImageAsset(*project, "hole.png");
  ASSERT_TRUE(image);
  EXPECT_LT(image->words[1], 0x01000000u);
  auto frame = std::make_unique<FrameBuffer>();
  DrawImage(*frame, 0, 0, image.get());
  EXPECT_EQ(frame->Pixel(0, 0), 0xFF000000u);
  EXPECT_EQ(frame->Pixel(1, 0), 0xFF00FF00u);
}

struct RefusalCase {
  const char* what;
  std::string file;       // written into the folder, "" for none
  std::string contents;   // "" with a file: a PNG of the given size
  int width, height;
  std::string reason;     // a word of the log line
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.what; }

class ImageAssetRefusal : public ImageAssets, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(ImageAssetRefusal, KeepsAnEntryWithoutPictureAndLogsTheFileAndTheReason) {
  const RefusalCase& c = GetParam();
  if (!c.file.empty() && c.contents.empty()) Png(c.file, c.width, c.height);
  if (!c.file.empty() && !c.contents.empty()) folder.Write(c.file, c.contents);
  EXPECT_FALSE(LoadImageAsset(*project, "\"picture.png\""));
  ASSERT_EQ(project->images.entries.size(), 1u);  // a save still writes its IMAGE_LOAD
  EXPECT_EQ(project->images.entries[0].file_name, "picture.png");
  EXPECT_EQ(project->images.entries[0].device, nullptr);
  EXPECT_EQ(project->images.entries[0].picture.width, 0);
  EXPECT_EQ(project->device_memory, 0u);
  EXPECT_EQ(project->package.names, (Names{"logo.png", "scr.txt", "picture.png"}));
  const std::vector<std::string> log = Log();
  ASSERT_EQ(log.size(), 1u) << c.what;
  EXPECT_NE(log[0].find("picture.png"), std::string::npos) << log[0];
  EXPECT_NE(log[0].find(c.reason), std::string::npos) << log[0];
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImageAssetRefusal,
    ::testing::Values(RefusalCase{"missing file", "", "", 0, 0, "cannot be opened"},
                      RefusalCase{"not a PNG", "picture.png", "GIF89a and not a PNG", 0, 0, "Not a PNG file"},
                      RefusalCase{"shorter than a signature", "picture.png", "\x89PNG", 0, 0, "ends early"},
                      RefusalCase{"wider than the header holds", "picture.png", "", 2048, 1, "2047"},
                      RefusalCase{"higher than the header holds", "picture.png", "", 1, 2048, "2047"}));

// The library holds 100 images; the package list, with the logo and the
// script, holds 98 of their names, so the last two images are loaded but
// not listed.
TEST_F(ImageAssets, RefusesTheHundredAndFirstImage) {
  Png("dot.png", 1, 1);
  for (int i = 0; i < 100; ++i) ASSERT_TRUE(LoadImageAsset(*project, "dot.png"));
  EXPECT_FALSE(LoadImageAsset(*project, "dot.png"));
  EXPECT_EQ(project->images.entries.size(), 100u);
  EXPECT_EQ(project->device_memory, 400u);
  EXPECT_EQ(project->package.names.size(), 100u);
  EXPECT_TRUE(project->package.refused);
  const std::vector<std::string> log = Log();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_NE(log[0].find("not listed"), std::string::npos) << log[0];
  EXPECT_NE(log[1].find("not listed"), std::string::npos) << log[1];
  EXPECT_EQ(log[2], "Image not loaded: dot.png: the image library holds 100 images");
}

TEST_F(ImageAssets, ASecondProjectCountsItsOwnMemoryOnly) {
  Png("big.png", 10, 10);
  Png("small.png", 2, 3);
  ASSERT_TRUE(LoadImageAsset(*project, "big.png"));
  EXPECT_EQ(project->device_memory, 400u);
  ClearProject(*project);
  EXPECT_EQ(project->device_memory, 0u);
  EXPECT_TRUE(project->images.entries.empty());
  ASSERT_TRUE(LoadImageAsset(*project, "small.png"));
  EXPECT_EQ(project->device_memory, 24u);
}

TEST_F(ImageAssets, ReplaceKeepsTheEntryNumberTheTotalAndThePackageList) {
  Png("a.png", 2, 2);
  Png("b.png", 1, 1);
  Png("c.png", 3, 1, {0xFF0000FF, 0x00FF00FF, 0x0000FFFF});
  ASSERT_TRUE(LoadImageAsset(*project, "a.png"));
  ASSERT_TRUE(LoadImageAsset(*project, "b.png"));
  const auto replaced = ReplaceImageAsset(*project, "\"c.png\"", 0);
  ASSERT_TRUE(replaced);
  EXPECT_EQ(replaced->words[0], (3u << 10 | 5u) | 1u << 21);
  EXPECT_EQ(replaced->words[2], 0xFF00FF00u);
  ASSERT_EQ(project->images.entries.size(), 2u);
  EXPECT_EQ(project->images.entries[0].file_name, "c.png");
  EXPECT_EQ(project->images.entries[0].device, replaced);
  EXPECT_EQ(project->images.entries[0].picture.width, 3);
  EXPECT_EQ(project->images.entries[0].preview.width, 3);
  EXPECT_EQ(project->images.entries[1].file_name, "b.png");
  EXPECT_EQ(project->device_memory, 20u);
  EXPECT_EQ(project->package.names, (Names{"logo.png", "scr.txt", "a.png", "b.png"}));
}

TEST_F(ImageAssets, AFailedReplaceLeavesTheEntryAsItWas) {
  Png("a.png", 2, 2);
  const auto image = LoadImageAsset(*project, "a.png");
  ASSERT_TRUE(image);
  EXPECT_FALSE(ReplaceImageAsset(*project, "missing.png", 0));
  EXPECT_FALSE(ReplaceImageAsset(*project, "a.png", 1));  // no such entry
  EXPECT_EQ(project->images.entries[0].file_name, "a.png");
  EXPECT_EQ(project->images.entries[0].device, image);
  EXPECT_EQ(project->log.Size(), 2u);
}

TEST(ConvertToDeviceImage, RefusesWhatDoesNotFit) {
  Picture picture;
  picture.width = 2;
  picture.height = 1;
  picture.rgb = {1, 2, 3, 4, 5, 6};
  picture.alpha = {7, 8};
  std::vector<uint32_t> words(3, 0);
  ASSERT_TRUE(ConvertToDeviceImage(picture, words));
  EXPECT_EQ(words, (std::vector<uint32_t>{(2u << 10 | 5u) | 1u << 21, 0x07030201u, 0x08060504u}));
  std::vector<uint32_t> small(2, 0);
  EXPECT_FALSE(ConvertToDeviceImage(picture, small));
  picture.alpha.pop_back();
  EXPECT_FALSE(ConvertToDeviceImage(picture, words));
  Picture wide;
  wide.width = 2048;
  wide.height = 1;
  wide.rgb.assign(2048 * 3, 0);
  wide.alpha.assign(2048, 0);
  std::vector<uint32_t> room(2049, 0);
  EXPECT_FALSE(ConvertToDeviceImage(wide, room));
}

std::string SuiteFolder() { return std::string(VELK_SHARED_TESTDATA) + "/png/"; }

// Every PngSuite file through the loader: the valid ones load with their
// size, every corrupt one is refused with a log line naming it.
TEST(ImageAssetsPngSuite, LoadsTheValidAndRefusesTheCorruptFiles) {
  if (!std::filesystem::is_directory(SuiteFolder())) GTEST_SKIP() << "PngSuite images not found in " << SuiteFolder();
  auto project = std::make_unique<Project>();
  project->folder = SuiteFolder();
  int valid = 0, corrupt = 0;
  uint32_t memory = 0;
  for (const auto& file : std::filesystem::directory_iterator(SuiteFolder())) {
    const std::string name = file.path().filename().string();
    if (file.path().extension() != ".png") continue;
    const size_t lines = project->log.Size();
    const auto image = LoadImageAsset(*project, name);
    if (name[0] == 'x') {
      ++corrupt;
      EXPECT_FALSE(image) << name;
      const std::vector<std::string> log = project->log.Lines(lines);
      ASSERT_EQ(log.size(), 1u) << name;
      EXPECT_EQ(log[0].rfind("Image not loaded: " + name + ": ", 0), 0u) << log[0];
      EXPECT_GT(log[0].size(), ("Image not loaded: " + name + ": ").size()) << log[0];
    } else {
      ++valid;
      ASSERT_TRUE(image) << name << ": " << project->log.Lines(lines).at(0);
      const int side = name == "s01n3p01.png" ? 1 : 32;
      EXPECT_EQ(HeaderWidth(image->words[0]), side) << name;
      EXPECT_EQ(HeaderHeight(image->words[0]), side) << name;
      memory += static_cast<uint32_t>(side * side * 4);
    }
  }
  EXPECT_EQ(valid, 26);
  EXPECT_EQ(corrupt, 14);
  // The corrupt files keep entries without device images; only the valid ones count.
  EXPECT_EQ(project->images.entries.size(), 40u);
  EXPECT_EQ(project->device_memory, memory);
}

}  // namespace
}  // namespace velk
