#pragma once

#include <cstdint>

#include "model/elements.h"

namespace velk {

struct Project;

// How the editor marks an element.
enum ExtentStyle : int32_t {
  kNoExtent = 0,        // GROUP entries and kinds without drawing
  kExtentRectangle = 1,
  kExtentCross = 2,     // a 30 x 30 square about (X, Y) with a cross
};

// An element's extent: the area from (X + dx, Y + dy) of width x height, in
// the order of the element's drawn bounds.
struct ElementExtentBox {
  int32_t style = kNoExtent;
  int32_t dx = 0;
  int32_t dy = 0;
  int32_t width = 0;
  int32_t height = 0;

  friend bool operator==(const ElementExtentBox&, const ElementExtentBox&) = default;
};

// The extent by which the editor selects and outlines an element:
// - IMAGE, PICTOGRAM: the picture; BAR_L: IMAGE1; RECTANGLE: W x H;
// - TEXT, DIGT: the text's width (DIGT: its current text) by the font's size
//   field, moved left as the alignment moves the text;
// - BAR_S H and V: W x H; BAR_T: the track length by the thumb's height (H)
//   or the thumb's width by the length (V);
// - BAR_S C, ARROW, TICKS: the cross.
// A missing picture or font measures 0 x 0.
ElementExtentBox ElementExtent(const Project& project, const Struct_gr_element& element);

}  // namespace velk
