#include "emulation/draw_image_picture.h"

#include <gtest/gtest.h>

#include <memory>

#include "support/frames.h"

namespace velk {
namespace {

Picture MakePicture(int width, int height, uint8_t red, uint8_t green, uint8_t blue, std::vector<uint8_t> alpha) {
  Picture picture;
  picture.width = width;
  picture.height = height;
  for (int i = 0; i < width * height; ++i) picture.rgb.insert(picture.rgb.end(), {red, green, blue});
  picture.alpha = std::move(alpha);
  return picture;
}

// Two library entries with different pictures; the device images only
// identify the entry.
struct Library {
  ImageLibrary images;
  std::shared_ptr<DeviceImage> first = test::MakeImage(2, 1, {0, 0});
  std::shared_ptr<DeviceImage> second = test::MakeImage(2, 1, {0, 0});
  std::shared_ptr<DeviceImage> stranger = test::MakeImage(2, 1, {0, 0});
  Library() {
    images.entries.push_back({"a.png", MakePicture(2, 1, 200, 100, 0, {255, 128}), {}, first});
    images.entries.push_back({"b.png", MakePicture(2, 1, 10, 20, 30, {0, 255}), {}, second});
  }
};

TEST(DrawImagePicture, CompositesThePictureOfTheMatchingEntry) {
  Library library;
  auto frame = std::make_unique<FrameBuffer>();
  frame->Row(7)[5] = frame->Row(7)[6] = 0xFF64C8FF;  // (100, 200, 255)
  DrawImagePicture(*frame, library.images, 5, 7, library.first.get());
  EXPECT_EQ(frame->Pixel(5, 7), 0xFFC86400u);  // alpha 255: the picture's bytes
  // alpha 128: (200 x 128 + 100 x 127 + 127) / 255 = 150, (100 x 128 + 200 x 127 + 127) / 255 = 150,
  // (0 x 128 + 255 x 127 + 127) / 255 = 127
  EXPECT_EQ(frame->Pixel(6, 7), 0xFF96967Fu);

  DrawImagePicture(*frame, library.images, 5, 7, library.second.get());
  EXPECT_EQ(frame->Pixel(5, 7), 0xFFC86400u);  // alpha 0 keeps the frame
  EXPECT_EQ(frame->Pixel(6, 7), 0xFF0A141Eu);
}

TEST(DrawImagePicture, FallsBackToTheFirstEntryAndClips) {
  Library library;
  auto frame = std::make_unique<FrameBuffer>();
  DrawImagePicture(*frame, library.images, 1023, 599, library.stranger.get());
  EXPECT_EQ(frame->Pixel(1023, 599), 0xFFC86400u);
  EXPECT_EQ(frame->Pixel(1024, 599), 0xFF000000u);  // the extra column is never drawn
  DrawImagePicture(*frame, library.images, -1, 0, library.stranger.get());
  EXPECT_EQ(frame->Pixel(0, 0), 0xFF643200u);  // only the half-transparent pixel lands, over black
}

TEST(DrawImagePicture, DrawsNothingWithoutADrawableImageOrEntry) {
  Library library;
  auto wrong_type = test::MakeImage(2, 1, {0, 0});
  wrong_type->words[0] &= ~0xFu;
  auto frame = std::make_unique<FrameBuffer>();
  DrawImagePicture(*frame, library.images, 0, 0, nullptr);
  DrawImagePicture(*frame, library.images, 0, 0, wrong_type.get());
  DrawImagePicture(*frame, ImageLibrary{}, 0, 0, library.first.get());
  EXPECT_TRUE(test::SameFrame(*frame, FrameBuffer()));
}

}  // namespace
}  // namespace velk
