#include "script/setting_statements.h"

#include <array>
#include <string>

#include "model/project.h"
#include "script/instance.h"
#include "script/lexical.h"
#include "script/numbers.h"
#include "script/references.h"

namespace velk {
namespace {

constexpr size_t kUdsStatements = 5;  // the table has ten places, the statement uses five
constexpr size_t kMaxLoggerNameBytes = 31;
constexpr size_t kMaxLoggerUnitBytes = 15;

// PID is told apart by its length: "0x" and four digits carry a one-byte
// identifier, "0x" and six digits a two-byte one.
bool ReadPid(std::string_view text, RequestBlock& request) {
  if (text.size() != 6 && text.size() != 8) return false;
  request.pid = ParseHexOrDecimal(text);
  request.id_length = text.size() == 6 ? 1 : 2;
  request.service = request.pid >> (text.size() == 6 ? 8 : 16);
  return true;
}

// A quoted text without its first and last characters, at most `limit` bytes.
bool ReadQuoted(std::string_view text, size_t limit, std::string& field) {
  if (text.size() < 2 || text.size() - 2 > limit) return false;
  field = text.substr(1, text.size() - 2);
  return true;
}

bool ReadDigital(const Project& project, std::string_view text, Link& field) {
  field = ResolveDigital(project, text);
  return !field.Empty();
}

}  // namespace

bool ParseUdsRequest(Project& project, int32_t n, std::string_view value) {
  RequestBlock* record = Instance(project, project.logic.uds, n, "UDS_REQUEST");
  if (!record) return false;
  RequestBlock& request = *record;
  request = RequestBlock{};
  request.id = 0x7E0;
  request.service = 0x22;
  request.pid = 1;
  request.id_length = 1;
  request.period = 1000;
  request.timeout = 500;
  request.enable = kLinkLo;
  const bool read = ReadFields(value, [&](std::string_view name, std::string_view text) {
    if (name == "ID") request.id = ParseHexOrDecimal(text);
    else if (name == "PID") return ReadPid(text, request);
    else if (name == "PERIOD") request.period = ParseInteger(text);
    else if (name == "TIMEOUT") request.timeout = ParseInteger(text);
    else if (name == "ENABLE") return ReadDigital(project, text, request.enable);
    else return false;
    return true;
  });
  if (!read) return false;
  // Counted before the instance test, so that UDS_REQUEST.6 to .10 count too.
  if (project.logic.uds_count < 255) ++project.logic.uds_count;
  if (static_cast<size_t>(n) <= kUdsStatements) return true;
  project.parser_message = "UDS_REQUEST takes instances 1 to " + std::to_string(kUdsStatements);
  return false;
}

bool ParseCheckVariable(Project& project, int32_t n, std::string_view value) {
  CheckVariableBlock* record = Instance(project, project.logic.check_variable, n, "CHECK_VARIABLE");
  if (!record) return false;
  CheckVariableBlock& block = *record;
  block = CheckVariableBlock{};
  block.multiplier = 1;
  block.divider = 1;
  block.data_mask = 0xFFFFFFFF;
  return ReadFields(value, [&](std::string_view name, std::string_view text) {
    constexpr std::array<std::string_view, 2> kByteOrders = {"MS", "LS"};
    constexpr std::array<std::string_view, 6> kDataTypes = {"U8", "S8", "U16", "S16", "U32", "S32"};
    if (name == "INPUT") {
      block.input = ResolveRequest(text);
      return !block.input.Empty();
    }
    if (name == "BYTE_ORDER") return ReadWord(kByteOrders, text, block.byte_order);
    if (name == "DATA_TYPE") return ReadWord(kDataTypes, text, block.data_type);
    if (name == "START_POS") block.start_pos = static_cast<uint8_t>(ParseInteger(text));
    else if (name == "MULTIPLIER") block.multiplier = ParseInteger(text);
    else if (name == "DIVIDER") block.divider = ParseInteger(text);
    else if (name == "OFFSET") block.offset = ParseInteger(text);
    else if (name == "DATA_MASK") block.data_mask = ParseHexOrDecimal(text);
    else return false;
    return true;
  });
}

bool ParseTvSetup(Project& project, std::string_view value) {
  TvSetup& tv = project.device.tv;
  tv.enable = kLinkLo;
  tv.standard = 0;
  return ReadFields(value, [&](std::string_view name, std::string_view text) {
    constexpr std::array<std::string_view, 2> kStandards = {"PAL", "NTSC"};
    constexpr std::array<std::string_view, 4> kFlips = {"V", "H", "HV", "VH"};
    constexpr std::array<uint8_t, 4> kFlipBits = {1, 2, 3, 3};
    if (name == "ENABLE") return ReadDigital(project, text, tv.enable);
    if (name == "TYPE") return ReadWord(kStandards, text, tv.standard);
    if (name != "FLIP") return false;
    const int flip = WordIndex(kFlips, text);
    if (flip < 0) return false;
    tv.flip |= kFlipBits[static_cast<size_t>(flip)];
    return true;
  });
}

bool ParseIgnitionHold(Project& project, std::string_view value) {
  return ReadDigital(project, value, project.device.ignition_hold);
}

bool ParseLoggerSetup(Project& project, std::string_view value) {
  return ReadFields(value, [&](std::string_view name, std::string_view text) {
    return name == "ENABLE" && ReadDigital(project, text, project.device.logger_enable);
  });
}

bool ParseLoggerItemFields(const Project& project, LoggerItem& item, std::string_view value) {
  item.rate = 0;
  item.data_type = 0;
  item.decimal = 0;
  item.name.clear();
  item.input = {};
  return ReadFields(value, [&](std::string_view name, std::string_view text) {
    constexpr std::array<std::string_view, 7> kDataTypes = {"BIT", "U8", "S8", "U16", "S16", "U32", "S32"};
    if (name == "INPUT") {
      item.input = ResolveDigital(project, text);
      if (item.input.Empty()) item.input = ResolveAnalogue(project, text);
      return !item.input.Empty();
    }
    if (name == "DATA_TYPE") return ReadWord(kDataTypes, text, item.data_type);
    if (name == "NAME") return ReadQuoted(text, kMaxLoggerNameBytes, item.name);
    if (name == "UNIT") return ReadQuoted(text, kMaxLoggerUnitBytes, item.unit);
    if (name == "RATE") item.rate = static_cast<uint8_t>(ParseInteger(text));
    else if (name == "DECIMAL") item.decimal = static_cast<uint8_t>(ParseInteger(text));
    else if (name == "MIN") item.min = ParseReal(text);
    else if (name == "MAX") item.max = ParseReal(text);
    else return false;
    return true;
  });
}

bool ParseLoggerItem(Project& project, std::string_view value) {
  return ParseLoggerItemFields(project, project.device.logger_item, value);
}

}  // namespace velk
