#pragma once

#include <string>

#include "emulation/frame_buffer.h"

namespace velk {

// Writes the screen of a frame, 1024 x 600 (the frame's extra column left
// out), as an 8-bit RGB PNG. The file is written beside `path` under another
// name and then renamed, so `path` is replaced only by a whole picture.
// False, with `reason` saying why, when the file cannot be written.
bool WriteFramePng(const FrameBuffer& frame, const std::string& path, std::string& reason);

}  // namespace velk
