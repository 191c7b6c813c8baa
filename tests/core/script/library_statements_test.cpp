#include <gtest/gtest.h>

#include <memory>

#include "model/project.h"
#include "script/parse_statement.h"
#include "support/png_writer.h"
#include "support/sample_font.h"
#include "support/temp_folder.h"

namespace velk {
namespace {

class RecordingNotifier : public Notifier {
 public:
  void Inform(std::string_view text) override { messages.emplace_back(text); }
  std::vector<std::string> messages;
};

class LibraryStatements : public testing::Test {
 protected:
  void SetUp() override {
    project->folder = folder.Path();
    project->notifier = &notifier;
    ASSERT_TRUE(test::WriteRgbaPng(folder.Path("dot.png"), 2, 1, {0xFF0000FF, 0x80FFFFFF}));
    folder.Write("small.fon", test::BuildFont(test::SampleFont()));
  }
  int Parse(const std::string& statement) { return ParseStatement(*project, statement); }

  test::TempFolder folder;
  RecordingNotifier notifier;
  std::unique_ptr<Project> project = std::make_unique<Project>();
};

TEST_F(LibraryStatements, ImageLoadFillsItsSlotOrLeavesItEmpty) {
  EXPECT_EQ(Parse("IMAGE_LOAD.3=\"dot.png\""), 0);
  ASSERT_NE(project->images.slots[2], nullptr);
  EXPECT_EQ(project->images.slots[2], project->images.entries[0].device);
  // A file that is not there is accepted and leaves the slot empty.
  EXPECT_EQ(Parse("IMAGE_LOAD.1=\"absent.png\""), 0);
  EXPECT_EQ(project->images.slots[0], nullptr);
  EXPECT_EQ(project->images.entries.size(), 2u);
  EXPECT_EQ(Parse("IMAGE_LOAD.101=\"dot.png\""), 1);
  EXPECT_EQ(project->parser_message, "IMAGE_LOAD has 100 instances");
  EXPECT_EQ(project->images.entries.size(), 2u);
  EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(LibraryStatements, FontLoadRejectsAMissingFontWithItsMessage) {
  EXPECT_EQ(Parse("FONT_LOAD.2=\"small.fon\""), 0);
  ASSERT_NE(project->fonts.slots[1], nullptr);
  EXPECT_EQ(project->fonts.names, (std::vector<std::string>{"small.fon"}));
  EXPECT_EQ(Parse("FONT_LOAD.1=\"absent.fon\""), 1);
  EXPECT_EQ(notifier.messages, (std::vector<std::string>{"Не найден шрифт:   \"absent.fon\""}));
  EXPECT_EQ(Parse("FONT_LOAD.21=\"small.fon\""), 1);
  EXPECT_EQ(project->parser_message, "FONT_LOAD has 20 instances");
}

TEST_F(LibraryStatements, FontLoadBeyondTwentyFontsIsRefused) {
  for (int n = 1; n <= 20; ++n) ASSERT_EQ(Parse("FONT_LOAD." + std::to_string(n) + "=small.fon"), 0) << n;
  EXPECT_EQ(Parse("FONT_LOAD.1=small.fon"), 1);
  EXPECT_EQ(project->fonts.names.size(), 20u);
  EXPECT_EQ(notifier.messages.size(), 1u);
}

}  // namespace
}  // namespace velk
