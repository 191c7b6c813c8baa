#include "assets/png_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "assets/png_reader.h"
#include "support/frames.h"
#include "support/temp_folder.h"

namespace velk {
namespace {

std::vector<uint8_t> FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(WriteFramePngTest, WritesTheScreenAsEightBitRgb) {
  test::TempFolder folder;
  auto frame = std::make_unique<FrameBuffer>();
  test::FillPattern(*frame);
  const std::string path = folder.Path("frame.png");
  std::string reason;
  ASSERT_TRUE(WriteFramePng(*frame, path, reason)) << reason;

  // IHDR: width and height big-endian at 16 and 20, bit depth 8, colour type 2 (RGB).
  const std::vector<uint8_t> bytes = FileBytes(path);
  ASSERT_GT(bytes.size(), 26u);
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 16, bytes.begin() + 26),
            (std::vector<uint8_t>{0, 0, 4, 0, 0, 0, 2, 0x58, 8, 2}));

  Picture picture;
  ASSERT_TRUE(ReadPngPicture(path, 2047, picture, reason)) << reason;
  ASSERT_EQ(picture.width, kScreenWidth);
  ASSERT_EQ(picture.height, kScreenHeight);
  for (int y = 0; y < kScreenHeight; ++y)
    for (int x = 0; x < kScreenWidth; ++x) {
      const size_t at = (static_cast<size_t>(y) * kScreenWidth + static_cast<size_t>(x)) * 3;
      const uint32_t rgb = uint32_t{picture.rgb[at]} << 16 | uint32_t{picture.rgb[at + 1]} << 8 | picture.rgb[at + 2];
      ASSERT_EQ(rgb, frame->Pixel(x, y) & 0xFFFFFFu) << "pixel (" << x << ", " << y << ")";
    }
}

TEST(WriteFramePngTest, ReplacesAnExistingFile) {
  test::TempFolder folder;
  const std::string path = folder.Write("frame.png", "old");
  std::string reason;
  ASSERT_TRUE(WriteFramePng(FrameBuffer(), path, reason)) << reason;
  Picture picture;
  EXPECT_TRUE(ReadPngPicture(path, 2047, picture, reason)) << reason;
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(WriteFramePngTest, AFolderThatIsNotThereIsAReason) {
  test::TempFolder folder;
  std::string reason;
  EXPECT_FALSE(WriteFramePng(FrameBuffer(), folder.Path("missing/frame.png"), reason));
  EXPECT_NE(reason.find("missing/frame.png"), std::string::npos) << reason;
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 0);
}

}  // namespace
}  // namespace velk
