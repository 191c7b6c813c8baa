#include "model/project.h"

namespace velk {
namespace {

constexpr uint16_t kRowHi = RowOf("HI");
constexpr uint16_t kRowLo = RowOf("LO");

float* AnalogueRecordSlot(Project& p, uint16_t row, size_t index) {
  switch (row) {
    case RowOf("CAN1_CHANNEL"): return &p.can.channels[0][index].value;
    case RowOf("CAN2_CHANNEL"): return &p.can.channels[1][index].value;
    case RowOf("COUNTER"): return &p.logic.counter[index].output;
    case RowOf("CONVERT"): return &p.logic.convert[index].output;
    case RowOf("PEAK"): return &p.logic.peak[index].output;
    case RowOf("CHECK_VARIABLE"): return &p.logic.check_variable[index].output;
    case RowOf("CAN_STREAM"): return &p.logic.can_stream[index].output;
    case RowOf("MATH"): return &p.logic.math[index].output;
    case RowOf("FILTER"): return &p.logic.filter[index].output;
    case RowOf("MEMORY"): return &p.logic.memory[index].output;
    default: return nullptr;
  }
}

uint8_t* DigitalRecordSlot(Project& p, uint16_t row, size_t index) {
  switch (row) {
    case RowOf("COMPARE"): return &p.logic.compare[index].output;
    case RowOf("AND"): return &p.logic.and_[index].output;
    case RowOf("OR"): return &p.logic.or_[index].output;
    case RowOf("NOT"): return &p.logic.not_[index].output;
    case RowOf("CHECK_BIT"): return &p.logic.check_bit[index].output;
    case RowOf("TIM"): return &p.logic.tim[index].output;
    case RowOf("CAN1_TIMEOUT"): return &p.can.channels[0][index].timed_out;
    case RowOf("CAN2_TIMEOUT"): return &p.can.channels[1][index].timed_out;
    default: return nullptr;
  }
}

// The 0-based instance of a link of the given kind, or -1 when the link does
// not denote a slot of that kind.
int SlotIndex(Link link, ValueKind kind) {
  const InputReference* reference = ReferenceOfRow(link.row);
  if (!reference || reference->kind != kind) return -1;
  if (link.instance < 1 || link.instance > reference->count) return -1;
  return link.instance - 1;
}

}  // namespace

Project::Project() {
  *Digital(Link{kRowHi, 1}) = 1;
  device.tv.enable = Link{kRowLo, 1};
}

uint8_t* Project::Digital(Link link) {
  const int index = SlotIndex(link, ValueKind::Digital);
  if (index < 0) return nullptr;
  if (IsRecordRow(link.row)) return DigitalRecordSlot(*this, link.row, static_cast<size_t>(index));
  return &inputs.digital[kInputSlotOffsets[link.row] + static_cast<size_t>(index)];
}

float* Project::Analogue(Link link) {
  const int index = SlotIndex(link, ValueKind::Analogue);
  if (index < 0) return nullptr;
  if (IsRecordRow(link.row)) return AnalogueRecordSlot(*this, link.row, static_cast<size_t>(index));
  return &inputs.analogue[kInputSlotOffsets[link.row] + static_cast<size_t>(index)];
}

// Reading needs the same mapping; the const versions only hand out const slots.
const uint8_t* Project::Digital(Link link) const { return const_cast<Project*>(this)->Digital(link); }

const float* Project::Analogue(Link link) const { return const_cast<Project*>(this)->Analogue(link); }

const RequestBlock* Project::Request(RequestLink link) const {
  if (link.row < 1 || link.row > kRequestFamilies.size()) return nullptr;
  if (link.instance < 1 || link.instance > kRequestFamilies[link.row - 1].count) return nullptr;
  const size_t index = link.instance - 1u;
  switch (link.row) {
    case 1: return &logic.uds[index];
    case 2: return &logic.kwp[index];
    default: return &logic.bmw[index];
  }
}

void ClearProject(Project& project) {
  for (Page_Def& page : project.pages) page.elements.clear();
  project.images = ImageLibrary{};
  project.fonts = FontLibrary{};
  project.device_memory = 0;
  project.palette.count = 0;
  project.groups = {};
  project.next_group = 1;
  project.leds.clear();
  project.evaluation.clear();
  project.names.clear();
  project.logic = LogicTables{};
  project.expressions = ExpressionRegistry{};
  project.can = CanTables{};
  project.device = DeviceSettings{};
  project.device.tv.enable = Link{kRowLo, 1};
  project.parser_message.clear();
  project.current_comment.clear();
}

bool AppendElement(Project& project, const Struct_gr_element& element) {
  if (element.page < 1 || element.page > kPageCount) return false;
  Page_Def& page = project.Page(element.page);
  if (page.count() >= kMaxElements) return false;
  page.elements.push_back(element);
  return true;
}

void DeleteElement(Project& project, int page, size_t position) {
  if (page < 1 || page > static_cast<int>(kPageCount)) return;
  std::vector<Struct_gr_element>& elements = project.Page(page).elements;
  if (position >= elements.size()) return;
  elements.erase(elements.begin() + static_cast<std::ptrdiff_t>(position));
}

int FindGroup(const Project& project, std::string_view name, int page) {
  for (int g = 1; g < static_cast<int>(kGroupRecords); ++g) {
    const GroupRecord& record = project.groups[static_cast<size_t>(g)];
    if (record.page == page && record.name == name) return g;
  }
  return 0;
}

int RegisterGroup(Project& project, std::string_view name, int page) {
  if (const int existing = FindGroup(project, name, page)) return existing;
  const int g = project.next_group;
  if (g >= static_cast<int>(kGroupRecords) || name.size() > kMaxGroupNameBytes) return 0;
  if (page < 1 || page > static_cast<int>(kPageCount)) return 0;
  Struct_gr_element entry;
  entry.page = static_cast<uint8_t>(page);
  entry.kind = kKindGroup;
  entry.params = GroupRef{g};
  entry.comment = std::string(name);
  if (!AppendElement(project, entry)) return 0;
  project.groups[static_cast<size_t>(g)] = GroupRecord{page, 0, g, std::string(name)};
  ++project.next_group;
  return g;
}

}  // namespace velk
