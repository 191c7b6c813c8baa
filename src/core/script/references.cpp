#include "script/references.h"

#include "model/project.h"
#include "script/lexical.h"

namespace velk {
namespace {

Link Resolve(const Project& project, std::string_view text, ValueKind kind) {
  const Indexed reference = SplitIndexed(text);
  for (size_t i = 0; i < kInputReferences.size(); ++i) {
    const InputReference& entry = kInputReferences[i];
    if (entry.kind != kind || entry.name != reference.name) continue;
    if (reference.instance < 1 || reference.instance > entry.count) return {};
    return Link{static_cast<uint16_t>(i + 1), static_cast<uint16_t>(reference.instance)};
  }
  for (const NameEntry& entry : project.names) {
    if (entry.name != text) continue;
    const Link link = kind == ValueKind::Digital ? entry.digital : entry.analogue;
    if (!link.Empty()) return link;
  }
  return {};
}

bool AddName(Project& project, std::string_view name, Link digital, Link analogue) {
  // A statement without an @name passes through here too; a full table must
  // not refuse it, so the empty name is let through before the limit.
  if (name.empty()) return true;
  if (project.names.size() >= kMaxNames) {
    project.parser_message = "Достигнут предел на кол-во имен";
    return false;
  }
  for (const NameEntry& entry : project.names)
    if (entry.name == name) return false;
  if (name.size() > kMaxNameBytes) {
    project.parser_message = "@name longer than 63 bytes";
    return false;
  }
  project.names.push_back(NameEntry{std::string(name), digital, analogue});
  return true;
}

}  // namespace

Link ResolveDigital(const Project& project, std::string_view text) {
  return Resolve(project, text, ValueKind::Digital);
}

Link ResolveAnalogue(const Project& project, std::string_view text) {
  return Resolve(project, text, ValueKind::Analogue);
}

RequestLink ResolveRequest(std::string_view text) {
  const Indexed reference = SplitIndexed(text);
  for (size_t i = 0; i < kRequestFamilies.size(); ++i) {
    const RequestFamily& family = kRequestFamilies[i];
    if (reference.has_dot != (family.count > 1) || family.name != reference.name) continue;
    if (reference.instance < 1 || reference.instance > family.count) return {};
    return RequestLink{static_cast<uint16_t>(i + 1), static_cast<uint16_t>(reference.instance)};
  }
  return {};
}

std::string SlotName(Link link) {
  if (SlotKind(link) == ValueKind::None) return {};
  const InputReference& entry = *ReferenceOfRow(link.row);
  if (entry.count == 1) return std::string(entry.name);
  return std::string(entry.name) + "." + std::to_string(link.instance);
}

std::string SlotNameOrAlias(const Project& project, Link link) {
  if (!link.Empty())
    for (const NameEntry& entry : project.names)
      if (entry.digital == link || entry.analogue == link) return entry.name;
  return SlotName(link);
}

ValueKind SlotKind(Link link) {
  const InputReference* entry = ReferenceOfRow(link.row);
  if (!entry || link.instance < 1 || link.instance > entry->count) return ValueKind::None;
  return entry->kind;
}

bool AddDigitalName(Project& project, std::string_view name, Link link) {
  return AddName(project, name, link, {});
}

bool AddAnalogueName(Project& project, std::string_view name, Link link) {
  return AddName(project, name, {}, link);
}

}  // namespace velk
