#include "assets/project_file.h"

#include <gtest/gtest.h>

#include <string>

#include "support/temp_folder.h"

namespace velk {
namespace {

struct LookupCase {
  const char* what;
  std::string name;
  std::string found;  // relative to the folder
};

void PrintTo(const LookupCase& c, std::ostream* os) { *os << c.what; }

class ProjectFilePathTest : public ::testing::TestWithParam<LookupCase> {};

TEST_P(ProjectFilePathTest, FindsTheFileAsAWindowsProjectNamesIt) {
  test::TempFolder folder;
  folder.Write("Gauge.PNG", "g");
  folder.Write("exact.png", "e");
  folder.Write("EXACT.png", "E");
  folder.Write("Images/Needle.png", "n");
  folder.Write("deep/Er/Dial.fon", "d");
  EXPECT_EQ(ProjectFilePath(folder.Path(), GetParam().name), folder.Path() + GetParam().found) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProjectFilePathTest,
    ::testing::Values(LookupCase{"exact name", "Gauge.PNG", "Gauge.PNG"},
                      LookupCase{"other case", "gauge.png", "Gauge.PNG"},
                      LookupCase{"the exact name wins over a case match", "EXACT.png", "EXACT.png"},
                      LookupCase{"several case matches: the first in byte order", "Exact.PNG", "EXACT.png"},
                      LookupCase{"backslash folder", "Images\\Needle.png", "Images/Needle.png"},
                      LookupCase{"backslash folder in other case", "images\\needle.PNG", "Images/Needle.png"},
                      LookupCase{"two folders in other case", "DEEP\\er\\dial.FON", "deep/Er/Dial.fon"},
                      LookupCase{"missing: the exact path, so that opening fails", "none\\x.png", "none/x.png"},
                      LookupCase{"no ASCII case match for other bytes", "GAUGE.PNG\xC3\xA9", "GAUGE.PNG\xC3\xA9"}));

TEST(ProjectFilePath, WithoutAProjectFolderLooksInTheWorkingFolder) {
  EXPECT_EQ(ProjectFilePath("", "a\\b.png"), "a/b.png");
}

}  // namespace
}  // namespace velk
