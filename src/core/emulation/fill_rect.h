#pragma once

#include <cstdint>

#include "emulation/frame_buffer.h"

namespace velk {

// Blends `colour` (0xAABBGGRR) into every pixel of the rectangle, exactly as
// PutPixel would pixel by pixel; the parts off the screen are dropped.
void FillRect(FrameBuffer& frame, int x, int y, int width, int height, uint32_t colour);

}  // namespace velk
