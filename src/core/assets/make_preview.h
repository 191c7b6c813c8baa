#pragma once

#include "model/libraries.h"

namespace velk {

// The largest side of a preview.
inline constexpr int kPreviewSide = 145;

// Fits a picture into at most 145 x 145 pixels, keeping its aspect ratio and
// never enlarging it, and resamples it bilinearly (in single precision, with
// truncation) into `preview`, alpha included.
void MakePreview(const Picture& picture, Picture& preview);

}  // namespace velk
