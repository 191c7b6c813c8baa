#pragma once

#include <cstdint>
#include <string>

#include "emulation/frame_buffer.h"
#include "model/elements.h"

namespace velk {

struct Project;

// Where a text of `width` pixels starts relative to X: at X for ALIGNMENT R
// (the text runs to the right of X), X - width for L (it ends at X) and
// X - floor(width / 2) for C (centred on X). Any other alignment counts as R.
int64_t AlignmentOffset(int32_t alignment, int64_t width);

// TEXT: its UTF-8 text in FONT and COLOUR, aligned on X, with Y the top of the
// line. Nothing is drawn without the font or the colour.
void DrawTextElement(FrameBuffer& frame, const Project& project, const Struct_gr_element& element,
                     const TextParams& params);

// The text a DIGT shows now (its INPUT's value in its FORMAT); false when it
// shows nothing: no INPUT, or no text for the value (DigtText).
bool CurrentDigtText(const Project& project, const DigtParams& params, std::string& text);

// DIGT: the current text, drawn as TEXT draws its text.
void DrawDigt(FrameBuffer& frame, const Project& project, const Struct_gr_element& element, const DigtParams& params);

}  // namespace velk
