#pragma once

#include <cstdint>

#include "emulation/frame_buffer.h"
#include "model/libraries.h"

namespace velk {

// Stamps a device image with its top-left pixel at (x, y): every non-empty
// pixel (alpha above 0) is blended in as PutPixel does. Nothing is drawn for
// a missing image or one whose header type is not 5.
void DrawImage(FrameBuffer& frame, int x, int y, const DeviceImage* image);

// Columns first <= col < end of every row; pixel (col, row) lands at
// (x + col - first, y + row). Columns outside the image are not read.
void DrawImageColumns(FrameBuffer& frame, int x, int y, int first, int end, const DeviceImage* image);

// Rows first <= row < end; pixel (col, row) lands at (x + col, y + row - first).
// Rows outside the image are not read.
void DrawImageRows(FrameBuffer& frame, int x, int y, int first, int end, const DeviceImage* image);

// Every non-empty pixel drawn in the RGB of `colour`, with alpha
// trunc(pixel alpha x (colour alpha / 255)).
void DrawImageRecoloured(FrameBuffer& frame, int x, int y, const DeviceImage* image, uint32_t colour);

}  // namespace velk
