#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "assets/png_reader.h"
#include "cli/run_velk.h"
#include "support/font_builder.h"
#include "support/png_writer.h"
#include "support/sample_font.h"
#include "support/temp_folder.h"

namespace velk {
namespace {

// Frame words 0xFFRRGGBB as the PNG holds them.
constexpr uint32_t kBlack = 0xFF000000;
constexpr uint32_t kRed = 0xFFFF0000;
constexpr uint32_t kGreen = 0xFF00FF00;
constexpr uint32_t kBlue = 0xFF0000FF;
constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kGrey = 0xFF5F5F5F;
constexpr uint32_t kDarkGrey = 0xFF404040;

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A fixture project of tests/data/render in a fresh folder, with the
// pictures (as 0xRRGGBBAA pixels) and the sample font its script loads.
class RenderProject {
 public:
  explicit RenderProject(const std::string& name) {
    script_ = folder_.Write("scr.txt", ReadText(std::string(VELK_TEST_DATA) + "/render/" + name + "/scr.txt"));
  }

  void Picture(const std::string& file, int width, int height, uint32_t rgba) {
    Picture(file, width, height, std::vector<uint32_t>(static_cast<size_t>(width * height), rgba));
  }
  void Picture(const std::string& file, int width, int height, const std::vector<uint32_t>& rgba) {
    ASSERT_TRUE(test::WriteRgbaPng(folder_.Path(file), width, height, rgba)) << file;
  }
  void Font(const std::string& file) { folder_.Write(file, test::BuildFont(test::SampleFont())); }

  test::VelkRun Render(const std::string& options) const {
    return test::RunVelk("render '" + script_ + "' -o '" + folder_.Path("out.png") + "' " + options,
                         folder_.Path("err"));
  }

  const test::TempFolder& folder() const { return folder_; }
  const std::string& script() const { return script_; }

 private:
  test::TempFolder folder_;
  std::string script_;
};

// The frame a render wrote, pixel by pixel.
class Frame {
 public:
  explicit Frame(const std::string& path) : bytes_(ReadText(path)) {
    std::string reason;
    read_ = ReadPngPicture(path, 2047, picture_, reason);
    EXPECT_TRUE(read_) << reason;
  }

  // An 8-bit RGB PNG of the 1024 x 600 screen: IHDR width, height, depth 8, type 2.
  bool IsScreenRgb() const { return bytes_.size() > 26 && bytes_.substr(16, 10) == std::string("\0\0\4\0\0\0\2\x58\x8\x2", 10); }

  uint32_t Pixel(int x, int y) const {
    const size_t at = (static_cast<size_t>(y) * static_cast<size_t>(picture_.width) + static_cast<size_t>(x)) * 3;
    return 0xFF000000u | uint32_t{picture_.rgb[at]} << 16 | uint32_t{picture_.rgb[at + 1]} << 8 | picture_.rgb[at + 2];
  }
  bool read() const { return read_ && picture_.width == 1024 && picture_.height == 600; }

 private:
  std::string bytes_;
  velk::Picture picture_;
  bool read_ = false;
};

struct PixelCheck {
  int x, y;
  uint32_t word;
};

void ExpectPixels(const Frame& frame, const std::vector<PixelCheck>& pixels) {
  for (const PixelCheck& p : pixels)
    EXPECT_EQ(frame.Pixel(p.x, p.y), p.word) << "pixel (" << p.x << ", " << p.y << ")";
}

TEST(VelkRender, DrawsEveryElementKind) {
  RenderProject project("elements");
  project.Picture("mark.png", 3, 2, 0xFFFFFFFF);
  project.Picture("empty.png", 10, 4, 0x404040FF);
  project.Picture("full.png", 10, 4, 0xFFFFFFFF);
  project.Picture("needle.png", 1, 5, 0xFFFFFFFF);
  project.Picture("thumb.png", 5, 3, 0xFFFFFFFF);
  project.Picture("logo.png", 2, 2, {0xFF0000FF, 0x00000000, 0x00FF00FF, 0x0000FFFF});
  project.Font("sample.fon");
  const test::VelkRun run = project.Render("--set ADC.1=25 --set ADC.2=50 --set ADC.3=50 --set VELK_RPM=83456");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");

  const Frame frame(project.folder().Path("out.png"));
  ASSERT_TRUE(frame.read());
  EXPECT_TRUE(frame.IsScreenRgb());
  ExpectPixels(frame, {
      // RECTANGLE V_SHADE and H_SHADE, red to blue, in single precision
      {0, 0, kRed}, {39, 1, 0xFFA80054}, {0, 2, 0xFF5400AA}, {0, 3, kBlack},
      {50, 0, kRed}, {51, 1, 0xFFBF003F}, {52, 0, 0xFF7F007F}, {53, 1, 0xFF3F00BF}, {54, 0, kBlack},
      // IMAGE and PICTOGRAM of the logo
      {100, 0, kRed}, {101, 0, kBlack}, {100, 1, kGreen}, {101, 1, kBlue},
      {120, 0, kBlue}, {121, 0, kBlack}, {120, 1, kBlue}, {121, 1, kBlue},
      // TEXT "BB" centred on 200
      {198, 0, kGreen}, {199, 0, kBlack}, {200, 0, kGreen}, {201, 0, kBlack},
      // DIGT "25.0" from 300 in tabular cells of 8
      {301, 0, kBlack}, {302, 0, kRed}, {305, 1, kRed}, {306, 0, kBlack}, {310, 0, kRed}, {318, 1, kRed},
      {321, 0, kRed}, {322, 0, kBlack},
      // DIGT "1:23.456" ending at 400
      {354, 0, kBlack}, {355, 0, kRed}, {362, 0, kRed}, {397, 1, kRed}, {398, 0, kBlack}, {400, 0, kBlack},
      // ARROW at 0 degrees, pivot on (500, 20)
      {500, 16, kWhite}, {500, 20, kWhite}, {500, 15, kBlack}, {501, 20, kBlack},
      // TICKS at 599, 609 and 619, recoloured
      {598, 0, kBlack}, {599, 0, kGreen}, {601, 1, kGreen}, {602, 0, kBlack}, {619, 0, kGreen}, {622, 0, kBlack},
      // BAR_L at 25 of 100: 2 of 10 columns full
      {700, 0, kWhite}, {701, 3, kWhite}, {702, 0, kDarkGrey}, {709, 3, kDarkGrey}, {710, 0, kBlack},
      // BAR_S H: 50 red, 150 grey
      {0, 100, kRed}, {49, 109, kRed}, {50, 100, kGrey}, {199, 109, kGrey}, {200, 100, kBlack},
      // BAR_S C at half: filled (red) up to 0 degrees, green beyond, open at the bottom
      {255, 200, kRed}, {345, 200, kGreen}, {335, 235, 0xFF008000}, {300, 245, kBlack}, {300, 200, kBlack},
      // BAR_T H recoloured and BAR_T V with the thumb's own colours
      {547, 100, kBlack}, {548, 100, kRed}, {552, 102, kRed}, {553, 100, kBlack},
      {800, 248, kBlack}, {800, 249, kWhite}, {804, 251, kWhite}, {800, 252, kBlack},
      // a missing picture and a missing font draw nothing
      {900, 0, kBlack}, {900, 50, kBlack}});
}

struct PagesCase {
  const char* what;
  std::string options;
  std::vector<PixelCheck> pixels;
};

void PrintTo(const PagesCase& c, std::ostream* os) { *os << c.what; }

class VelkRenderPages : public ::testing::TestWithParam<PagesCase> {};

TEST_P(VelkRenderPages, DrawsThePageWithItsInputs) {
  RenderProject project("pages");
  const test::VelkRun run = project.Render(GetParam().options);
  ASSERT_EQ(run.status, 0) << run.err;
  const Frame frame(project.folder().Path("out.png"));
  ASSERT_TRUE(frame.read());
  ExpectPixels(frame, GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VelkRenderPages,
    ::testing::Values(
        PagesCase{"page 1 with its inputs at 0", "",
                  {{25, 25, kRed}, {29, 29, kRed}, {35, 35, kBlue}, {105, 15, kBlack}, {125, 15, kBlack},
                   {200, 10, kGrey}, {299, 19, kGrey},
                   // clipped in the corners, not wrapped
                   {0, 0, kGreen}, {4, 4, kGreen}, {5, 5, kBlack}, {1023, 599, kGreen}, {1019, 595, kGreen},
                   {1018, 594, kBlack}, {0, 595, kBlack}, {1023, 0, kBlack}}},
        PagesCase{"inputs and @names set", "--set DI.1=1 --set @show=1 --set @gauge=2.5",
                  {{105, 15, kGreen}, {125, 15, kGreen}, {224, 10, kRed}, {225, 10, kGrey}}},
        PagesCase{"the later --set wins", "--set DI.1=1 --set DI.1=0", {{105, 15, kBlack}}},
        PagesCase{"page 2", "--page 2", {{15, 15, kBlue}, {35, 35, kBlack}, {0, 0, kBlack}, {1023, 599, kBlack}}}));

TEST(VelkRender, WritesPageNInTheWorkingFolderByDefault) {
  RenderProject project("pages");
  const test::VelkRun run = test::RunVelk("render scr.txt --page 2", project.folder().Path("err"),
                                          project.folder().Path());
  ASSERT_EQ(run.status, 0) << run.err;
  const Frame frame(project.folder().Path("page2.png"));
  ASSERT_TRUE(frame.read());
  EXPECT_EQ(frame.Pixel(15, 15), kBlue);
}

TEST(VelkRender, ExitsWithTheLoadersCode) {
  test::TempFolder folder;
  const std::string script = folder.Write("scr.txt", "RECTANGLE=W:10|H:10|COLOUR1:1;\nRECTANGLE=STYLE:DOTTED;\nEND;\n");
  const test::VelkRun run = test::RunVelk("render '" + script + "' -o '" + folder.Path("out.png") + "'", folder.Path("err"));
  EXPECT_EQ(run.status, 4);
  EXPECT_NE(run.err.find("RECTANGLE=STYLE:DOTTED"), std::string::npos) << run.err;
  const Frame frame(folder.Path("out.png"));  // what was loaded is drawn
  ASSERT_TRUE(frame.read());
  EXPECT_EQ(frame.Pixel(9, 9), kRed);
}

TEST(VelkRender, AnOutputThatCannotBeWrittenExits74) {
  RenderProject project("pages");
  const test::VelkRun run = test::RunVelk(
      "render '" + project.script() + "' -o '" + project.folder().Path("missing/out.png") + "'",
      project.folder().Path("err"));
  EXPECT_EQ(run.status, 74);
  EXPECT_NE(run.err.find("velk render: cannot create"), std::string::npos) << run.err;
}

TEST(VelkRender, UsageErrors) {
  RenderProject project("pages");
  const std::string script = "'" + project.script() + "'";
  for (const std::string& arguments :
       {std::string("render"), "render " + script + " " + script, "render " + script + " --page",
        "render " + script + " --page 0", "render " + script + " --page 11", "render " + script + " --page 1x",
        "render " + script + " --cycles 2", "render " + script + " --set ADC.1",
        "render " + script + " --set NOPE=1", "render " + script + " --set DI.1=2",
        "render " + script + " --set ADC.1=1,5", "render " + script + " --set @nobody=1"}) {
    const test::VelkRun run = test::RunVelk(arguments + " -o '" + project.folder().Path("out.png") + "'",
                                            project.folder().Path("err"));
    EXPECT_EQ(run.status, 64) << arguments;
    EXPECT_NE(run.err.find("velk render: "), std::string::npos) << arguments;
  }
  EXPECT_FALSE(std::filesystem::exists(project.folder().Path("out.png")));
}

}  // namespace
}  // namespace velk
