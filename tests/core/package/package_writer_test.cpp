#include "package/package_writer.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/project.h"
#include "package/package_list.h"
#include "script/open_project.h"
#include "support/font_builder.h"
#include "support/png_writer.h"
#include "support/sample_font.h"
#include "support/temp_folder.h"

namespace velk {
namespace {

using Names = std::vector<std::string>;
using Files = std::map<std::string, std::string>;  // relative path on disk -> contents

// What one directory entry should say and carry.
struct Packed {
  std::string name;
  std::string contents;
};

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t U32(const std::string& bytes, size_t at) {
  uint32_t value = 0;
  for (size_t k = 0; k < 4; ++k) value |= uint32_t{static_cast<uint8_t>(bytes[at + k])} << (8 * k);
  return value;
}

// Checks every field of a package, with the layout spelled out here rather
// than taken from the writer's constants: the magic, the count, each entry's
// name field (zeros after the name), size and address, the contents back to
// back from the end of the directory, and nothing after the last file.
void ExpectPackage(const std::string& bytes, const std::vector<Packed>& files) {
  const size_t n = files.size();
  ASSERT_GE(bytes.size(), 12 + 140 * n);
  EXPECT_EQ(bytes.substr(0, 8), std::string("KVXFS1\0\0", 8));
  EXPECT_EQ(U32(bytes, 8), n);
  size_t position = 12 + 140 * n;
  for (size_t i = 0; i < n; ++i) {
    const size_t entry = 12 + 140 * i;
    const std::string& name = files[i].name;
    ASSERT_LE(name.size(), 131u);
    EXPECT_EQ(bytes.substr(entry, 132), name + std::string(132 - name.size(), '\0')) << "name of entry " << i;
    EXPECT_EQ(U32(bytes, entry + 132), files[i].contents.size()) << "size of entry " << i;
    EXPECT_EQ(U32(bytes, entry + 136), position + 0x450000) << "address of entry " << i;
    EXPECT_EQ(bytes.substr(position, files[i].contents.size()), files[i].contents) << "contents of entry " << i;
    position += files[i].contents.size();
  }
  EXPECT_EQ(bytes.size(), position) << "bytes after the last file";
}

// A project in `folder` whose package list holds `names`.
std::unique_ptr<Project> ProjectListing(const test::TempFolder& folder, const Names& names) {
  auto project = std::make_unique<Project>();
  project->folder = folder.Path();
  project->package.names = names;
  return project;
}

void WriteFiles(const test::TempFolder& folder, const Files& files) {
  for (const auto& [path, contents] : files) folder.Write(path, contents);
}

TEST(WritePackage, TwoFilesBeginRightAfterTheirDirectory) {
  test::TempFolder folder;
  WriteFiles(folder, {{"logo.png", "LOGO"}, {"scr.txt", "GREND;\r\nEND;\r\n"}});
  auto project = ProjectListing(folder, {});
  ResetPackageList(*project);
  std::string error;
  ASSERT_TRUE(WritePackage(*project, "scr.velk", error)) << error;
  const std::string bytes = ReadAll(folder.Path("scr.velk"));
  ExpectPackage(bytes, {{"logo.png", "LOGO"}, {"scr.txt", "GREND;\r\nEND;\r\n"}});
  ASSERT_EQ(bytes.size(), 292u + 4 + 14);
  EXPECT_EQ(U32(bytes, 12 + 136), 0x450124u);  // logo.png right after 12 + 2 x 140 bytes
  EXPECT_EQ(U32(bytes, 152 + 136), 0x450128u);  // scr.txt right after the logo's 4 bytes
}

struct WrittenCase {
  const char* what;
  Files on_disk;
  Names listed;
  std::vector<Packed> packed;
};

void PrintTo(const WrittenCase& c, std::ostream* os) { *os << c.what; }

class WrittenPackageTest : public ::testing::TestWithParam<WrittenCase> {};

TEST_P(WrittenPackageTest, CarriesEveryListedFileInListOrder) {
  test::TempFolder folder;
  WriteFiles(folder, GetParam().on_disk);
  auto project = ProjectListing(folder, GetParam().listed);
  std::string error;
  ASSERT_TRUE(WritePackage(*project, "p.velk", error)) << error;
  ExpectPackage(ReadAll(folder.Path("p.velk")), GetParam().packed);
}

WrittenCase HundredFiles() {
  WrittenCase c{"100 files, the most a package holds", {{"logo.png", "L"}, {"scr.txt", "S"}},
                {"logo.png", "scr.txt"}, {{"logo.png", "L"}, {"scr.txt", "S"}}};
  for (int i = 0; i < 98; ++i) {
    const std::string name = "f" + std::to_string(i) + ".png";
    const std::string contents(static_cast<size_t>(i % 7 + 1), static_cast<char>('a' + i % 26));
    c.on_disk[name] = contents;
    c.listed.push_back(name);
    c.packed.push_back({name, contents});
  }
  return c;
}

const std::string kLongName = std::string(127, 'n') + ".png";  // 131 characters

INSTANTIATE_TEST_SUITE_P(
    Cases, WrittenPackageTest,
    ::testing::Values(
        WrittenCase{"images and fonts in the order they were listed",
                    {{"logo.png", "logo"}, {"scr.txt", "script"}, {"a.png", "AAA"}, {"b.png", "B"}, {"f.fon", "font"}},
                    {"logo.png", "scr.txt", "b.png", "f.fon", "a.png"},
                    {{"logo.png", "logo"}, {"scr.txt", "script"}, {"b.png", "B"}, {"f.fon", "font"}, {"a.png", "AAA"}}},
        WrittenCase{"a file listed twice is packed twice",
                    {{"logo.png", "l"}, {"scr.txt", "s"}, {"a.png", "xyz"}},
                    {"logo.png", "scr.txt", "a.png", "a.png"},
                    {{"logo.png", "l"}, {"scr.txt", "s"}, {"a.png", "xyz"}, {"a.png", "xyz"}}},
        WrittenCase{"a subfolder named with a backslash keeps it in the entry",
                    {{"logo.png", "l"}, {"scr.txt", "s"}, {"img/a.png", "sub"}},
                    {"logo.png", "scr.txt", "img\\a.png"},
                    {{"logo.png", "l"}, {"scr.txt", "s"}, {"img\\a.png", "sub"}}},
        WrittenCase{"a file found in another letter case keeps the listed name",
                    {{"Logo.PNG", "upper"}, {"SCR.TXT", "script"}},
                    {"logo.png", "scr.txt"},
                    {{"logo.png", "upper"}, {"scr.txt", "script"}}},
        WrittenCase{"binary contents with zero bytes",
                    {{"logo.png", std::string("\x89PNG\0\0\r\n", 8)}, {"scr.txt", "s"}},
                    {"logo.png", "scr.txt"},
                    {{"logo.png", std::string("\x89PNG\0\0\r\n", 8)}, {"scr.txt", "s"}}},
        WrittenCase{"a name of 131 characters leaves one zero in its field",
                    {{"logo.png", "l"}, {"scr.txt", "s"}, {kLongName, "long"}},
                    {"logo.png", "scr.txt", kLongName},
                    {{"logo.png", "l"}, {"scr.txt", "s"}, {kLongName, "long"}}},
        HundredFiles()));

struct RefusedCase {
  const char* what;
  Files on_disk;
  Names listed;
  std::string package_name;
  std::string reason;  // a part of the error
  bool list_refused = false;
};

void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.what; }

class RefusedPackageTest : public ::testing::TestWithParam<RefusedCase> {};

// A refused package leaves the folder as it was: every file keeps its bytes,
// the package written before stays, and no temporary file is left.
TEST_P(RefusedPackageTest, ChangesNothingAndSaysWhy) {
  const RefusedCase& c = GetParam();
  test::TempFolder folder;
  Files expected = c.on_disk;
  expected["scr.velk"] = "previous package";
  WriteFiles(folder, expected);
  auto project = ProjectListing(folder, c.listed);
  project->package.refused = c.list_refused;
  std::string error;
  EXPECT_FALSE(WritePackage(*project, c.package_name, error));
  EXPECT_NE(error.find(c.reason), std::string::npos) << error;
  size_t entries = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.path()))
    if (entry.is_regular_file()) ++entries;
  EXPECT_EQ(entries, expected.size());
  for (const auto& [path, contents] : expected) EXPECT_EQ(ReadAll(folder.Path(path)), contents) << path;
}

Names TooManyNames() {
  Names names{"logo.png", "scr.txt"};
  for (int i = 0; i < 99; ++i) names.push_back("f" + std::to_string(i) + ".png");
  return names;
}

const Files kLogoAndScript = {{"logo.png", "logo"}, {"scr.txt", "script"}};

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedPackageTest,
    ::testing::Values(
        RefusedCase{"no logo.png", {{"scr.txt", "script"}}, {"logo.png", "scr.txt"}, "scr.velk", "cannot open logo.png"},
        RefusedCase{"a missing image after files that were read",
                    {{"logo.png", "logo"}, {"scr.txt", "script"}, {"a.png", "a"}},
                    {"logo.png", "scr.txt", "a.png", "gone.png"},
                    "scr.velk",
                    "cannot open gone.png"},
        RefusedCase{"an empty file",
                    {{"logo.png", "logo"}, {"scr.txt", "script"}, {"empty.png", ""}},
                    {"logo.png", "scr.txt", "empty.png"},
                    "scr.velk",
                    "empty.png is empty"},
        RefusedCase{"a listed folder",
                    {{"logo.png", "logo"}, {"scr.txt", "script"}, {"img/a.png", "a"}},
                    {"logo.png", "scr.txt", "img"},
                    "scr.velk",
                    "img in the project folder is not a file"},
        RefusedCase{"a name refused when it was loaded", kLogoAndScript, {"logo.png", "scr.txt"}, "scr.velk",
                    "the package file list is incomplete", true},
        RefusedCase{"101 names", kLogoAndScript, TooManyNames(), "scr.velk", "more than 100 files to pack (101)"},
        RefusedCase{"a name of 132 characters", kLogoAndScript, {"logo.png", "scr.txt", std::string(128, 'n') + ".png"},
                    "scr.velk", "file name longer than 131 characters: nnn"},
        RefusedCase{"a package named after the script it carries", kLogoAndScript, {"logo.png", "scr.txt"}, "scr.txt",
                    "the package would replace scr.txt, which it carries"},
        RefusedCase{"a package in a folder that does not exist", kLogoAndScript, {"logo.png", "scr.txt"},
                    "no/scr.velk", "cannot create"}));

TEST(WritePackage, HoldsAtMost16MiB) {
  test::TempFolder folder;
  const std::string script = "script";
  const size_t room = 16 * 1024 * 1024 - (12 + 2 * 140) - script.size();
  WriteFiles(folder, {{"logo.png", std::string(room, 'L')}, {"scr.txt", script}});
  auto project = ProjectListing(folder, {"logo.png", "scr.txt"});
  std::string error;
  ASSERT_TRUE(WritePackage(*project, "full.velk", error)) << error;
  const std::string bytes = ReadAll(folder.Path("full.velk"));
  EXPECT_EQ(bytes.size(), 16u * 1024 * 1024);
  EXPECT_EQ(U32(bytes, 152 + 136), 0x450000u + 16 * 1024 * 1024 - script.size());
  EXPECT_EQ(bytes.substr(bytes.size() - script.size()), script);

  folder.Write("logo.png", std::string(room + 1, 'L'));
  EXPECT_FALSE(WritePackage(*project, "over.velk", error));
  EXPECT_NE(error.find("larger than 16777216 bytes (16 MiB) with scr.txt"), std::string::npos) << error;
  EXPECT_FALSE(std::filesystem::exists(folder.Path("over.velk")));
}

// Writes the package in a process whose files cannot grow past `limit`
// bytes (a write past it fails rather than raising a signal), prints the
// error and exits with 0 when the package was written, 1 when not.
void WriteWithFileSizeLimit(const Project& project, const std::string& name, rlim_t limit) {
  std::signal(SIGXFSZ, SIG_IGN);
  const rlimit bound{limit, limit};
  setrlimit(RLIMIT_FSIZE, &bound);
  std::string error;
  const bool written = WritePackage(project, name, error);
  std::fputs(error.c_str(), stderr);
  std::_Exit(written ? 0 : 1);
}

// A write that fails half-way (here the file size limit of the process) must
// leave the earlier package as it was and no partial file beside it.
TEST(WritePackage, AFailedWriteLeavesThePreviousPackage) {
  test::TempFolder folder;
  WriteFiles(folder, {{"logo.png", std::string(64 * 1024, 'L')}, {"scr.txt", "script"}, {"scr.velk", "previous"}});
  auto project = ProjectListing(folder, {"logo.png", "scr.txt"});
  EXPECT_EXIT(WriteWithFileSizeLimit(*project, "scr.velk", 4096), ::testing::ExitedWithCode(1), "cannot write");
  EXPECT_EQ(ReadAll(folder.Path("scr.velk")), "previous");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 3);
}

// Through Open: the images and fonts follow in the order of their
// IMAGE_LOAD and FONT_LOAD lines, named as the script names them without
// quotes; the script goes in as the folder's scr.txt.
TEST(WritePackage, PacksWhatAnOpenedScriptLoaded) {
  test::TempFolder folder;
  const std::string script =
      "IMAGE_LOAD.1=\"b.png\";\nFONT_LOAD.1=f.fon;\nIMAGE_LOAD.2=\"img\\a.png\";\nGREND;\nEND;\n";
  folder.Write("scr.txt", script);
  ASSERT_TRUE(test::WriteRgbaPng(folder.Path("logo.png"), 1, 1, {0x000000FF}));
  ASSERT_TRUE(test::WriteRgbaPng(folder.Path("b.png"), 2, 1, {0xFF0000FF, 0x00FF00FF}));
  std::filesystem::create_directory(folder.Path("img"));
  ASSERT_TRUE(test::WriteRgbaPng(folder.Path("img/a.png"), 1, 2, {0x0000FFFF, 0xFFFFFFFF}));
  folder.Write("f.fon", test::BuildFont(test::SampleFont()));
  auto project = std::make_unique<Project>();
  ASSERT_EQ(OpenProject(*project, folder.Path("scr.txt")).code, 0);
  std::string error;
  ASSERT_TRUE(WritePackage(*project, "scr.velk", error)) << error;
  ExpectPackage(ReadAll(folder.Path("scr.velk")), {{"logo.png", ReadAll(folder.Path("logo.png"))},
                                                   {"scr.txt", script},
                                                   {"b.png", ReadAll(folder.Path("b.png"))},
                                                   {"f.fon", ReadAll(folder.Path("f.fon"))},
                                                   {"img\\a.png", ReadAll(folder.Path("img/a.png"))}});

  // A second project opened into the same model packs only its own files.
  test::TempFolder second;
  WriteFiles(second, {{"logo.png", "logo"}, {"scr.txt", "GREND;\nEND;\n"}});
  ASSERT_EQ(OpenProject(*project, second.Path("scr.txt")).code, 0);
  ASSERT_TRUE(WritePackage(*project, "scr.velk", error)) << error;
  ExpectPackage(ReadAll(second.Path("scr.velk")), {{"logo.png", "logo"}, {"scr.txt", "GREND;\nEND;\n"}});
}

struct NameCase {
  const char* script;
  const char* package;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << c.script; }

class PackageNameForTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(PackageNameForTest, ReplacesTheExtensionOfTheFileName) {
  EXPECT_EQ(PackageNameFor(GetParam().script), GetParam().package);
}

INSTANTIATE_TEST_SUITE_P(Cases, PackageNameForTest,
                         ::testing::Values(NameCase{"scr.txt", "scr.velk"}, NameCase{"/home/p/Demo.TXT", "Demo.velk"},
                                           NameCase{"a.b.txt", "a.b.velk"}, NameCase{"v1.2/script", "script.velk"},
                                           NameCase{"script", "script.velk"}));

}  // namespace
}  // namespace velk
