#include "script/display_statements.h"

#include <array>

#include "assets/font_assets.h"
#include "assets/image_assets.h"
#include "model/project.h"
#include "script/instance.h"
#include "script/lexical.h"
#include "script/numbers.h"
#include "script/references.h"

namespace velk {
namespace {

constexpr size_t kLeds = 10;

bool ReadSource(const Project& project, std::string_view value, Link& source) {
  source = ResolveAnalogue(project, value);
  return !source.Empty();
}

bool ReadBuiltin(Project& project, std::string_view value, BuiltinSource which) {
  return ReadSource(project, value, project.device.builtin_sources[which]);
}

// A real constant cut toward zero into an unsigned field, held inside it.
uint32_t CutToUnsigned(float value) {
  if (value <= 0.0f) return 0;
  if (value >= 4294967296.0f) return UINT32_MAX;
  return static_cast<uint32_t>(value);
}

// A colour field of an LED: a reference becomes its source, else the constant.
bool ReadLedColour(const Project& project, std::string_view text, Link& source, uint32_t& constant) {
  float value = static_cast<float>(constant);
  if (!ParseConstant(project, text, source, value)) return false;
  constant = CutToUnsigned(value);
  return true;
}

bool ReadLedChannel(const Project& project, std::string_view text, Link& source, uint8_t& constant) {
  uint32_t value = constant;
  if (!ReadLedColour(project, text, source, value)) return false;
  constant = static_cast<uint8_t>(value);
  return true;
}

}  // namespace

bool ParseImageLoad(Project& project, int32_t n, std::string_view value) {
  std::shared_ptr<const DeviceImage>* slot = Instance(project, project.images.slots, n, "IMAGE_LOAD");
  if (!slot) return false;
  // An unusable file leaves the slot empty; the statement stands.
  *slot = LoadImageAsset(project, value);
  return true;
}

bool ParseFontLoad(Project& project, int32_t n, std::string_view value) {
  std::shared_ptr<const DeviceFont>* slot = Instance(project, project.fonts.slots, n, "FONT_LOAD");
  if (!slot) return false;
  *slot = LoadFontAsset(project, value);
  if (*slot) return true;
  if (project.notifier) project.notifier->Inform("Не найден шрифт:   " + std::string(value));
  return false;
}

bool ParseColorPalette(Project& project, int32_t n, std::string_view value) {
  Palette& palette = project.palette;
  uint32_t* colour = Instance(project, palette.colours, n, "COLOR_PALETTE");
  if (!colour || palette.count >= kPaletteSize) return false;
  if (value.size() != 10 || value.substr(0, 2) != "0x") return false;
  *colour = SwapRedBlue(ParseHexOrDecimal(value));
  ++palette.count;
  return true;
}

bool ParseLed(Project& project, int32_t n, std::string_view value) {
  if (n < 1 || n > static_cast<int32_t>(kLeds) || project.leds.size() >= kMaxLedEntries) return false;
  LedEntry entry;
  entry.enable = kLinkHi;
  entry.color = 0xFF0000;
  entry.led = static_cast<uint32_t>(n - 1);
  const bool read = ReadFields(value, [&](std::string_view name, std::string_view text) {
    if (name == "ENABLE") {
      entry.enable = ResolveDigital(project, text);
      return !entry.enable.Empty();
    }
    if (name == "COLOR") return ReadLedColour(project, text, entry.color_source, entry.color);
    if (name == "RED") return ReadLedChannel(project, text, entry.red_source, entry.red);
    if (name == "GREEN") return ReadLedChannel(project, text, entry.green_source, entry.green);
    if (name == "BLUE") return ReadLedChannel(project, text, entry.blue_source, entry.blue);
    return false;
  });
  if (!read) return false;
  project.leds.push_back(entry);
  return true;
}

bool ParseAux(Project& project, int32_t n, std::string_view value) {
  Link* aux = Instance(project, project.device.aux, n, "AUX");
  if (!aux) return false;
  *aux = ResolveDigital(project, value);
  return !aux->Empty();
}

bool ParseVelkRpm(Project& project, std::string_view value) { return ReadBuiltin(project, value, kSourceRpm); }
bool ParseVelkOilP(Project& project, std::string_view value) { return ReadBuiltin(project, value, kSourceOilP); }
bool ParseVelkOilT(Project& project, std::string_view value) { return ReadBuiltin(project, value, kSourceOilT); }
bool ParseVelkFuelP(Project& project, std::string_view value) { return ReadBuiltin(project, value, kSourceFuelP); }
bool ParseVelkFuelL(Project& project, std::string_view value) { return ReadBuiltin(project, value, kSourceFuelL); }
bool ParseVelkMap(Project& project, std::string_view value) { return ReadBuiltin(project, value, kSourceMap); }
bool ParseVelkGear(Project& project, std::string_view value) { return ReadBuiltin(project, value, kSourceGear); }
bool ParseVelkEngT(Project& project, std::string_view value) { return ReadBuiltin(project, value, kSourceEngT); }
bool ParseVelkAirT(Project& project, std::string_view value) { return ReadBuiltin(project, value, kSourceAirT); }
bool ParseVelkSpeed(Project& project, std::string_view value) { return ReadBuiltin(project, value, kSourceSpeed); }
bool ParseVelkAfr(Project& project, std::string_view value) { return ReadBuiltin(project, value, kSourceAfr); }

bool ParsePageSource(Project& project, std::string_view value) {
  return ReadSource(project, value, project.device.page_source);
}

bool ParseBrightness(Project& project, std::string_view value) {
  return ReadSource(project, value, project.device.brightness_source);
}

}  // namespace velk
