#include "script/save_project.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <iterator>
#include <memory>

#include "model/project.h"
#include "script/open_project.h"
#include "support/temp_folder.h"

namespace velk {
namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(WriteLinesAtomically, WritesCrLfAndKeepsTheModeOfTheFileItReplaces) {
  test::TempFolder folder;
  const std::string path = folder.Write("scr.txt", "old");
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  std::string error;
  ASSERT_TRUE(WriteLinesAtomically(path, {"a", "", "b"}, error)) << error;
  EXPECT_EQ(ReadAll(path), "a\r\n\r\nb\r\n");
  struct stat status {};
  ASSERT_EQ(stat(path.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0640u);
  // No temporary file is left behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(WriteLinesAtomically, FailureLeavesThePreviousFile) {
  test::TempFolder folder;
  const std::string path = folder.Write("scr.txt", "precious");
  std::string error;
  // A target inside a folder that does not exist cannot be written.
  EXPECT_FALSE(WriteLinesAtomically(folder.Path("missing/scr.txt"), {"x"}, error));
  EXPECT_NE(error.find("missing/scr.txt"), std::string::npos);
  // A target that is a folder cannot be replaced; the temporary file goes again.
  std::filesystem::create_directory(folder.Path("dir"));
  EXPECT_FALSE(WriteLinesAtomically(folder.Path("dir"), {"x"}, error));
  EXPECT_EQ(ReadAll(path), "precious");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);
}

TEST(SaveProject, SnapshotTracksUnsavedChanges) {
  test::TempFolder folder;
  auto project = std::make_unique<Project>();
  ASSERT_EQ(OpenProject(*project, folder.Write("scr.txt", "RECTANGLE=W:1;\nGREND;\nEND;\n")).code, 0);
  EXPECT_FALSE(HasUnsavedChanges(*project));
  project->Page(1).elements[0].x = 9;
  EXPECT_TRUE(HasUnsavedChanges(*project));
  std::string error;
  ASSERT_TRUE(SaveProject(*project, folder.Path("scr.txt"), error)) << error;
  EXPECT_FALSE(HasUnsavedChanges(*project));
  project->logic_text.push_back("@d=DI.1;");
  EXPECT_TRUE(HasUnsavedChanges(*project));
  EXPECT_NE(ReadAll(folder.Path("scr.txt")).find("RECTANGLE=PAGE:1|ENABLE:HI|X:9|Y:0|W:1|H:0|COLOUR1:1|STYLE:SOLID;\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace velk
