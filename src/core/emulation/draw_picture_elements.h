#pragma once

#include "emulation/frame_buffer.h"
#include "model/elements.h"

namespace velk {

struct Project;

// IMAGE: the library picture of its image at (X, Y), with its own alpha.
void DrawImageElement(FrameBuffer& frame, const Project& project, const Struct_gr_element& element,
                      const ImageParams& params);

// PICTOGRAM: its image used as an alpha mask, drawn in COLOUR at (X, Y).
void DrawPictogram(FrameBuffer& frame, const Project& project, const Struct_gr_element& element,
                   const PictogramParams& params);

}  // namespace velk
