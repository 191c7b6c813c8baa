#include "script/writer.h"

#include <array>
#include <charconv>
#include <cstdio>

#include "model/project.h"
#include "script/references.h"

namespace velk {
namespace {

constexpr std::array<std::string_view, 3> kAlignments = {"R", "L", "C"};
constexpr std::array<std::string_view, 2> kLinearTypes = {"H", "V"};
constexpr std::array<std::string_view, 3> kTypes = {"H", "V", "C"};
constexpr std::array<std::string_view, 6> kFormats = {"",          "(XX:XX)",    "(XX:XX:XX)",
                                                      "(X:XX.XXX)", "(XX/XX/XX)", "(MIN:SEC:MS)"};
constexpr std::array<std::string_view, 3> kStyles = {"SOLID", "V_SHADE", "H_SHADE"};

// A word of an enumerated field, or nothing for a value outside its list.
template <size_t N>
std::string_view WordOf(const std::array<std::string_view, N>& words, int64_t value) {
  return value >= 0 && value < static_cast<int64_t>(N) ? words[static_cast<size_t>(value)] : std::string_view();
}

// Builds one element line field by field: "|NAME:" and the value.
class Body {
 public:
  Body& Text(std::string_view name, std::string_view value) {
    text_ += "|";
    text_ += name;
    text_ += ":";
    text_ += value;
    return *this;
  }
  Body& Int(std::string_view name, int64_t value) { return Text(name, std::to_string(value)); }
  // Library numbers are 0-based in the model and 1-based in the script.
  Body& Library(std::string_view name, int32_t value) { return Int(name, int64_t{value} + 1); }
  // Reals as "%f" does it: six digits after the point, whatever the locale.
  Body& Real(std::string_view name, float value) {
    std::array<char, 64> digits;
    const auto result = std::to_chars(digits.begin(), digits.end(), static_cast<double>(value),
                                      std::chars_format::fixed, 6);
    return Text(name, std::string_view(digits.data(), static_cast<size_t>(result.ptr - digits.data())));
  }
  Body& Reference(std::string_view name, Link link) { return Text(name, ReferenceText(link)); }
  // An enumerated word, left out when the value has none.
  template <size_t N>
  Body& Word(std::string_view name, const std::array<std::string_view, N>& words, int64_t value) {
    const std::string_view word = WordOf(words, value);
    return word.empty() ? *this : Text(name, word);
  }

  std::string text_;
};

void WriteKind(Body& body, const RectangleParams& p) {
  body.Int("W", p.w).Int("H", p.h).Library("COLOUR1", p.colour1);
  if (p.style != 0) body.Library("COLOUR2", p.colour2);
  body.Word("STYLE", kStyles, p.style);
}

void WriteKind(Body& body, const ImageParams& p) { body.Library("IMAGE", p.image); }

void WriteKind(Body& body, const PictogramParams& p) { body.Library("IMAGE", p.image).Library("COLOUR", p.colour); }

void WriteKind(Body& body, const BarLParams& p) {
  body.Word("TYPE", kLinearTypes, p.type)
      .Library("IMAGE1", p.image1)
      .Library("IMAGE2", p.image2)
      .Real("FIRST_INPUT", p.first_input)
      .Real("LAST_INPUT", p.last_input)
      .Reference("INPUT", p.input);
}

void WriteKind(Body& body, const TextParams& p) {
  body.Word("ALIGNMENT", kAlignments, p.alignment)
      .Library("COLOUR", p.colour)
      .Library("FONT", p.font)
      .Text("TEXT", "\"" + p.text + "\"");
}

void WriteKind(Body& body, const DigtParams& p) {
  body.Word("ALIGNMENT", kAlignments, p.alignment)
      .Word("FORMAT", kFormats, p.format)
      .Library("COLOUR", p.colour)
      .Library("FONT", p.font)
      .Reference("INPUT", p.input)
      .Int("DPS", p.dps);
}

void WriteKind(Body& body, const BarSParams& p) {
  body.Word("TYPE", kTypes, p.type);
  if (p.type == 2) body.Real("FIRST_ANGLE", p.first_angle).Real("LAST_ANGLE", p.last_angle);
  body.Int("W", p.w)
      .Int("H", p.h)
      .Library("COLOUR1", p.colour1)
      .Library("COLOUR2", p.colour2)
      .Real("FIRST_INPUT", p.first_input)
      .Real("LAST_INPUT", p.last_input)
      .Reference("INPUT", p.input);
}

void WriteKind(Body& body, const BarTParams& p) {
  if (p.type == 0) body.Text("TYPE", "H").Int("W", p.length);
  if (p.type == 1) body.Text("TYPE", "V").Int("H", p.length);
  body.Library("IMAGE", p.image)
      .Real("FIRST_INPUT", p.first_input)
      .Real("LAST_INPUT", p.last_input)
      .Reference("INPUT", p.input);
  if (p.recolour) body.Library("COLOUR", p.colour);
}

void WriteKind(Body& body, const ArrowParams& p) {
  body.Library("IMAGE", p.image)
      .Int("XC", p.xc)
      .Int("YC", p.yc)
      .Real("FIRST_ANGLE", p.first_angle)
      .Real("LAST_ANGLE", p.last_angle)
      .Real("FIRST_INPUT", p.first_input)
      .Real("LAST_INPUT", p.last_input)
      .Reference("INPUT", p.input);
}

void WriteKind(Body& body, const TicksParams& p) {
  body.Int("YC", p.yc)
      .Int("FIRST_VALUE", p.first_value)
      .Int("LAST_VALUE", p.last_value)
      .Int("DIVIDER", p.divider & 0xFF)
      .Library("IMAGE", p.image)
      .Library("COLOUR", p.colour);
  if (p.recolour == 1) body.Text("RECOLOUR", "1");
  body.Word("TYPE", kTypes, p.type);
}

void WriteKind(Body&, const std::monostate&) {}
void WriteKind(Body&, const GroupRef&) {}

std::string ElementLine(const Project& project, const Struct_gr_element& element) {
  Body body;
  body.Int("PAGE", element.page).Reference("ENABLE", element.enable);
  if (element.group_number != 0) body.Text("GROUP", "\"" + project.groups[element.group_number].name + "\"");
  body.Int("X", element.x).Int("Y", element.y);
  std::visit([&](const auto& params) { WriteKind(body, params); }, element.params);
  // The body starts with the first field's separator, which the line has as "=".
  std::string line(kElementKeywords[element.kind]);
  line += "=" + body.text_.substr(1) + ";";
  if (!element.comment.empty()) line += "//" + element.comment;
  return line;
}

std::string Hex8(uint32_t value) {
  std::array<char, 16> text;
  std::snprintf(text.data(), text.size(), "0x%.8X", value);
  return text.data();
}

}  // namespace

bool IsDisplayPartStatement(std::string_view statement) {
  if (!statement.empty() && statement[0] == '@') {
    const size_t equals = statement.find('=');
    statement = equals == std::string_view::npos ? std::string_view() : statement.substr(equals + 1);
  }
  const std::string_view head = statement.substr(0, statement.find('='));
  if (head.size() == statement.size()) return false;
  const std::string_view keyword = head.substr(0, head.find('.'));
  if (keyword.size() < head.size())
    return keyword == "IMAGE_LOAD" || keyword == "FONT_LOAD" || keyword == "COLOR_PALETTE";
  for (uint32_t kind = 0; kind < kElementKeywords.size(); ++kind)
    if (kind != kKindGroup && kElementKeywords[kind] == keyword) return !keyword.starts_with("GR_No");
  return false;
}

std::string ReferenceText(Link link) {
  std::string name = SlotName(link);
  return name.empty() ? "ERROR_NO_LINK" : name;
}

void WriteScript(const Project& project, std::vector<std::string>& lines) {
  lines.clear();
  lines.push_back("     //Ver.1.01;");
  for (size_t i = 0; i < project.images.entries.size(); ++i)
    lines.push_back("IMAGE_LOAD." + std::to_string(i + 1) + "=\"" + project.images.entries[i].file_name + "\";");
  for (size_t i = 0; i < project.palette.count && i < kPaletteSize; ++i)
    lines.push_back("COLOR_PALETTE." + std::to_string(i + 1) + "=" + Hex8(SwapRedBlue(project.palette.colours[i])) + ";");
  for (size_t i = 0; i < project.fonts.names.size(); ++i)
    lines.push_back("FONT_LOAD." + std::to_string(i + 1) + "=\"" + project.fonts.names[i] + "\";");
  for (size_t page = 1; page <= kPageCount; ++page) {
    lines.push_back("     //=======Page:" + std::to_string(page));
    for (const Struct_gr_element& element : project.pages[page - 1].elements)
      if (element.kind != kKindGroup && element.kind < kElementKeywords.size())
        lines.push_back(ElementLine(project, element));
  }
  lines.push_back("GREND;");
  if (project.logic_text.empty()) lines.push_back("END;");
  else lines.insert(lines.end(), project.logic_text.begin(), project.logic_text.end());
}

}  // namespace velk
