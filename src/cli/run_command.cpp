// velk run SCRIPT: the emulation without drawing, one table row per cycle.
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>

#include "can/candump_reader.h"
#include "can/frame_text.h"
#include "command_support.h"
#include "commands.h"
#include "emulation/can_input.h"
#include "emulation/emulator.h"
#include "emulation/led_colours.h"
#include "model/project.h"
#include "script/open_project.h"
#include "script/references.h"

namespace velk::cli {

const Command kRunCommand = {
    "run", "run the emulation without drawing and print watched values",
    "usage: velk run SCRIPT [--cycles N] [--step-ms MS] [--set REF=V]... [--at MS:REF=V]...\n"
    "                [--rx MS:ID#HEXDATA]... [--candump FILE] [--watch REF,...] [--tx]\n"
    "                [--time \"YYYY-MM-DD HH:MM:SS\"]\n"
    "\n"
    "Opens SCRIPT, then runs N cycles (default 1); cycle k runs with the clock at\n"
    "k x MS milliseconds (default 50). Prints a tab-separated table: a header\n"
    "\"clock\" and the watched references, then one row per cycle after its logic.\n"
    "  --set REF=V       sets an input before the first cycle (digital: 0 or 1)\n"
    "  --at MS:REF=V     sets it at the start of the first cycle whose clock >= MS\n"
    "  --rx MS:ID#DATA   hands a frame to bus 1 likewise (3 hex digits: standard\n"
    "                    identifier, 8: extended)\n"
    "  --candump FILE    replays a can-utils log on bus 1, times after its first line\n"
    "  --watch REF,...   the columns: references, @names, or LED.1 ... LED.10 (the\n"
    "                    LED's 0x00RRGGBB colour as a decimal number)\n"
    "  --tx              prints each transmitted frame as the CAN trace does\n"
    "  --time T          the workstation date and time at cycle 0 (default now);\n"
    "                    it advances with the emulated clock\n"
    "REF is a name of the table of input references (ADC.1, DI.2, VELK_RPM) or an\n"
    "@name of the project. The exit status is 0, or the loader's result code.\n",
    RunRun};

namespace {

// An input change or a frame, due at the first cycle whose clock reaches `ms`.
struct Event {
  uint32_t ms = 0;
  std::string ref;  // empty for a frame
  std::string value;
  CanFrame frame;
};

struct RunOptions {
  std::string script;
  uint32_t cycles = 1;
  uint32_t step_ms = 50;
  std::vector<Event> events;  // --set are due at 0
  std::vector<std::string> watch;
  std::string candump;
  bool tx = false;
  std::optional<std::time_t> time;
};

bool ParseCount(const std::string& text, uint32_t& value) {
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

bool ParseTime(const std::string& text, std::time_t& time) {
  std::tm local{};
  char end = 0;
  if (std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &local.tm_year, &local.tm_mon, &local.tm_mday,
                  &local.tm_hour, &local.tm_min, &local.tm_sec, &end) != 6)
    return false;
  local.tm_year -= 1900;
  local.tm_mon -= 1;
  local.tm_isdst = -1;
  time = std::mktime(&local);
  return time != static_cast<std::time_t>(-1);
}

// "MS:REST" into its time and the rest.
bool SplitTime(const std::string& text, uint32_t& ms, std::string& rest) {
  const size_t colon = text.find(':');
  if (colon == std::string::npos || !ParseCount(text.substr(0, colon), ms)) return false;
  rest = text.substr(colon + 1);
  return true;
}

bool SplitAssignment(const std::string& text, Event& event) {
  const size_t equals = text.find('=');
  if (equals == std::string::npos || equals == 0) return false;
  event.ref = text.substr(0, equals);
  event.value = text.substr(equals + 1);
  return true;
}

std::vector<std::string> SplitList(const std::string& text) {
  std::vector<std::string> items;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t comma = std::min(text.find(',', start), text.size());
    if (comma > start) items.push_back(text.substr(start, comma - start));
    start = comma + 1;
  }
  return items;
}

// Reads the options; an empty string when they are right, else the problem.
std::string ParseOptions(const std::vector<std::string>& args, RunOptions& options) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool takes_value = arg == "--cycles" || arg == "--step-ms" || arg == "--set" || arg == "--at" ||
                             arg == "--rx" || arg == "--candump" || arg == "--watch" || arg == "--time";
    if (takes_value && i + 1 == args.size()) return arg + " needs a value";
    const std::string value = takes_value ? args[++i] : std::string();
    Event event;
    std::string rest;
    if (arg == "--cycles") {
      if (!ParseCount(value, options.cycles) || options.cycles == 0) return "--cycles takes a count from 1";
    } else if (arg == "--step-ms") {
      if (!ParseCount(value, options.step_ms)) return "--step-ms takes milliseconds";
    } else if (arg == "--set") {
      if (!SplitAssignment(value, event)) return "--set takes REF=V";
      options.events.push_back(event);
    } else if (arg == "--at") {
      if (!SplitTime(value, event.ms, rest) || !SplitAssignment(rest, event)) return "--at takes MS:REF=V";
      options.events.push_back(event);
    } else if (arg == "--rx") {
      std::string why;
      if (!SplitTime(value, event.ms, rest) || !ParseFrameText(rest, event.frame, why))
        return "--rx takes MS:ID#HEXDATA" + (why.empty() ? std::string() : ": " + why);
      options.events.push_back(event);
    } else if (arg == "--candump") {
      options.candump = value;
    } else if (arg == "--watch") {
      for (const std::string& ref : SplitList(value)) options.watch.push_back(ref);
    } else if (arg == "--tx") {
      options.tx = true;
    } else if (arg == "--time") {
      std::time_t time = 0;
      if (!ParseTime(value, time)) return "--time takes \"YYYY-MM-DD HH:MM:SS\"";
      options.time = time;
    } else if (!arg.empty() && arg[0] == '-') {
      return "unknown option " + arg;
    } else if (options.script.empty()) {
      options.script = arg;
    } else {
      return "expects one SCRIPT";
    }
  }
  return options.script.empty() ? "expects one SCRIPT" : "";
}

// One watched column: an input slot, or an LED's colour.
struct Column {
  const uint8_t* digital = nullptr;
  const float* analogue = nullptr;
  int led = -1;
};

bool ResolveColumn(const Project& project, const std::string& ref, Column& column) {
  if (ref.starts_with("LED.")) {
    uint32_t n = 0;
    if (!ParseCount(ref.substr(4), n) || n < 1 || n > kLedCount) return false;
    column.led = static_cast<int>(n - 1);
    return true;
  }
  column.digital = project.Digital(ResolveDigital(project, ref));
  if (!column.digital) column.analogue = project.Analogue(ResolveAnalogue(project, ref));
  return column.digital || column.analogue;
}

// Writes an input from its text; false for a reference or a value that does not fit.
bool SetInput(Project& project, const std::string& ref, const std::string& text) {
  if (uint8_t* digital = project.Digital(ResolveDigital(project, ref))) {
    if (text != "0" && text != "1") return false;
    *digital = text == "1" ? 1 : 0;
    return true;
  }
  float* analogue = project.Analogue(ResolveAnalogue(project, ref));
  if (!analogue) return false;
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return false;
  *analogue = static_cast<float>(value);
  return true;
}

std::string CellText(const Column& column, const std::array<uint32_t, kLedCount>& leds) {
  std::array<char, 32> text;
  if (column.led >= 0) return std::to_string(leds[static_cast<size_t>(column.led)]);
  if (column.digital) return *column.digital ? "1" : "0";
  std::snprintf(text.data(), text.size(), "%g", static_cast<double>(*column.analogue));
  return text.data();
}

bool AddCandump(const std::string& path, std::vector<Event>& events) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "velk run: cannot read %s\n", path.c_str());
    return false;
  }
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const CandumpLog log = ReadCandump(text);
  // "line N: why" becomes "FILE:N: why", as compilers point at lines.
  for (const std::string& warning : log.warnings) std::fprintf(stderr, "%s:%s\n", path.c_str(), warning.substr(5).c_str());
  for (const TimedFrame& timed : log.frames) events.push_back(Event{timed.ms, {}, {}, timed.frame});
  return true;
}

}  // namespace

int RunRun(const std::vector<std::string>& args) {
  RunOptions options;
  if (const std::string problem = ParseOptions(args, options); !problem.empty()) return UsageError(kRunCommand, problem);
  if (!options.candump.empty() && !AddCandump(options.candump, options.events)) return 1;
  std::stable_sort(options.events.begin(), options.events.end(),
                   [](const Event& a, const Event& b) { return a.ms < b.ms; });

  std::unique_ptr<Project> project = NewProject();
  const OpenResult opened = OpenProject(*project, options.script);
  if (opened.code != 0) {
    for (const std::string& line : project->log.Lines()) PrintLogLine(line, stderr);
    return opened.code;
  }
  std::vector<Column> columns(options.watch.size());
  for (size_t i = 0; i < columns.size(); ++i)
    if (!ResolveColumn(*project, options.watch[i], columns[i]))
      return UsageError(kRunCommand, "--watch: no such reference " + options.watch[i]);
  for (const Event& event : options.events)
    if (!event.ref.empty() && ResolveDigital(*project, event.ref).Empty() && ResolveAnalogue(*project, event.ref).Empty())
      return UsageError(kRunCommand, "no such input " + event.ref);

  CanTransmitter transmit;
  if (options.tx) transmit = [](const CanFrame& frame, int bus) { std::printf("%s\n", TransmittedFrameText(frame, bus).c_str()); };
  const std::time_t start = options.time ? *options.time : std::time(nullptr);
  std::printf("clock");
  for (const std::string& ref : options.watch) std::printf("\t%s", ref.c_str());
  std::printf("\n");
  size_t next = 0;
  for (uint32_t k = 0; k < options.cycles; ++k) {
    project->clock_ms = k * options.step_ms;
    for (; next < options.events.size() && options.events[next].ms <= project->clock_ms; ++next) {
      const Event& event = options.events[next];
      if (event.ref.empty()) ReceiveCanFrame(*project, event.frame);
      else if (!SetInput(*project, event.ref, event.value))
        return UsageError(kRunCommand, "value " + event.value + " does not fit " + event.ref);
    }
    const std::time_t now = start + static_cast<std::time_t>(project->clock_ms / 1000);
    std::tm local{};
    localtime_r(&now, &local);
    RunCycleLogic(*project, local, transmit);
    const std::array<uint32_t, kLedCount> leds = LedColours(*project);
    std::printf("%u", project->clock_ms);
    for (const Column& column : columns) std::printf("\t%s", CellText(column, leds).c_str());
    std::printf("\n");
  }
  return 0;
}

}  // namespace velk::cli
