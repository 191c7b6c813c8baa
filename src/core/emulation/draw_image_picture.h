#pragma once

#include "emulation/frame_buffer.h"
#include "model/libraries.h"

namespace velk {

// Draws the picture of the image-library entry whose device image is `image`
// (the first 100 entries are searched; entry 1 stands in when none matches)
// with its top-left pixel at (x, y), each pixel composited over the frame
// with its own alpha. Nothing is drawn when `image` is missing or its header
// type is not 5.
void DrawImagePicture(FrameBuffer& frame, const ImageLibrary& images, int x, int y, const DeviceImage* image);

}  // namespace velk
