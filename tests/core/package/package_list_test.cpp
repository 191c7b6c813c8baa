#include "package/package_list.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/project.h"
#include "script/open_project.h"
#include "support/temp_folder.h"

namespace velk {
namespace {

using Names = std::vector<std::string>;

TEST(PackageList, ResetStartsWithTheLogoAndTheScript) {
  auto project = std::make_unique<Project>();
  project->package.names = {"old.png"};
  project->package.refused = true;
  ResetPackageList(*project);
  EXPECT_EQ(project->package.names, (Names{"logo.png", "scr.txt"}));
  EXPECT_FALSE(project->package.refused);
}

struct AddCase {
  const char* what;
  std::string name;
  std::string listed;
};

void PrintTo(const AddCase& c, std::ostream* os) { *os << c.what; }

class AddPackageFileTest : public ::testing::TestWithParam<AddCase> {};

TEST_P(AddPackageFileTest, ListsTheNameWithoutItsQuotes) {
  auto project = std::make_unique<Project>();
  ResetPackageList(*project);
  EXPECT_TRUE(AddPackageFile(*project, GetParam().name)) << GetParam().what;
  EXPECT_EQ(project->package.names, (Names{"logo.png", "scr.txt", GetParam().listed})) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AddPackageFileTest,
    ::testing::Values(AddCase{"plain", "gauge.png", "gauge.png"}, AddCase{"quoted", "\"gauge.png\"", "gauge.png"},
                      AddCase{"in a subfolder", "\"img\\gauge.png\"", "img\\gauge.png"},
                      AddCase{"a quote on one side only stays", "\"gauge.png", "\"gauge.png"},
                      AddCase{"a lone quote stays", "\"", "\""},
                      AddCase{"131 characters", std::string(131, 'a'), std::string(131, 'a')},
                      AddCase{"131 characters between quotes", "\"" + std::string(131, 'b') + "\"",
                              std::string(131, 'b')}));

TEST(PackageList, KeepsDuplicatesInOrder) {
  auto project = std::make_unique<Project>();
  ResetPackageList(*project);
  AddPackageFile(*project, "a.png");
  AddPackageFile(*project, "b.fon");
  AddPackageFile(*project, "\"a.png\"");
  EXPECT_EQ(project->package.names, (Names{"logo.png", "scr.txt", "a.png", "b.fon", "a.png"}));
}

TEST(PackageList, RefusesANameLongerThan131Characters) {
  auto project = std::make_unique<Project>();
  ResetPackageList(*project);
  const std::string name(132, 'c');
  EXPECT_FALSE(AddPackageFile(*project, name));
  EXPECT_EQ(project->package.names.size(), 2u);
  EXPECT_TRUE(project->package.refused);
  const std::vector<std::string> log = project->log.Lines();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_NE(log[0].find(name), std::string::npos) << log[0];
}

TEST(PackageList, RefusesThe101stName) {
  auto project = std::make_unique<Project>();
  ResetPackageList(*project);
  for (int i = 0; i < 98; ++i) ASSERT_TRUE(AddPackageFile(*project, "f" + std::to_string(i) + ".png"));
  EXPECT_EQ(project->package.names.size(), 100u);
  EXPECT_FALSE(project->package.refused);
  EXPECT_FALSE(AddPackageFile(*project, "one_too_many.png"));
  EXPECT_EQ(project->package.names.size(), 100u);
  EXPECT_EQ(project->package.names.back(), "f97.png");
  EXPECT_TRUE(project->package.refused);
  ASSERT_EQ(project->log.Size(), 1u);
  EXPECT_NE(project->log.Lines()[0].find("one_too_many.png"), std::string::npos);
}

TEST(PackageList, OpenStartsTheListAfresh) {
  test::TempFolder folder;
  const std::string script = folder.Write("scr.txt", "//Ver.1.01;\nGREND;\nEND;\n");
  auto project = std::make_unique<Project>();
  ResetPackageList(*project);
  AddPackageFile(*project, "from_the_last_project.png");
  OpenProject(*project, script);
  EXPECT_EQ(project->package.names, (Names{"logo.png", "scr.txt"}));
}

}  // namespace
}  // namespace velk
