// velk canlist SCRIPT: a bus's channel lines as the CAN channel list reads
// them out of the logic text and its Ok writes them back.
#include <iostream>

#include "can/channel_list.h"
#include "command_support.h"
#include "commands.h"
#include "model/project.h"

namespace velk::cli {

const Command kCanlistCommand = {
    "canlist", "print a bus's channel lines as the channel list's Ok writes them",
    "usage: velk canlist SCRIPT [--bus 1|2]\n"
    "\n"
    "Opens SCRIPT, reads the CAN1_CHANNEL lines (CAN2_CHANNEL with --bus 2) out\n"
    "of its logic text as the CAN channel list does, up to the END line, and\n"
    "prints each in the form the list's Ok writes back, in list order.\n"
    "The exit status is 0, or 1 when SCRIPT cannot be read.\n",
    RunCanlist};

int RunCanlist(const std::vector<std::string>& args) {
  std::string script;
  size_t bus = 0;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--bus") {
      if (++i >= args.size() || !ParseBusOption(args[i], bus)) return UsageError(kCanlistCommand, "--bus takes 1 or 2");
    } else if (args[i].empty() || args[i][0] == '-' || !script.empty()) {
      return UsageError(kCanlistCommand, "expects one SCRIPT and the options above");
    } else {
      script = args[i];
    }
  }
  if (script.empty()) return UsageError(kCanlistCommand, "expects one SCRIPT");
  const std::unique_ptr<Project> project = OpenScriptForText(script);
  if (!project) return 1;
  const CanChannelList list = ReadCanChannels(project->logic_text, bus);
  for (const CanListEntry& entry : list.entries) std::cout << CanChannelLine(bus, entry) << '\n';
  return 0;
}

}  // namespace velk::cli
