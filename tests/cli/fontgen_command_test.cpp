#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "cli/run_velk.h"
#include "support/dejavu_font.h"
#include "support/temp_folder.h"

namespace velk {
namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t Little(const std::string& bytes, size_t at, int size) {
  uint32_t value = 0;
  for (int k = size - 1; k >= 0; --k) value = value << 8 | static_cast<uint8_t>(bytes[at + static_cast<size_t>(k)]);
  return value;
}

// Header fields and range table of a font file: type, size, count, then
// first, last and table offset of each range.
std::vector<uint32_t> Layout(const std::string& bytes) {
  if (bytes.size() < 8) return {};
  std::vector<uint32_t> layout{Little(bytes, 0, 2), Little(bytes, 2, 2), Little(bytes, 4, 4)};
  for (size_t r = 0; r < layout[2] && 16 + 8 * r <= bytes.size(); ++r)
    for (const auto& [at, size] : {std::pair{8 + 8 * r, 2}, {10 + 8 * r, 2}, {12 + 8 * r, 4}})
      layout.push_back(Little(bytes, at, size));
  return layout;
}

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

TEST(VelkFontgen, WritesTheSetFromAFontFileAndPrintsTheMemo) {
  VELK_SKIP_WITHOUT_DEJAVU();
  test::TempFolder folder;
  const std::string out = folder.Path("digits.fon");
  const test::VelkRun run = test::RunVelk(
      "fontgen --file " + Quoted(test::kDejaVuSans) + " --size 20 --aa 2 --set numbers -o " + Quoted(out),
      folder.Path("err"));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Layout(ReadAll(out)), (std::vector<uint32_t>{4, 20, 1, 43, 59, 16}));
  EXPECT_EQ(run.out.rfind("Code = 43(===+===)\nwidth = ", 0), 0u) << run.out;
  EXPECT_NE(run.out.find("Code = 59(===;===)\n"), std::string::npos);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);  // the font and err
}

TEST(VelkFontgen, AnInstalledFamilyInAnyCaseBoldAndTheDefaults) {
  VELK_SKIP_WITHOUT_DEJAVU();
  test::TempFolder folder;
  const std::string regular = folder.Path("regular.fon");
  const std::string bold = folder.Path("bold.fon");
  ASSERT_EQ(test::RunVelk("fontgen --family 'DejaVu Sans' --size 30 -o " + Quoted(regular), folder.Path("err")).status, 0);
  ASSERT_EQ(test::RunVelk("fontgen --family 'dejavu sans' --size 30 --bold -o " + Quoted(bold), folder.Path("err")).status,
            0);
  EXPECT_EQ(Layout(ReadAll(regular)), (std::vector<uint32_t>{4, 30, 2, 32, 126, 24, 1040, 1103, 1544}));
  EXPECT_EQ(Layout(ReadAll(bold)), Layout(ReadAll(regular)));
  EXPECT_NE(ReadAll(bold), ReadAll(regular));  // the bold face

  // The defaults are size 16, factor 4 and all characters.
  const std::string defaults = folder.Path("defaults.fon");
  const std::string explicit_ = folder.Path("explicit.fon");
  ASSERT_EQ(test::RunVelk("fontgen --family 'DejaVu Sans' -o " + Quoted(defaults), folder.Path("err")).status, 0);
  ASSERT_EQ(test::RunVelk("fontgen --family 'DejaVu Sans' --size 16 --aa 4 --set all -o " + Quoted(explicit_),
                          folder.Path("err"))
                .status,
            0);
  EXPECT_EQ(ReadAll(defaults), ReadAll(explicit_));
  EXPECT_EQ(Layout(ReadAll(defaults))[1], 16u);

  const std::string latin = folder.Path("latin.fon");
  ASSERT_EQ(test::RunVelk("fontgen --family 'DejaVu Sans' --set latin -o " + Quoted(latin), folder.Path("err")).status, 0);
  EXPECT_EQ(Layout(ReadAll(latin)), (std::vector<uint32_t>{4, 16, 1, 32, 126, 16}));
}

struct FailureCase {
  const char* what;
  std::string arguments;  // before -o OUT
  int status;
  const char* message;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.what; }

class VelkFontgenFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(VelkFontgenFailure, SaysWhyAndLeavesTheOutputAlone) {
  const FailureCase& c = GetParam();
  test::TempFolder folder;
  const std::string not_a_font = folder.Write("notes.ttf", "not a font");
  std::string arguments = c.arguments;
  if (const size_t at = arguments.find("NOTES"); at != std::string::npos) arguments.replace(at, 5, Quoted(not_a_font));
  const std::string out = folder.Write("out.fon", "previous");
  const test::VelkRun run = test::RunVelk("fontgen " + arguments + " -o " + Quoted(out), folder.Path("err"));
  EXPECT_EQ(run.status, c.status) << run.err;
  EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  EXPECT_EQ(ReadAll(out), "previous");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 3);  // notes, out, err
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VelkFontgenFailure,
    ::testing::Values(
        FailureCase{"no such family", "--family 'No Such Family'", 1, "no installed font family is named No Such Family"},
        FailureCase{"no such file", "--file /no/such/font.ttf", 1, "/no/such/font.ttf holds no font that can be read"},
        FailureCase{"a file that is no font", "--file NOTES", 1, "holds no font that can be read"},
        FailureCase{"size 0", "--family x --size 0", 64, "--size takes a point size from 1 to 200, not 0"},
        FailureCase{"size 201", "--family x --size 201", 64, "not 201"},
        FailureCase{"size not a number", "--family x --size 12pt", 64, "not 12pt"},
        FailureCase{"factor 3", "--family x --aa 3", 64, "--aa takes 1, 2, 4, 6, 8 or 10, not 3"},
        FailureCase{"factor 12", "--family x --aa 12", 64, "not 12"},
        FailureCase{"unknown set", "--family x --set cyrillic", 64, "--set takes all, latin or numbers, not cyrillic"},
        FailureCase{"both a family and a file", "--family x --file y", 64, "expects one of --family"},
        FailureCase{"neither", "--size 10", 64, "expects one of --family"},
        FailureCase{"a value missing", "--family", 64, "--family needs a value"},
        FailureCase{"an unknown argument", "--family x --italic", 64, "unknown argument --italic"}));

TEST(VelkFontgen, AnUnwritableOutputLeavesNoFile) {
  VELK_SKIP_WITHOUT_DEJAVU();
  test::TempFolder folder;
  const test::VelkRun run =
      test::RunVelk("fontgen --file " + Quoted(test::kDejaVuSans) + " --set numbers -o " +
                        Quoted(folder.Path("missing/out.fon")),
                    folder.Path("err"));
  EXPECT_EQ(run.status, 74);
  EXPECT_NE(run.err.find("velk fontgen: cannot create"), std::string::npos) << run.err;
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);  // err
  EXPECT_EQ(test::RunVelk("fontgen --family x", folder.Path("err")).status, 64);       // no -o
  EXPECT_EQ(test::RunVelk("fontgen --help", folder.Path("err")).out.rfind("usage: velk fontgen (--family NAME", 0), 0u);
}

}  // namespace
}  // namespace velk
