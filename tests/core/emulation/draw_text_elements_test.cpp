#include "emulation/draw_text_elements.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/draw_rig.h"

namespace velk {
namespace {

using test::kBlack;
using test::kRed;

// The sample font: 'B' is one pixel with an advance of 2; the digits are 2
// rows high and all advance by the widest ('7', 8 pixels), '1' (2 wide) and
// '3', '4' (4 wide) centred in that cell; '.' is in no range and advances 0.
struct TextCase {
  const char* what;
  std::string statement;
  float value;  // of ADC.1
  std::vector<test::PixelCheck> pixels;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.what; }

class TextElementTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextElementTest, DrawsAlignedText) {
  test::DrawRig rig;
  rig.SetFont(1);
  rig.Add(GetParam().statement);
  rig.SetValue("ADC.1", GetParam().value);
  rig.Draw();
  test::ExpectPixels(rig, GetParam().pixels);
}

// A row of pixels of one word from x to x + count - 1, on row y.
std::vector<test::PixelCheck> Run(int x, int y, int count, uint32_t word) {
  std::vector<test::PixelCheck> run;
  for (int i = 0; i < count; ++i) run.push_back({x + i, y, word});
  return run;
}

std::vector<test::PixelCheck> Join(std::initializer_list<std::vector<test::PixelCheck>> parts) {
  std::vector<test::PixelCheck> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextElementTest,
    ::testing::Values(
        TextCase{"R runs right of X", "TEXT=X:100|Y:50|TEXT:\"BB\"", 0,
                 {{100, 50, kRed}, {101, 50, kBlack}, {102, 50, kRed}, {99, 50, kBlack}, {103, 50, kBlack},
                  {100, 49, kBlack}, {100, 51, kBlack}}},
        TextCase{"L ends at X", "TEXT=X:100|Y:50|TEXT:\"BB\"|ALIGNMENT:L", 0,
                 {{96, 50, kRed}, {98, 50, kRed}, {99, 50, kBlack}, {100, 50, kBlack}, {95, 50, kBlack}}},
        TextCase{"C is centred on X", "TEXT=X:100|Y:50|TEXT:\"BB\"|ALIGNMENT:C", 0,
                 {{98, 50, kRed}, {100, 50, kRed}, {97, 50, kBlack}, {102, 50, kBlack}}},
        TextCase{"C moves an odd width left by its floor half", "TEXT=X:100|Y:50|TEXT:\"BBB\"|ALIGNMENT:C", 0,
                 {{97, 50, kRed}, {99, 50, kRed}, {101, 50, kRed}, {103, 50, kBlack}}},
        TextCase{"L runs off the left edge", "TEXT=X:2|Y:0|TEXT:\"BBB\"|ALIGNMENT:L", 0,
                 {{0, 0, kRed}, {1, 0, kBlack}, {1023, 0, kBlack}, {1024, 0, kBlack}}},
        TextCase{"in its colour", "TEXT=X:100|Y:50|TEXT:\"B\"|COLOUR:3", 0, {{100, 50, test::kBlue}}},
        TextCase{"DIGT digits are tabular", "DIGT=X:100|Y:50|INPUT:ADC.1", 11,
                 Join({Run(100, 50, 3, kBlack), Run(103, 50, 2, kRed), Run(105, 51, 6, kBlack),
                       Run(111, 51, 2, kRed), Run(113, 50, 3, kBlack)})},
        TextCase{"DIGT aligned left", "DIGT=X:100|Y:50|INPUT:ADC.1|ALIGNMENT:L", 11,
                 Join({Run(87, 50, 2, kRed), Run(95, 51, 2, kRed), Run(97, 50, 4, kBlack)})},
        TextCase{"DIGT with DPS 2", "DIGT=X:100|Y:50|INPUT:ADC.1|DPS:2", 3.14159f,
                 Join({Run(102, 50, 4, kRed), Run(106, 50, 5, kBlack), Run(111, 50, 2, kRed),
                       Run(118, 51, 4, kRed), Run(122, 50, 3, kBlack)})},
        TextCase{"DIGT with DPS 9 draws nothing", "DIGT=X:100|Y:50|INPUT:ADC.1|DPS:9", 3.14159f,
                 Join({Run(100, 50, 30, kBlack), Run(100, 51, 30, kBlack)})},
        TextCase{"DIGT in a time format", "DIGT=X:100|Y:50|INPUT:ADC.1|FORMAT:(XX:XX)", 1,
                 // "00:01": ':' is in no range; 0 is 4 wide (shift 2), 1 is 2 wide (shift 3).
                 Join({Run(102, 50, 4, kRed), Run(110, 50, 4, kRed), Run(118, 50, 4, kRed), Run(122, 50, 5, kBlack),
                       Run(127, 50, 2, kRed)})}));

}  // namespace
}  // namespace velk
