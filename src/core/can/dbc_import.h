#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "can/channel_list.h"
#include "can/dbc_reader.h"

namespace velk {

// MULTIPLIER / DIVIDER for a real factor.
struct Ratio {
  int32_t multiplier = 1;
  int32_t divider = 1;
};

// MULTIPLIER / DIVIDER for scale / 2^shift: the scale as written when that
// fraction fits 32-bit integers (0.1 is 1/10, 0.6 is 3/5, 2 is 2/1), else
// the simplest fraction as close as a 32-bit real can tell (0.00999999978 is
// 1/100); nullopt for 0, or when no fraction of 32-bit integers comes that close.
std::optional<Ratio> BestRatio(double scale, int shift = 0);

// The receive channel that decodes a signal to raw * scale + offset, or the
// reason why no channel decodes it exactly. Name, timeout and comment are
// left to the caller.
struct SignalChannel {
  std::optional<CanChannel> channel;
  std::string_view reason;
};
SignalChannel MapDbcSignal(const DbcDatabase& dbc, size_t signal);

// The @name an imported signal gets: "@" and its name, or with "_" and its
// message's name when that is taken in the list, then "_2", "_3" ...; cut to
// the record's name field.
std::string ImportedChannelName(const CanChannelList& list, std::string_view signal, std::string_view message);

// Import: appends one channel per ticked signal, in table order, with the
// next instance numbers, line -1 and no comment. A signal that cannot be
// decoded exactly, or that finds the list full, is reported on `diagnostics`
// and skipped. Returns how many channels were added.
size_t ImportDbcSignals(CanChannelList& list, const DbcDatabase& dbc, const std::vector<bool>& ticked,
                        std::ostream& diagnostics);

}  // namespace velk
