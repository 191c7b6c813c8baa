#pragma once

#include <string>

#include "model/libraries.h"

namespace velk {

// Reads a PNG file of any colour type, bit depth and interlacing into a
// picture of 8-bit RGB and an 8-bit alpha plane: palette and grey images are
// expanded to RGB, grey levels below 8 bits are scaled to 0..255, 16-bit
// samples keep their high byte, a tRNS chunk becomes alpha (0 for the keyed
// colour or the palette entry's value) and images without alpha are opaque.
// No gamma or background colour is applied: the pixels are the file's.
// False, with `reason` saying why, when the file does not open, is not a
// valid PNG, or is wider or higher than `max_side` pixels (refused from its
// header, before any pixel memory is taken).
bool ReadPngPicture(const std::string& path, int max_side, Picture& picture, std::string& reason);

}  // namespace velk
