#pragma once

#include <string_view>

#include "model/elements.h"

namespace velk {

struct Project;

// Element parsers: each fills a new element, whose kind is set, with the
// common and the kind's defaults and then the field list after "=".
bool ParseRectangle(Project& project, Struct_gr_element& element, std::string_view value);
bool ParseText(Project& project, Struct_gr_element& element, std::string_view value);
bool ParseDigt(Project& project, Struct_gr_element& element, std::string_view value);
bool ParseImage(Project& project, Struct_gr_element& element, std::string_view value);
bool ParsePictogram(Project& project, Struct_gr_element& element, std::string_view value);
bool ParseTicks(Project& project, Struct_gr_element& element, std::string_view value);
bool ParseBarT(Project& project, Struct_gr_element& element, std::string_view value);
bool ParseBarS(Project& project, Struct_gr_element& element, std::string_view value);
bool ParseBarL(Project& project, Struct_gr_element& element, std::string_view value);
bool ParseArrow(Project& project, Struct_gr_element& element, std::string_view value);

}  // namespace velk
