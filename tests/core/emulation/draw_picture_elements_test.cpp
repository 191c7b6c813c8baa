#include "emulation/draw_picture_elements.h"

#include <gtest/gtest.h>

#include "support/draw_rig.h"

namespace velk {
namespace {

using test::kBlack;

TEST(ImageElementTest, DrawsTheLibraryPictureAtXY) {
  test::DrawRig rig;
  rig.SetImage(1, 2, 2, {0xFF0000FF, 0x00FFFFFF, 0xFF00FF00, 0xFFFF0000});
  // The picture is what IMAGE shows; change one of its pixels to see that.
  rig.project->images.entries[0].picture.rgb[0] = 0x12;
  rig.Add("IMAGE=X:1023|Y:599|IMAGE:1");
  rig.Add("IMAGE=X:10|Y:20|IMAGE:1");
  rig.Draw();
  test::ExpectPixels(rig, {{10, 20, 0xFF120000}, {11, 20, kBlack}, {10, 21, test::kGreen}, {11, 21, test::kBlue},
                           {1023, 599, 0xFF120000}, {1024, 599, kBlack}, {0, 0, kBlack}});
}

TEST(PictogramTest, UsesThePictureAsAnAlphaMaskInItsColour) {
  test::DrawRig rig;
  rig.SetImage(1, 3, 1, {0xFFFFFFFF, 0x80FFFFFF, 0x00FFFFFF});
  rig.SetColour(7, 0x800000FF);  // red at half opacity
  rig.Add("PICTOGRAM=X:10|Y:20|IMAGE:1|COLOUR:1");
  rig.Add("PICTOGRAM=X:10|Y:30|IMAGE:1|COLOUR:7");
  rig.Draw();
  // Alpha 128 of red over black: 255 x (128 / 255) = 128.
  test::ExpectPixels(rig, {{10, 20, test::kRed}, {11, 20, 0xFF800000}, {12, 20, kBlack}, {10, 30, 0xFF800000},
                           {11, 30, 0xFF400000}, {12, 30, kBlack}});
}

}  // namespace
}  // namespace velk
