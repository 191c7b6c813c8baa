#include "script/write_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "support/temp_folder.h"

namespace velk {
namespace {

TEST(WriteFileAtomically, WritesTheBytesExactlyToANewFile) {
  test::TempFolder folder;
  const std::string bytes("\x04\x00\x10\x00\r\n\xFF", 7);
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(folder.Path("font.fon"), bytes, error)) << error;
  std::ifstream in(folder.Path("font.fon"), std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), bytes);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

}  // namespace
}  // namespace velk
