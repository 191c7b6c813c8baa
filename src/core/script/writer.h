#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/link.h"

namespace velk {

struct Project;

// The text written for an input reference: the slot's name, or
// "ERROR_NO_LINK" for a link that denotes no slot. @names are never written.
std::string ReferenceText(Link link);

// The project as script lines: the display part generated from the model,
// then "GREND;" and the logic text (or "END;" when it has no line). The lines
// carry no line ends; a file takes CR LF after each.
void WriteScript(const Project& project, std::vector<std::string>& lines);

// Whether the writer generates a statement of this kind into the display
// part (library declarations and elements). The statement is one line after
// the lexical rules, without its ";".
bool IsDisplayPartStatement(std::string_view statement);

}  // namespace velk
