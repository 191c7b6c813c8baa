#pragma once

#include <string_view>

namespace velk {

struct Project;

// One statement after the lexical rules, without its ";". Returns 0 when it
// was accepted and 1 when it was rejected; it may leave a text in the parser
// message either way.
int ParseStatement(Project& project, std::string_view statement);

}  // namespace velk
