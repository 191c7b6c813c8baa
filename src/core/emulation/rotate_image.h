#pragma once

#include <cstdint>

#include "emulation/frame_buffer.h"
#include "model/libraries.h"

namespace velk {

// What the rotation reads: a width x height device image whose pixels start
// at `pixels`. Only kind 1 is readable; any other reads as transparent black.
struct RotationSource {
  uint16_t width = 0;
  uint16_t height = 0;
  uint8_t kind = 0;
  const uint32_t* pixels = nullptr;
};

// The rotation view of a device image: kind 1 for a readable image of header
// type 5, kind 0 (nothing drawn) otherwise.
RotationSource RotationSourceOf(const DeviceImage* image);

// Draws the source turned by `angle` degrees (positive: clockwise on the
// screen) about its pixel (px, py), which lands at (dx, dy); bilinearly
// sampled over the turned rectangle and blended through PutPixel. Only
// destination pixels inside target width x height (and the screen) are drawn.
// Angles are expected within -360..+360 degrees.
void RotateImage(FrameBuffer& frame, const RotationSource& source, int px, int py, int dx, int dy, float angle,
                 uint16_t target_width, uint16_t target_height);

// The same scan, but only the interpolated alpha comes from the source; the
// RGB is the colour's.
void RotateImageRecoloured(FrameBuffer& frame, const RotationSource& source, int px, int py, int dx, int dy,
                           float angle, uint16_t target_width, uint16_t target_height, uint32_t colour);

}  // namespace velk
