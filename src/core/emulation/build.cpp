#include "emulation/build.h"

#include "emulation/math_expression.h"
#include "model/project.h"
#include "script/parse_statement.h"
#include "script/references.h"

namespace velk {
namespace {

// The parameter records whose value input Build links again through its name.
Link* InputOf(ElementParams& params, std::string** name) {
  return std::visit(
      [name](auto& p) -> Link* {
        using P = std::decay_t<decltype(p)>;
        if constexpr (std::is_same_v<P, BarLParams> || std::is_same_v<P, DigtParams> ||
                      std::is_same_v<P, ArrowParams> || std::is_same_v<P, BarSParams> ||
                      std::is_same_v<P, BarTParams>) {
          *name = &p.input_name;
          return &p.input;
        } else {
          return nullptr;
        }
      },
      params);
}

void ClearLogicPart(Project& project) {
  project.logic_valid = false;
  project.can_output = false;
  ReleaseExpressions(project);
  project.clock_ms = 0;
  project.evaluation.clear();
  project.logic = LogicTables{};
  project.can = CanTables{};
  project.names.clear();
  project.leds.clear();
  project.device.builtin_sources = {};
}

// Elements follow their @names into the rebuilt logic: an ENABLE whose name
// is gone falls back to HI, an INPUT whose name is gone keeps its link.
void RelinkElements(Project& project) {
  for (Page_Def& page : project.pages) {
    for (Struct_gr_element& element : page.elements) {
      if (element.kind == kKindGroup) continue;
      if (element.enable_name.starts_with("@")) element.enable = ResolveDigital(project, element.enable_name);
      if (element.enable.Empty()) element.enable = kLinkHi;
      std::string* name = nullptr;
      Link* input = InputOf(element.params, &name);
      if (!input) continue;
      if (name->starts_with("@")) {
        if (const Link link = ResolveAnalogue(project, *name); !link.Empty()) *input = link;
        name->clear();
      } else if (const std::string alias = SlotNameOrAlias(project, *input); alias.starts_with("@")) {
        *name = alias;
      }
    }
  }
}

BuildResult Reject(int line, std::string status) { return {false, std::move(status), line}; }

}  // namespace

CleanedLine CleanLogicLine(std::string_view line) {
  std::string text;
  for (char c : line)
    if (c != ' ' && c != '\t') text.push_back(c);
  if (const size_t comment = text.find("//"); comment != std::string::npos) text.resize(comment);
  if (text.empty()) return {};
  if (text == "END" || text == "END;") return {CleanedLine::End, "END"};
  const size_t semicolon = text.find(';');
  if (semicolon == std::string::npos) return {CleanedLine::Rejected, "Logic:ERR = No \";\""};
  if (semicolon + 1 != text.size()) return {CleanedLine::Rejected, "Logic:ERR = something extra after \";\""};
  text.pop_back();
  return {CleanedLine::Statement, std::move(text)};
}

void RefreshEnableInputNames(Project& project) {
  for (Page_Def& page : project.pages) {
    for (Struct_gr_element& element : page.elements) {
      if (element.kind == kKindGroup) continue;
      const std::string enable = SlotNameOrAlias(project, element.enable);
      element.enable_name = enable.starts_with("@") ? enable : std::string();
      std::string* name = nullptr;
      const Link* input = InputOf(element.params, &name);
      if (!input) continue;
      if (const std::string alias = SlotNameOrAlias(project, *input); alias.starts_with("@")) *name = alias;
    }
  }
}

BuildResult Build(Project& project) {
  RefreshEnableInputNames(project);
  ClearLogicPart(project);
  bool ended = false;
  for (size_t i = 0; i < project.logic_text.size(); ++i) {
    const CleanedLine cleaned = CleanLogicLine(project.logic_text[i]);
    if (ended || cleaned.kind == CleanedLine::Empty) continue;
    if (cleaned.kind == CleanedLine::End) {
      ended = true;
      project.logic_valid = true;
      project.can_output = true;
      continue;
    }
    if (cleaned.kind == CleanedLine::Rejected) return Reject(static_cast<int>(i), cleaned.text);
    project.parser_message.clear();
    const int rejected = ParseStatement(project, cleaned.text);
    if (rejected || !project.parser_message.empty())
      return Reject(static_cast<int>(i), "Logic:ERR = " + project.parser_message);
  }
  // Read to the end without a rejection: the elements are linked again
  // whether or not END was reached.
  project.clock_ms = 0;
  RelinkElements(project);
  if (!ended) return Reject(static_cast<int>(project.logic_text.size()) - 1, "Logic:ERR");
  return {true, "Logic:Ok", -1};
}

}  // namespace velk
