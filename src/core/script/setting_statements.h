#pragma once

#include <cstdint>
#include <string_view>

#include "model/device_settings.h"

namespace velk {

struct Project;

// Diagnostic requests and the values read from their replies.
bool ParseUdsRequest(Project& project, int32_t n, std::string_view value);
bool ParseCheckVariable(Project& project, int32_t n, std::string_view value);

// Device settings and the data logger.
bool ParseTvSetup(Project& project, std::string_view value);
bool ParseIgnitionHold(Project& project, std::string_view value);
bool ParseLoggerSetup(Project& project, std::string_view value);

// Reads one LOGGER_ITEM field list into `item`; the logger windows use it on
// every logger line, the loader on the project's one check record.
bool ParseLoggerItemFields(const Project& project, LoggerItem& item, std::string_view value);
bool ParseLoggerItem(Project& project, std::string_view value);

}  // namespace velk
