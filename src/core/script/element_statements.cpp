#include "script/element_statements.h"

#include <array>

#include "model/project.h"
#include "script/lexical.h"
#include "script/numbers.h"
#include "script/references.h"

namespace velk {
namespace {

enum class Field { Taken, Rejected, Unknown };

Field Taken(bool ok) { return ok ? Field::Taken : Field::Rejected; }

bool ParseGroup(Struct_gr_element& element, std::string_view value) {
  if (value.empty() || value[0] == '0') {
    element.group.clear();
    return true;
  }
  if (value[0] != '"') {
    element.group = value.substr(0, 1);
    return true;
  }
  if (value.size() < 2) return false;
  element.group = value.substr(1, value.size() - 2);
  return element.group.size() <= kMaxGroupNameBytes;
}

Field ParseCommonField(const Project& project, Struct_gr_element& element, std::string_view name,
                       std::string_view value) {
  if (name == "PAGE") {
    const int32_t page = ParseInteger(value);
    element.page = page >= 1 && page <= static_cast<int32_t>(kPageCount) ? static_cast<uint8_t>(page) : 0;
    return Field::Taken;
  }
  if (name == "ENABLE") {
    element.enable = ResolveDigital(project, value);
    element.enable_name = !value.empty() && value[0] == '@' ? std::string(value) : std::string();
    return Taken(!element.enable.Empty());
  }
  if (name == "GROUP") return Taken(ParseGroup(element, value));
  if (name == "X") {
    element.x = ParseInteger(value);
    return Field::Taken;
  }
  if (name == "Y") {
    element.y = ParseInteger(value);
    return Field::Taken;
  }
  return Field::Unknown;
}

// Library numbers are 1-based in the script and 0-based in the model.
int32_t LibraryNumber(std::string_view value) { return ParseInteger(value) - 1; }

// Sets the common defaults, then reads every field: the common ones here, the
// kind's through `kind_field`. A PAGE outside 1..10 is kept as 0 and refused
// at the end, since a later PAGE field may still correct it.
template <class KindField>
bool ParseElement(Project& project, Struct_gr_element& element, std::string_view value,
                  KindField kind_field) {
  element.page = 1;
  element.enable = kLinkHi;
  element.enable_name.clear();
  element.group.clear();
  element.x = 0;
  element.y = 0;
  const bool read = ReadFields(value, [&](std::string_view name, std::string_view text) {
    Field result = ParseCommonField(project, element, name, text);
    if (result == Field::Unknown) result = kind_field(name, text);
    return result == Field::Taken;
  });
  return read && element.page != 0;
}

}  // namespace

bool ParseRectangle(Project& project, Struct_gr_element& element, std::string_view value) {
  auto& rectangle = std::get<RectangleParams>(element.params);
  rectangle = RectangleParams{};
  return ParseElement(project, element, value, [&](std::string_view name, std::string_view text) {
    constexpr std::array<std::string_view, 3> kStyles = {"SOLID", "V_SHADE", "H_SHADE"};
    if (name == "W") rectangle.w = ParseInteger(text);
    else if (name == "H") rectangle.h = ParseInteger(text);
    else if (name == "COLOUR1") rectangle.colour1 = LibraryNumber(text);
    else if (name == "COLOUR2") rectangle.colour2 = LibraryNumber(text);
    else if (name == "STYLE") return Taken(ReadWord(kStyles, text, rectangle.style));
    else return Field::Unknown;
    return Field::Taken;
  });
}

}  // namespace velk
