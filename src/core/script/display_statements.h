#pragma once

#include <cstdint>
#include <string_view>

namespace velk {

struct Project;

// The library statements: IMAGE_LOAD and FONT_LOAD load their files from the
// project folder.
bool ParseImageLoad(Project& project, int32_t n, std::string_view value);
bool ParseFontLoad(Project& project, int32_t n, std::string_view value);

// The palette, LED and AUX statements (indexed).
bool ParseColorPalette(Project& project, int32_t n, std::string_view value);
bool ParseLed(Project& project, int32_t n, std::string_view value);
bool ParseAux(Project& project, int32_t n, std::string_view value);

// The source statements: one analogue reference each, held for the device.
bool ParseVelkRpm(Project& project, std::string_view value);
bool ParseVelkOilP(Project& project, std::string_view value);
bool ParseVelkOilT(Project& project, std::string_view value);
bool ParseVelkFuelP(Project& project, std::string_view value);
bool ParseVelkFuelL(Project& project, std::string_view value);
bool ParseVelkMap(Project& project, std::string_view value);
bool ParseVelkGear(Project& project, std::string_view value);
bool ParseVelkEngT(Project& project, std::string_view value);
bool ParseVelkAirT(Project& project, std::string_view value);
bool ParseVelkSpeed(Project& project, std::string_view value);
bool ParseVelkAfr(Project& project, std::string_view value);
bool ParsePageSource(Project& project, std::string_view value);
bool ParseBrightness(Project& project, std::string_view value);

}  // namespace velk
