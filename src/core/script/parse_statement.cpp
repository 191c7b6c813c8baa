#include "script/parse_statement.h"

#include <array>
#include <optional>
#include <string>

#include "model/project.h"
#include "script/can_statements.h"
#include "script/display_statements.h"
#include "script/element_statements.h"
#include "script/lexical.h"
#include "script/logic_statements.h"
#include "script/references.h"
#include "script/setting_statements.h"

namespace velk {
namespace {

using ElementParser = bool (*)(Project&, Struct_gr_element&, std::string_view);
using UnindexedParser = bool (*)(Project&, std::string_view);
using IndexedParser = bool (*)(Project&, int32_t, std::string_view);

// A keyword whose parser is still null is rejected like an unknown one.
struct ElementStatement {
  std::string_view keyword;
  uint32_t kind;
  ElementParser parser;
};

struct UnindexedStatement {
  std::string_view keyword;
  UnindexedParser parser;
};

// What an accepted indexed statement does afterwards: the block it registers
// for evaluation, and the family whose instance n its @name names.
struct IndexedStatement {
  std::string_view keyword;
  IndexedParser parser;
  std::optional<BlockKind> registered;
  std::string_view named;
};

constexpr std::array<ElementStatement, 10> kElementStatements = {{
    {"RECTANGLE", kKindRectangle, ParseRectangle},
    {"TEXT", kKindText, ParseText},
    {"DIGT", kKindDigt, ParseDigt},
    {"IMAGE", kKindImage, ParseImage},
    {"TICKS", kKindTicks, ParseTicks},
    {"BAR_T", kKindBarT, ParseBarT},
    {"BAR_S", kKindBarS, ParseBarS},
    {"BAR_L", kKindBarL, ParseBarL},
    {"ARROW", kKindArrow, ParseArrow},
    {"PICTOGRAM", kKindPictogram, ParsePictogram},
}};

constexpr std::array<UnindexedStatement, 17> kUnindexedStatements = {{
    {"VELK_RPM", ParseVelkRpm},
    {"VELK_OILP", ParseVelkOilP},
    {"VELK_OILT", ParseVelkOilT},
    {"VELK_FUELP", ParseVelkFuelP},
    {"VELK_FUELL", ParseVelkFuelL},
    {"VELK_MAP", ParseVelkMap},
    {"VELK_GEAR", ParseVelkGear},
    {"VELK_ENGT", ParseVelkEngT},
    {"VELK_AIRT", ParseVelkAirT},
    {"VELK_SPEED", ParseVelkSpeed},
    {"VELK_AFR", ParseVelkAfr},
    {"PAGE", ParsePageSource},
    {"BRIGHTNESS", ParseBrightness},
    {"LOGGER_ITEM", ParseLoggerItem},
    {"LOGGER_SETUP", ParseLoggerSetup},
    {"TV_SETUP", ParseTvSetup},
    {"IGNITION_HOLD", ParseIgnitionHold},
}};

constexpr std::array<IndexedStatement, 25> kIndexedStatements = {{
    {"IMAGE_LOAD", ParseImageLoad, std::nullopt, {}},
    {"FONT_LOAD", ParseFontLoad, std::nullopt, {}},
    {"COLOR_PALETTE", ParseColorPalette, std::nullopt, {}},
    {"LED", ParseLed, std::nullopt, {}},
    {"AUX", ParseAux, std::nullopt, {}},
    {"CAN_STREAM", ParseCanStream, BlockKind::CanStream, "CAN_STREAM"},
    {"TIM", ParseTim, BlockKind::Tim, "TIM"},
    {"COUNTER", ParseCounter, std::nullopt, "COUNTER"},
    {"PEAK", ParsePeak, std::nullopt, "PEAK"},
    {"FILTER", ParseFilter, BlockKind::Filter, "FILTER"},
    {"MATH", ParseMath, BlockKind::Math, "MATH"},
    {"CONVERT", ParseConvert, BlockKind::Convert, "CONVERT"},
    {"COMPARE", ParseCompare, BlockKind::Compare, "COMPARE"},
    {"AND", ParseAnd, BlockKind::And, "AND"},
    {"OR", ParseOr, BlockKind::Or, "OR"},
    {"NOT", ParseNot, BlockKind::Not, "NOT"},
    {"MEMORY", ParseMemory, BlockKind::Memory, "MEMORY"},
    {"CHECK_BIT", ParseCheckBit, BlockKind::CheckBit, "CHECK_BIT"},
    {"AXIS", ParseAxis, std::nullopt, {}},
    {"CHECK_VARIABLE", ParseCheckVariable, std::nullopt, "CHECK_VARIABLE"},
    {"UDS_REQUEST", ParseUdsRequest, std::nullopt, {}},
    {"CAN1_CHANNEL", ParseCan1Channel, std::nullopt, "CAN1_CHANNEL"},
    {"CAN2_CHANNEL", ParseCan2Channel, std::nullopt, "CAN2_CHANNEL"},
    {"CAN1_OUT", ParseCan1Out, std::nullopt, {}},
    {"CAN2_OUT", ParseCan2Out, std::nullopt, {}},
}};

// The sources a bare naming statement may name, digital ones first.
constexpr std::array<std::string_view, 22> kNamingSources = {
    "DI",           "KEYPAD_BUTTON", "KEYPAD_TOGGLE", "CAN1_TIMEOUT",   "CAN2_TIMEOUT", "COMPARE",
    "AND",          "OR",            "NOT",           "CHECK_BIT",      "TIM",          "BUTTON",
    "CAN1_CHANNEL", "CAN2_CHANNEL",  "LAPTIME",       "CHECK_VARIABLE", "CAN_STREAM",   "MATH",
    "COUNTER",      "CONVERT",       "PEAK",          "FILTER"};

bool Reject(Project& project, std::string message) {
  project.parser_message = std::move(message);
  return false;
}

// Gives instance n of a family the @name, by the family's kind.
bool NameSlot(Project& project, std::string_view name, std::string_view family, int32_t n) {
  const Link link{RowOf(family), static_cast<uint16_t>(n)};
  if (SlotKind(link) == ValueKind::Digital) return AddDigitalName(project, name, link);
  return AddAnalogueName(project, name, link);
}

bool ParseBareNaming(Project& project, std::string_view name, std::string_view rest) {
  if (name.empty()) return false;
  const Indexed source = SplitIndexed(rest);
  if (!source.has_dot || source.instance < 1) return false;
  for (std::string_view family : kNamingSources) {
    if (family != source.name) continue;
    const uint16_t count = ReferenceOfRow(RowOf(family))->count;
    if (source.instance > count)
      return Reject(project, std::string(family) + " has " + std::to_string(count) + " instances");
    return NameSlot(project, name, family, source.instance);
  }
  return false;
}

bool ParseElementStatement(Project& project, const ElementStatement& statement, std::string_view value) {
  if (!statement.parser) return false;
  Struct_gr_element element;
  element.kind = statement.kind;
  if (!statement.parser(project, element, value)) return false;
  // Room for the element and, for a new group, its GROUP entry before it.
  const bool new_group = !element.group.empty() && FindGroup(project, element.group, element.page) == 0;
  if (project.Page(element.page).count() + (new_group ? 2 : 1) > kMaxElements)
    return Reject(project, "page " + std::to_string(element.page) + " is full (1000 elements)");
  if (!element.group.empty()) {
    const int group = RegisterGroup(project, element.group, element.page);
    if (group == 0) return Reject(project, "no room for another group (99 groups)");
    element.group_number = static_cast<uint8_t>(group);
  }
  element.comment = project.current_comment;
  return AppendElement(project, element);
}

bool ParseIndexedStatement(Project& project, std::string_view name, std::string_view head,
                           std::string_view value) {
  const Indexed indexed = SplitIndexed(head);
  for (const IndexedStatement& statement : kIndexedStatements) {
    if (statement.keyword != indexed.name) continue;
    if (!statement.parser || indexed.instance < 1) return false;
    if (!statement.parser(project, indexed.instance, value)) return false;
    if (statement.registered) {
      if (project.evaluation.size() >= kMaxEvaluationEntries)
        return Reject(project, "evaluation list is full (1000 blocks)");
      project.evaluation.push_back({*statement.registered, static_cast<uint16_t>(indexed.instance - 1)});
    }
    if (statement.named.empty()) return true;
    return NameSlot(project, name, statement.named, indexed.instance);
  }
  return false;
}

bool Accept(Project& project, std::string_view statement) {
  std::string_view name;
  std::string_view rest = statement;
  if (!statement.empty() && statement[0] == '@') {
    const size_t equals = statement.find('=');
    name = statement.substr(0, equals);
    rest = equals == std::string_view::npos ? std::string_view() : statement.substr(equals + 1);
  }
  const size_t equals = rest.find('=');
  if (equals == std::string_view::npos) {
    if (rest == "GREND") return true;
    return ParseBareNaming(project, name, rest);
  }
  const std::string_view head = rest.substr(0, equals);
  const std::string_view value = rest.substr(equals + 1);
  if (head.find('.') != std::string_view::npos) return ParseIndexedStatement(project, name, head, value);
  for (const ElementStatement& element : kElementStatements)
    if (element.keyword == head) return ParseElementStatement(project, element, value);
  for (const UnindexedStatement& unindexed : kUnindexedStatements)
    if (unindexed.keyword == head) return unindexed.parser && unindexed.parser(project, value);
  return false;
}

}  // namespace

int ParseStatement(Project& project, std::string_view statement) {
  return Accept(project, statement) ? 0 : 1;
}

}  // namespace velk
