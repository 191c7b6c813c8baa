#include "assets/font_assets.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "model/project.h"
#include "package/package_list.h"
#include "support/font_builder.h"
#include "support/sample_font.h"
#include "support/temp_folder.h"

namespace velk {
namespace {

using Names = std::vector<std::string>;

class FontAssets : public ::testing::Test {
 protected:
  void SetUp() override {
    project->folder = folder.Path();
    ResetPackageList(*project);
  }
  size_t WriteFont(const std::string& name, const test::FontContent& content = test::SampleFont()) {
    const std::vector<uint8_t> bytes = test::BuildFont(content);
    folder.Write(name, bytes);
    return bytes.size();
  }

  test::TempFolder folder;
  std::unique_ptr<Project> project = std::make_unique<Project>();
};

TEST_F(FontAssets, LoadAddsTheNameTheSizeAndThePackageEntry) {
  const size_t size = WriteFont("Main.fon");
  const auto font = LoadFontAsset(*project, "\"main.FON\"");
  ASSERT_TRUE(font);
  EXPECT_EQ(font->FileSize(), size);
  EXPECT_EQ(font->Ranges().size(), 5u);
  EXPECT_EQ(project->fonts.names, (Names{"main.FON"}));
  EXPECT_EQ(project->device_memory, size);
  EXPECT_EQ(project->package.names, (Names{"logo.png", "scr.txt", "main.FON"}));
  EXPECT_TRUE(project->log.Lines().empty());
}

struct FontRefusal {
  const char* what;
  std::vector<uint8_t> bytes;  // empty with `write` false: no file
  bool write;
  std::string reason;
};

void PrintTo(const FontRefusal& c, std::ostream* os) { *os << c.what; }

std::vector<uint8_t> Truncated() {
  std::vector<uint8_t> bytes = test::BuildFont(test::SampleFont());
  bytes.resize(bytes.size() - 3);
  return bytes;
}

std::vector<uint8_t> TooManyRanges() {
  std::vector<uint8_t> bytes = test::BuildFont(test::SampleFont());
  test::Put32(bytes, 4, 1000);
  return bytes;
}

class FontAssetRefusal : public FontAssets, public ::testing::WithParamInterface<FontRefusal> {};

// Refused like a missing font: nothing returned (so FONT_LOAD reports it),
// no entry, nothing counted or listed, and a log line with the reason.
TEST_P(FontAssetRefusal, MakesNoEntryAndLogsTheReason) {
  const FontRefusal& c = GetParam();
  if (c.write) folder.Write("bad.fon", c.bytes);
  EXPECT_FALSE(LoadFontAsset(*project, "\"bad.fon\"")) << c.what;
  EXPECT_TRUE(project->fonts.names.empty());
  EXPECT_EQ(project->device_memory, 0u);
  EXPECT_EQ(project->package.names, (Names{"logo.png", "scr.txt"}));
  const std::vector<std::string> log = project->log.Lines();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].rfind("Font not loaded: bad.fon: ", 0), 0u) << log[0];
  EXPECT_NE(log[0].find(c.reason), std::string::npos) << log[0];
}

INSTANTIATE_TEST_SUITE_P(Cases, FontAssetRefusal,
                         ::testing::Values(FontRefusal{"missing", {}, false, "cannot be opened"},
                                           FontRefusal{"empty", {}, true, "nothing could be read"},
                                           FontRefusal{"a header only", {4, 0, 16, 0}, true, "header"},
                                           FontRefusal{"truncated", Truncated(), true, "runs past the end"},
                                           FontRefusal{"range count too large", TooManyRanges(), true,
                                                       "ranges runs past"}));

TEST_F(FontAssets, RefusesAFileTooLargeToBeAFont) {
  folder.Write("huge.fon", test::BuildFont(test::SampleFont()));
  std::filesystem::resize_file(folder.Path() + "huge.fon", kMaxFontFileBytes + 1);  // sparse: no disk needed
  EXPECT_FALSE(LoadFontAsset(*project, "huge.fon"));
  ASSERT_EQ(project->log.Size(), 1u);
  EXPECT_NE(project->log.Lines()[0].find("larger than 16 MiB"), std::string::npos) << project->log.Lines()[0];
}

TEST_F(FontAssets, RefusesTheTwentyFirstFont) {
  WriteFont("f.fon");
  for (int i = 0; i < 20; ++i) ASSERT_TRUE(LoadFontAsset(*project, "f.fon"));
  EXPECT_FALSE(LoadFontAsset(*project, "f.fon"));
  EXPECT_EQ(project->fonts.names.size(), 20u);
  EXPECT_EQ(project->package.names.size(), 22u);
  ASSERT_EQ(project->log.Size(), 1u);
  EXPECT_EQ(project->log.Lines()[0], "Font not loaded: f.fon: the font library holds 20 fonts");
}

TEST_F(FontAssets, ReplaceTakesTheNameAndAddsTheNewSize) {
  const size_t first = WriteFont("a.fon");
  test::FontContent small;
  small.ranges.push_back(test::RangeContent{32, 32, {test::SolidGlyph(1, 1, 3)}});
  const size_t second = WriteFont("b.fon", small);
  ASSERT_TRUE(LoadFontAsset(*project, "a.fon"));
  const auto font = ReplaceFontAsset(*project, "\"b.fon\"", 0);
  ASSERT_TRUE(font);
  EXPECT_EQ(font->Ranges().size(), 1u);
  EXPECT_EQ(project->fonts.names, (Names{"b.fon"}));
  EXPECT_EQ(project->device_memory, first + second);  // the replaced file's size is not taken off
  EXPECT_EQ(project->package.names, (Names{"logo.png", "scr.txt", "a.fon"}));
}

TEST_F(FontAssets, AFailedReplaceChangesNothing) {
  const size_t size = WriteFont("a.fon");
  folder.Write("bad.fon", std::vector<uint8_t>{4, 0});
  ASSERT_TRUE(LoadFontAsset(*project, "a.fon"));
  EXPECT_FALSE(ReplaceFontAsset(*project, "bad.fon", 0));
  EXPECT_FALSE(ReplaceFontAsset(*project, "a.fon", 1));  // no such entry
  EXPECT_EQ(project->fonts.names, (Names{"a.fon"}));
  EXPECT_EQ(project->device_memory, size);
  EXPECT_EQ(project->log.Size(), 2u);
}

TEST_F(FontAssets, ClearProjectForgetsTheFontsAndTheirMemory) {
  WriteFont("a.fon");
  ASSERT_TRUE(LoadFontAsset(*project, "a.fon"));
  ClearProject(*project);
  EXPECT_TRUE(project->fonts.names.empty());
  EXPECT_EQ(project->device_memory, 0u);
}

}  // namespace
}  // namespace velk
