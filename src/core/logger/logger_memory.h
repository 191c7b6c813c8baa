#pragma once

#include <cstdint>
#include <string>

#include "model/device_settings.h"

namespace velk {

// Logger data types as LOGGER_ITEM's DATA_TYPE numbers them.
enum LoggerDataType : uint8_t { kLogBit, kLogU8, kLogS8, kLogU16, kLogS16, kLogU32, kLogS32 };

// The data type the logger window gives an item, whatever its text said: BIT
// for a digital input, else the smallest of U16, S16, U32 and S32 that holds
// MIN and MAX scaled by 10^DECIMAL.
uint8_t AutoLoggerDataType(const LoggerItem& item);

// Bytes one sample of a data type takes in the logger's memory.
uint32_t LoggerSampleBytes(uint8_t data_type);

// "RAM size: %.2fmb": an hour of logging at `bytes_per_second`, in mebibytes.
std::string RamSizeLabel(uint32_t bytes_per_second);

// `value` with `decimals` digits after the point, "." whatever the locale ("%.Nf").
std::string FixedText(double value, int decimals);

}  // namespace velk
