#include "script/element_statements.h"

#include <array>
#include <climits>

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
int32_t LibraryNumber(std::string_view value) {
  const int32_t number = ParseInteger(value);
  return number == INT32_MIN ? number : number - 1;
}

// The kind fields' readers: each stores and reports the field as taken.
Field Integer(std::string_view text, int32_t& field) {
  field = ParseInteger(text);
  return Field::Taken;
}

Field Library(std::string_view text, int32_t& field) {
  field = LibraryNumber(text);
  return Field::Taken;
}

Field Real(std::string_view text, float& field) {
  field = ParseReal(text);
  return Field::Taken;
}

template <size_t N, class T>
Field Word(const std::array<std::string_view, N>& words, std::string_view text, T& field) {
  const int index = WordIndex(words, text);
  if (index < 0) return Field::Rejected;
  field = static_cast<T>(index);
  return Field::Taken;
}

// The value input of an element, with the @name it was given through kept so
// that Build can link it again.
Field Input(const Project& project, std::string_view text, Link& input, std::string& name) {
  input = ResolveAnalogue(project, text);
  name = !text.empty() && text[0] == '@' ? std::string(text) : std::string();
  return Taken(!input.Empty());
}

// A quoted text loses its first and last characters, whatever they are.
Field QuotedText(std::string_view text, size_t limit, std::string& field) {
  if (text.size() < 2 || text.size() - 2 > limit) return Field::Rejected;
  field = text.substr(1, text.size() - 2);
  return Field::Taken;
}

constexpr std::array<std::string_view, 3> kAlignments = {"R", "L", "C"};
constexpr std::array<std::string_view, 2> kLinearTypes = {"H", "V"};
constexpr std::array<std::string_view, 3> kTypes = {"H", "V", "C"};
constexpr std::array<std::string_view, 6> kFormats = {"(NUMERIC)",  "(XX:XX)",   "(XX:XX:XX)",
                                                      "(X:XX.XXX)", "(XX/XX/XX)", "(MIN:SEC:MS)"};

// Sets the common defaults, then reads every field: the common ones here, the
// kind's through `kind_field`. A PAGE outside 1..10 is kept as 0 and refused
// at the end, since a later PAGE field may still correct it.
template <class Params, class KindField>
bool ParseElement(Project& project, Struct_gr_element& element, std::string_view value, Params defaults,
                  KindField kind_field) {
  element.page = 1;
  element.enable = kLinkHi;
  element.enable_name.clear();
  element.group.clear();
  element.x = 0;
  element.y = 0;
  element.params = defaults;
  Params& params = std::get<Params>(element.params);
  const bool read = ReadFields(value, [&](std::string_view name, std::string_view text) {
    Field result = ParseCommonField(project, element, name, text);
    if (result == Field::Unknown) result = kind_field(params, name, text);
    return result == Field::Taken;
  });
  return read && element.page != 0;
}

}  // namespace

bool ParseRectangle(Project& project, Struct_gr_element& element, std::string_view value) {
  return ParseElement(project, element, value, RectangleParams{},
                      [](RectangleParams& p, std::string_view name, std::string_view text) {
                        constexpr std::array<std::string_view, 3> kStyles = {"SOLID", "V_SHADE", "H_SHADE"};
                        if (name == "W") return Integer(text, p.w);
                        if (name == "H") return Integer(text, p.h);
                        if (name == "COLOUR1") return Library(text, p.colour1);
                        if (name == "COLOUR2") return Library(text, p.colour2);
                        if (name == "STYLE") return Word(kStyles, text, p.style);
                        return Field::Unknown;
                      });
}

bool ParseText(Project& project, Struct_gr_element& element, std::string_view value) {
  return ParseElement(project, element, value, TextParams{},
                      [](TextParams& p, std::string_view name, std::string_view text) {
                        if (name == "ALIGNMENT") return Word(kAlignments, text, p.alignment);
                        if (name == "COLOUR") return Library(text, p.colour);
                        if (name == "FONT") return Library(text, p.font);
                        if (name == "TEXT") return QuotedText(text, kMaxTextBytes, p.text);
                        return Field::Unknown;
                      });
}

bool ParseDigt(Project& project, Struct_gr_element& element, std::string_view value) {
  return ParseElement(project, element, value, DigtParams{},
                      [&](DigtParams& p, std::string_view name, std::string_view text) {
                        if (name == "ALIGNMENT") return Word(kAlignments, text, p.alignment);
                        if (name == "FORMAT") return Word(kFormats, text, p.format);
                        if (name == "COLOUR") return Library(text, p.colour);
                        if (name == "FONT") return Library(text, p.font);
                        if (name == "INPUT") return Input(project, text, p.input, p.input_name);
                        if (name != "DPS") return Field::Unknown;
                        p.dps = static_cast<uint8_t>(ParseInteger(text));
                        return Field::Taken;
                      });
}

bool ParseImage(Project& project, Struct_gr_element& element, std::string_view value) {
  return ParseElement(project, element, value, ImageParams{},
                      [](ImageParams& p, std::string_view name, std::string_view text) {
                        if (name == "IMAGE") return Library(text, p.image);
                        return Field::Unknown;
                      });
}

bool ParsePictogram(Project& project, Struct_gr_element& element, std::string_view value) {
  return ParseElement(project, element, value, PictogramParams{},
                      [](PictogramParams& p, std::string_view name, std::string_view text) {
                        if (name == "IMAGE") return Library(text, p.image);
                        if (name == "COLOUR") return Library(text, p.colour);
                        return Field::Unknown;
                      });
}

bool ParseTicks(Project& project, Struct_gr_element& element, std::string_view value) {
  TicksParams defaults;
  defaults.divider = 2;
  defaults.type = 2;
  return ParseElement(project, element, value, defaults,
                      [](TicksParams& p, std::string_view name, std::string_view text) {
                        if (name == "YC") return Integer(text, p.yc);
                        if (name == "IMAGE") return Library(text, p.image);
                        if (name == "COLOUR") return Library(text, p.colour);
                        if (name == "TYPE") return Word(kTypes, text, p.type);
                        if (name == "FIRST_VALUE") p.first_value = CutToInteger(ParseReal(text));
                        else if (name == "LAST_VALUE") p.last_value = CutToInteger(ParseReal(text));
                        else if (name == "DIVIDER") p.divider = ParseInteger(text) & 0xFF;
                        else if (name == "RECOLOUR") p.recolour = static_cast<uint8_t>(ParseInteger(text));
                        else return Field::Unknown;
                        return Field::Taken;
                      });
}

bool ParseBarT(Project& project, Struct_gr_element& element, std::string_view value) {
  return ParseElement(project, element, value, BarTParams{},
                      [&](BarTParams& p, std::string_view name, std::string_view text) {
                        if (name == "W" || name == "H") return Integer(text, p.length);
                        if (name == "TYPE") return Word(kLinearTypes, text, p.type);
                        if (name == "IMAGE") return Library(text, p.image);
                        if (name == "FIRST_INPUT") return Real(text, p.first_input);
                        if (name == "LAST_INPUT") return Real(text, p.last_input);
                        if (name == "INPUT") return Input(project, text, p.input, p.input_name);
                        if (name != "COLOUR") return Field::Unknown;
                        p.recolour = 1;
                        return Library(text, p.colour);
                      });
}

bool ParseBarS(Project& project, Struct_gr_element& element, std::string_view value) {
  BarSParams defaults;
  defaults.w = 20;
  defaults.h = 100;
  defaults.first_angle = -150;
  defaults.last_angle = 150;
  return ParseElement(project, element, value, defaults,
                      [&](BarSParams& p, std::string_view name, std::string_view text) {
                        if (name == "W") return Integer(text, p.w);
                        if (name == "H") return Integer(text, p.h);
                        if (name == "TYPE") return Word(kTypes, text, p.type);
                        if (name == "COLOUR1") return Library(text, p.colour1);
                        if (name == "COLOUR2") return Library(text, p.colour2);
                        if (name == "FIRST_INPUT") return Real(text, p.first_input);
                        if (name == "LAST_INPUT") return Real(text, p.last_input);
                        if (name == "INPUT") return Input(project, text, p.input, p.input_name);
                        if (name == "FIRST_ANGLE") return Real(text, p.first_angle);
                        if (name == "LAST_ANGLE") return Real(text, p.last_angle);
                        return Field::Unknown;
                      });
}

bool ParseBarL(Project& project, Struct_gr_element& element, std::string_view value) {
  return ParseElement(project, element, value, BarLParams{},
                      [&](BarLParams& p, std::string_view name, std::string_view text) {
                        if (name == "TYPE") return Word(kLinearTypes, text, p.type);
                        if (name == "IMAGE1") return Library(text, p.image1);
                        if (name == "IMAGE2") return Library(text, p.image2);
                        if (name == "FIRST_INPUT") return Real(text, p.first_input);
                        if (name == "LAST_INPUT") return Real(text, p.last_input);
                        if (name == "INPUT") return Input(project, text, p.input, p.input_name);
                        if (name != "COLOUR1" && name != "COLOUR2") return Field::Unknown;
                        p.recolour = 1;
                        return Library(text, name == "COLOUR1" ? p.colour1 : p.colour2);
                      });
}

bool ParseArrow(Project& project, Struct_gr_element& element, std::string_view value) {
  return ParseElement(project, element, value, ArrowParams{},
                      [&](ArrowParams& p, std::string_view name, std::string_view text) {
                        if (name == "IMAGE") return Library(text, p.image);
                        if (name == "COLOUR") return Library(text, p.colour);
                        if (name == "XC") return Integer(text, p.xc);
                        if (name == "YC") return Integer(text, p.yc);
                        if (name == "FIRST_ANGLE") return Real(text, p.first_angle);
                        if (name == "LAST_ANGLE") return Real(text, p.last_angle);
                        if (name == "FIRST_INPUT") return Real(text, p.first_input);
                        if (name == "LAST_INPUT") return Real(text, p.last_input);
                        if (name == "INPUT") return Input(project, text, p.input, p.input_name);
                        return Field::Unknown;
                      });
}

}  // namespace velk
