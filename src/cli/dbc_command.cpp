// velk dbc FILE.dbc: the DBC import into an empty channel list, printed as
// the list's Ok would write the channels.
#include <iostream>
#include <string_view>

#include "can/channel_list.h"
#include "can/dbc_import.h"
#include "can/dbc_reader.h"
#include "command_support.h"
#include "commands.h"

namespace velk::cli {

const Command kDbcCommand = {
    "dbc", "import a DBC file's signals and print their channel lines",
    "usage: velk dbc FILE.dbc [--bus 1|2] [--signals A,B...]\n"
    "\n"
    "Reads FILE.dbc as the channel list's DBC import does, imports every signal\n"
    "(or only those named by --signals, in the file's order) into an empty\n"
    "channel list of bus 1 (or of the bus --bus names) and prints the generated\n"
    "CAN1_CHANNEL or CAN2_CHANNEL lines, one per line. The reader's diagnostics\n"
    "and every signal that is not imported, with the reason, go to stderr.\n"
    "The exit status is 0, or 1 when no signal was imported.\n",
    RunDbc};

namespace {

std::vector<std::string> SplitNames(std::string_view text) {
  std::vector<std::string> names;
  while (!text.empty()) {
    const size_t comma = text.find(',');
    const std::string_view name = text.substr(0, comma);
    if (!name.empty()) names.emplace_back(name);
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return names;
}

// The --signals choice: every signal of a listed name, in whichever message.
std::vector<bool> TickNamed(const DbcDatabase& dbc, const std::vector<std::string>& names) {
  std::vector<bool> ticked(dbc.signals.size(), false);
  for (const std::string& name : names) {
    bool found = false;
    for (size_t i = 0; i < dbc.signals.size(); ++i) {
      if (dbc.signals[i].name != name) continue;
      ticked[i] = true;
      found = true;
    }
    if (!found) std::cerr << "Warning: No signal named " << name << ".\n";
  }
  return ticked;
}

}  // namespace

int RunDbc(const std::vector<std::string>& args) {
  std::string file;
  size_t bus = 0;
  bool named = false;
  std::vector<std::string> names;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--bus") {
      if (++i >= args.size() || !ParseBusOption(args[i], bus)) return UsageError(kDbcCommand, "--bus takes 1 or 2");
    } else if (arg == "--signals") {
      if (++i >= args.size()) return UsageError(kDbcCommand, "--signals takes a list of names");
      named = true;
      names = SplitNames(args[i]);
    } else if (arg.empty() || arg[0] == '-' || !file.empty()) {
      return UsageError(kDbcCommand, "expects one FILE.dbc and the options above");
    } else {
      file = arg;
    }
  }
  if (file.empty()) return UsageError(kDbcCommand, "expects one FILE.dbc");

  const std::optional<DbcDatabase> dbc = ReadDbcFile(file, std::cerr);
  if (!dbc) return 1;
  const std::vector<bool> ticked = named ? TickNamed(*dbc, names) : std::vector<bool>(dbc->signals.size(), true);
  CanChannelList list;
  list.bus = bus;
  ImportDbcSignals(list, *dbc, ticked, std::cerr);
  for (const CanListEntry& entry : list.entries) std::cout << CanChannelLine(bus, entry) << '\n';
  return list.entries.empty() ? 1 : 0;
}

}  // namespace velk::cli
