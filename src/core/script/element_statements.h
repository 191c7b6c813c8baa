#pragma once

#include <string_view>

#include "model/elements.h"

namespace velk {

struct Project;

// Element parsers: each fills a new element, whose kind and fresh parameter
// record are set, from the field list after "=".
bool ParseRectangle(Project& project, Struct_gr_element& element, std::string_view value);

}  // namespace velk
