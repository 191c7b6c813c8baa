#include "emulation/rotate_image.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "emulation/draw_image.h"
#include "emulation/put_pixel.h"
#include "support/frames.h"

namespace velk {
namespace {

constexpr uint32_t kBackground = 0xFF4080C0;

// 3 x 2 source: red, green, blue / white, half-transparent grey, a dark blue.
const std::vector<uint32_t> kSmall = {0xFF0000FF, 0xFF00FF00, 0xFFFF0000, 0xFFFFFFFF, 0x80808080, 0xFF204060};

void Fill(FrameBuffer& frame, uint32_t word) {
  for (int y = 0; y < kScreenHeight; ++y)
    for (int x = 0; x < kFrameWidth; ++x) frame.Row(y)[x] = word;
}

// Frames computed outside this code base, one rounded float operation at a
// time, for the small source turned about its pixel (1, 0) placed at
// (10, 10) over a plain background. The region is the drawn area and a
// one-pixel border; words are 0xRRGGBB. The odd pixels (a near-white at 270
// degrees, one-level losses) are the arithmetic's own: the single-precision
// constants leave cos and sin a hair off 0 and 1, the vertex floors then
// reach one pixel further, and samples just outside the image get weights
// outside 0..1.
struct Golden {
  float angle;
  uint32_t colour;  // 0: RotateImage, else RotateImageRecoloured with it
  int left, top, width, height;
  std::vector<uint32_t> words;
};

void PrintTo(const Golden& c, std::ostream* os) { *os << c.angle << " degrees" << (c.colour ? " recoloured" : ""); }

const Golden kGolden[] = {
    {0.0f, 0, 8, 9, 5, 4, {0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0, 0xFF0000, 0x00FF00, 0x0000FF,
                           0x4080C0, 0x4080C0, 0xFFFFFF, 0x60809F, 0x604020, 0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0,
                           0x4080C0, 0x4080C0}},
    {90.0f, 0, 8, 8, 4, 5, {0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0, 0xFFFFFF, 0xFF0000, 0x4080C0, 0x4080C0,
                            0x60809F, 0x00FF00, 0x4080C0, 0x4080C0, 0x604020, 0x0000FF, 0x4080C0, 0x4080C0, 0x4080C0,
                            0x4080C0, 0x4080C0}},
    {180.0f, 0, 8, 8, 5, 4, {0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0, 0x5E3F1F, 0x60809F, 0xFFFEFE,
                             0x4080C0, 0x4080C0, 0x0000FE, 0x00FF00, 0xFF0000, 0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0,
                             0x4080C0, 0x4080C0}},
    {270.0f, 0, 8, 8, 5, 5, {0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0, 0xA1FFFF, 0x0000FE, 0x5F4020,
                             0x4080C0, 0x4080C0, 0x4080C0, 0x00FF00, 0x60809F, 0x4080C0, 0x4080C0, 0x4080C0, 0xFD0000,
                             0xFFFEFE, 0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0}},
    {33.0f, 0, 7, 8, 5, 5, {0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0, 0x59305B,
                            0x4080C0, 0x4080C0, 0x3D70A2, 0xD99182, 0x00FF00, 0x4080C0, 0x4080C0, 0x3C77B3, 0x4E759B,
                            0x566669, 0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0}},
    {-90.0f, 0, 8, 8, 5, 5, {0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0, 0xA1FFFF, 0x0000FE, 0x4080C0,
                             0x4080C0, 0x4080C0, 0x4080C0, 0x00FF00, 0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0, 0xFD0000,
                             0xFFFEFE, 0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0}},
    {33.0f, 0x80FFFFFF, 7, 8, 5, 5, {0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0,
                                     0x6397CB, 0x4080C0, 0x4080C0, 0x689ACD, 0xF6F9FC, 0xFFFFFF, 0x4080C0, 0x4080C0,
                                     0x4E89C4, 0x8BB2D8, 0xDAE6F2, 0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0,
                                     0x4080C0}},
    {90.0f, 0xFF2040A0, 8, 8, 4, 5, {0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0, 0xA04020, 0xA04020, 0x4080C0,
                                     0x4080C0, 0x705F6F, 0xA04020, 0x4080C0, 0x4080C0, 0xA04020, 0xA04020, 0x4080C0,
                                     0x4080C0, 0x4080C0, 0x4080C0, 0x4080C0}},
};

class RotateGolden : public ::testing::TestWithParam<Golden> {};

TEST_P(RotateGolden, MatchesTheWorkedFrame) {
  const Golden& g = GetParam();
  const auto image = test::MakeImage(3, 2, kSmall);
  auto frame = std::make_unique<FrameBuffer>();
  auto expected = std::make_unique<FrameBuffer>();
  Fill(*frame, kBackground);
  Fill(*expected, kBackground);
  for (int row = 0; row < g.height; ++row)
    for (int col = 0; col < g.width; ++col)
      expected->Row(g.top + row)[g.left + col] = 0xFF000000u | g.words[static_cast<size_t>(row * g.width + col)];
  if (g.colour == 0) RotateImage(*frame, RotationSourceOf(image.get()), 1, 0, 10, 10, g.angle, 1024, 600);
  else RotateImageRecoloured(*frame, RotationSourceOf(image.get()), 1, 0, 10, 10, g.angle, 1024, 600, g.colour);
  EXPECT_TRUE(test::SameFrame(*frame, *expected)) << "angle " << g.angle;
}

INSTANTIATE_TEST_SUITE_P(Angles, RotateGolden, ::testing::ValuesIn(kGolden));

// The rotation written out step by step as the display defines it, without
// any of the shortcuts of the real one (no clipping of the scan, no fast
// path for inner pixels), to compare against over many cases.
void ReferenceRotate(FrameBuffer& frame, int w, int h, const uint32_t* pixels, int px, int py, int dx, int dy,
                     float phi, int tw, int th, bool recolour, uint32_t colour) {
  float theta = -phi * 0.017453292f;
  if (theta < 0) theta = theta + 6.2831855f;
  const float c = static_cast<float>(std::cos(static_cast<double>(theta)));
  const float s = static_cast<float>(std::sin(static_cast<double>(theta)));
  struct P {
    float x, y;
  };
  auto forward = [&](float u, float v) { return P{u * c + v * s, -(u * s) + v * c}; };
  const P tl = forward(static_cast<float>(-px), static_cast<float>(-py));
  const P tr = forward(static_cast<float>(w - px - 1), static_cast<float>(-py));
  const P br = forward(static_cast<float>(w - px - 1), static_cast<float>(h - py - 1));
  const P bl = forward(static_cast<float>(-px), static_cast<float>(h - py - 1));
  P L, T, R, B;
  if (theta < 1.5707963267948966) L = tl, T = tr, R = br, B = bl;
  else if (theta < 3.141592653589793) L = tr, T = br, R = bl, B = tl;
  else if (theta < 4.71238898038469) L = br, T = bl, R = tl, B = tr;
  else L = bl, T = tl, R = tr, B = br;
  const int16_t lx = static_cast<int16_t>(std::floor(L.x)), ly = static_cast<int16_t>(L.y);
  const int16_t tx = static_cast<int16_t>(T.x), ty = static_cast<int16_t>(std::floor(T.y));
  const int16_t rx = static_cast<int16_t>(R.x), ry = static_cast<int16_t>(R.y);
  const int16_t bx = static_cast<int16_t>(B.x), by = static_cast<int16_t>(B.y);
  float xl, xr, s1 = 0, s2 = 0;
  if (ty == ly) {
    xl = lx, xr = tx;
  } else if (tx == lx) {
    xl = lx, xr = rx;
  } else {
    xl = xr = tx;
    s1 = std::max(static_cast<float>(lx - tx), static_cast<float>(lx - tx) / static_cast<float>(ly - ty));
    s2 = ly == by ? static_cast<float>(bx - lx)
                  : std::min(static_cast<float>(bx - lx), static_cast<float>(bx - lx) / static_cast<float>(by - ly));
  }
  auto at = [&](int col, int row) -> uint32_t {
    if (col < 0 || col >= w || row < 0 || row >= h) return 0;
    return pixels[row * w + col];
  };
  for (int j = ty; j <= by; ++j) {
    const int16_t end = j == ty ? static_cast<int16_t>(xr) : static_cast<int16_t>(std::ceil(xr));
    for (int i = static_cast<int16_t>(xl); i <= end; ++i) {
      if (!(0 <= dx + i && dx + i < tw && 0 <= dy + j && dy + j < th)) continue;
      const float sx = static_cast<float>(px) + (static_cast<float>(i) * c - static_cast<float>(j) * s);
      const float sy = static_cast<float>(py) + (static_cast<float>(i) * s + static_cast<float>(j) * c);
      const int x0 = static_cast<int>(sx), y0 = static_cast<int>(sy);
      const float fx = sx - static_cast<float>(x0), fy = sy - static_cast<float>(y0);
      const float w00 = (1 - fx) * (1 - fy), w10 = fx * (1 - fy), w01 = (1 - fx) * fy, w11 = fx * fy;
      auto mix = [&](int shift) {
        auto ch = [&](uint32_t p) { return static_cast<float>(p >> shift & 0xFF); };
        return static_cast<int>(w00 * ch(at(x0, y0)) + w10 * ch(at(x0 + 1, y0)) + w01 * ch(at(x0, y0 + 1)) +
                                w11 * ch(at(x0 + 1, y0 + 1)));
      };
      const int alpha = mix(24);
      if ((alpha & 0xFF) == 0) continue;
      uint32_t word;
      if (recolour) word = static_cast<uint32_t>(alpha) << 24 | (colour & 0xFFFFFF);
      else
        word = static_cast<uint32_t>(alpha) << 24 | static_cast<uint32_t>(mix(16)) << 16 |
               static_cast<uint32_t>(mix(8)) << 8 | static_cast<uint32_t>(mix(0));
      PutPixel(frame, dx + i, dy + j, word);
    }
    if (j < ly) xl = std::max(xl + s1, static_cast<float>(lx));
    else if (j == ly) xl = lx;
    else xl = std::min(xl + s2, static_cast<float>(bx));
    if (j < ry) xr = std::min(xr + s2, static_cast<float>(rx));
    else if (j == ry) xr = rx;
    else xr = std::max(xr + s1, static_cast<float>(bx));
  }
}

// 5 x 4 source with every alpha from 0 to 255 and colours that differ in
// each channel.
std::vector<uint32_t> Gradient() {
  std::vector<uint32_t> pixels;
  for (uint32_t row = 0; row < 4; ++row)
    for (uint32_t col = 0; col < 5; ++col) {
      const uint32_t alpha = (row == 0 && col == 2) ? 0 : (row * 5 + col) * 255 / 19;
      pixels.push_back(alpha << 24 | (col * 60) << 16 | (row * 80) << 8 | (255 - col * 50));
    }
  return pixels;
}

struct RotateCase {
  float angle;
  int px, py, dx, dy;
  int tw = 1024, th = 600;
  uint32_t colour = 0;  // 0: RotateImage
};

void PrintTo(const RotateCase& c, std::ostream* os) { *os << c.angle << " degrees about (" << c.px << ", " << c.py << ") to (" << c.dx << ", " << c.dy << ")" << (c.tw != 1024 ? " small target" : "") << (c.colour ? " recoloured" : ""); }

std::vector<RotateCase> RotateCases() {
  std::vector<RotateCase> cases;
  for (float angle : {0.0f, 15.0f, 30.0f, 45.0f, 60.0f, 89.9f, 90.0f, 90.1f, 120.0f, 135.0f, 180.0f, 200.0f,
                      225.0f, 270.0f, 300.0f, 330.0f, 359.0f, 360.0f, -30.0f, -135.0f, -270.0f, -360.0f, 12.345f}) {
    cases.push_back({angle, 2, 1, 100, 100});
    cases.push_back({angle, 0, 0, 300, 200, 1024, 600, 0xC0123456});
  }
  cases.push_back({45.0f, 4, 3, 1, 1});             // parts above and left of the screen
  cases.push_back({30.0f, 0, 0, 1022, 598});        // parts past 1024 and 600
  cases.push_back({60.0f, 2, 2, 48, 38, 50, 40});   // clipped by a small target
  cases.push_back({75.0f, -5, 12, 400, 300});       // pivot outside the image
  cases.push_back({200.0f, 30, -20, 500, 100, 1024, 600, 0xFF00FF00});
  return cases;
}

class RotateAgainstReference : public ::testing::TestWithParam<RotateCase> {};

TEST_P(RotateAgainstReference, GivesTheReferencePixels) {
  const RotateCase& c = GetParam();
  const std::vector<uint32_t> pixels = Gradient();
  const auto image = test::MakeImage(5, 4, pixels);
  auto actual = std::make_unique<FrameBuffer>();
  auto expected = std::make_unique<FrameBuffer>();
  test::FillPattern(*actual);
  test::FillPattern(*expected);
  const RotationSource source = RotationSourceOf(image.get());
  if (c.colour == 0) RotateImage(*actual, source, c.px, c.py, c.dx, c.dy, c.angle, c.tw, c.th);
  else RotateImageRecoloured(*actual, source, c.px, c.py, c.dx, c.dy, c.angle, c.tw, c.th, c.colour);
  ReferenceRotate(*expected, 5, 4, pixels.data(), c.px, c.py, c.dx, c.dy, c.angle, c.tw, c.th, c.colour != 0,
                  c.colour);
  EXPECT_TRUE(test::SameFrame(*actual, *expected)) << "angle " << c.angle << " pivot " << c.px << "," << c.py;
}

INSTANTIATE_TEST_SUITE_P(Cases, RotateAgainstReference, ::testing::ValuesIn(RotateCases()));

TEST(RotateImage, AtZeroDegreesAboutTheOriginReproducesTheImage) {
  const std::vector<uint32_t> pixels = Gradient();
  const auto image = test::MakeImage(5, 4, pixels);
  auto rotated = std::make_unique<FrameBuffer>();
  auto stamped = std::make_unique<FrameBuffer>();
  test::FillPattern(*rotated);
  test::FillPattern(*stamped);
  RotateImage(*rotated, RotationSourceOf(image.get()), 0, 0, 40, 30, 0.0f, 1024, 600);
  DrawImage(*stamped, 40, 30, image.get());
  EXPECT_TRUE(test::SameFrame(*rotated, *stamped));
}

// A quarter or half turn of an opaque image covers the whole turned
// rectangle: every pixel of it takes (nearly) the image's colour. This holds
// where the truncated corners fall on the rectangle, as for these pivots; for
// others (pivot (3, 1) of this image at 90 degrees, say) the corners'
// single-precision noise truncates one row or column short, which the
// reference comparison above pins like every other result.
struct WholeCase {
  int px, py;
  float angle;
};

void PrintTo(const WholeCase& c, std::ostream* os) { *os << c.angle << " degrees about (" << c.px << ", " << c.py << ")"; }

class RotateWhole : public ::testing::TestWithParam<WholeCase> {};

TEST_P(RotateWhole, KeepsTheImageWhole) {
  const WholeCase& c = GetParam();
  const auto image = test::MakeImage(7, 3, std::vector<uint32_t>(21, 0xFF00C8FF));
  auto frame = std::make_unique<FrameBuffer>();
  RotateImage(*frame, RotationSourceOf(image.get()), c.px, c.py, 200, 200, c.angle, 1024, 600);
  // Each source offset (u, v) from the pivot, turned clockwise on the screen.
  for (int v = -c.py; v < 3 - c.py; ++v)
    for (int u = -c.px; u < 7 - c.px; ++u) {
      int i = -u, j = -v;  // 180
      if (c.angle == 90.0f) i = -v, j = u;
      if (c.angle == 270.0f) i = v, j = -u;
      const uint32_t pixel = frame->Pixel(200 + i, 200 + j);
      const std::string where = std::to_string(c.angle) + " degrees, (" + std::to_string(i) + ", " + std::to_string(j) + ")";
      EXPECT_GE(pixel >> 16 & 0xFF, 0xFDu) << where;
      EXPECT_GE(pixel >> 8 & 0xFF, 0xC6u) << where;
      EXPECT_EQ(pixel & 0xFF, 0u) << where;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, RotateWhole,
                         ::testing::Values(WholeCase{0, 0, 90.0f}, WholeCase{0, 0, 270.0f}, WholeCase{6, 2, 180.0f}));

TEST(RotateImage, DrawsNothingFromASourceOfAnotherKind) {
  const auto image = test::MakeImage(3, 2, kSmall);
  RotationSource source = RotationSourceOf(image.get());
  ASSERT_EQ(source.kind, 1);
  source.kind = 2;
  auto frame = std::make_unique<FrameBuffer>();
  RotateImage(*frame, source, 1, 0, 10, 10, 33.0f, 1024, 600);
  RotateImageRecoloured(*frame, source, 1, 0, 10, 10, 33.0f, 1024, 600, 0xFFFFFFFF);
  auto wrong_type = test::MakeImage(3, 2, kSmall);
  wrong_type->words[0] &= ~0xFu;
  EXPECT_EQ(RotationSourceOf(wrong_type.get()).kind, 0);
  RotateImage(*frame, RotationSourceOf(wrong_type.get()), 1, 0, 10, 10, 0.0f, 1024, 600);
  RotateImage(*frame, RotationSourceOf(nullptr), 1, 0, 10, 10, 0.0f, 1024, 600);
  EXPECT_TRUE(test::SameFrame(*frame, FrameBuffer()));
}

TEST(RotateImage, FarPivotsAndAnglesDrawNothingInsteadOfWrapping) {
  const auto image = test::MakeImage(3, 2, kSmall);
  auto frame = std::make_unique<FrameBuffer>();
  RotateImage(*frame, RotationSourceOf(image.get()), 2000000000, -2000000000, 10, 10, 45.0f, 1024, 600);
  RotateImage(*frame, RotationSourceOf(image.get()), 1, 0, 10, 10, std::nanf(""), 1024, 600);
  RotateImage(*frame, RotationSourceOf(image.get()), 1, 0, 10, 10, INFINITY, 1024, 600);
  EXPECT_TRUE(test::SameFrame(*frame, FrameBuffer()));
}

}  // namespace
}  // namespace velk
