#pragma once

#include <string>
#include <string_view>

#include "model/input_references.h"
#include "model/link.h"

namespace velk {

struct Project;

inline constexpr Link kLinkHi{RowOf("HI"), 1};
inline constexpr Link kLinkLo{RowOf("LO"), 1};

// NAME, NAME.n or @name to a link of the required kind, or an empty link.
Link ResolveDigital(const Project& project, std::string_view text);
Link ResolveAnalogue(const Project& project, std::string_view text);

// A reply-buffer reference over the request block table, or an empty link.
RequestLink ResolveRequest(std::string_view text);

// "NAME" for a family of one instance, "NAME.n" otherwise; empty when no
// entry of the table of input references denotes the slot.
std::string SlotName(Link link);

// The first @name bound to the link, else SlotName.
std::string SlotNameOrAlias(const Project& project, Link link);

ValueKind SlotKind(Link link);

// Binds an @name to a slot. An empty name succeeds without effect; a full
// table sets the parser message "Достигнут предел на кол-во имен"; a name
// that exists already fails silently; a name of more than 63 bytes fails.
bool AddDigitalName(Project& project, std::string_view name, Link link);
bool AddAnalogueName(Project& project, std::string_view name, Link link);

}  // namespace velk
