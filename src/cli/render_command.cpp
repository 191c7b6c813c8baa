// velk render SCRIPT: opens a script, sets inputs and writes the frame of one
// page as a PNG.
#include <charconv>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "assets/png_writer.h"
#include "command_support.h"
#include "commands.h"
#include "emulation/draw_page.h"
#include "emulation/frame_buffer.h"
#include "model/project.h"
#include "script/open_project.h"
#include "script/references.h"

namespace velk::cli {

// Exit status when the script was read but the picture could not be written.
constexpr int kWriteFailed = 74;

const Command kRenderCommand = {
    "render", "open a script and write the frame of a page as a PNG",
    "usage: velk render SCRIPT [--page N] [-o OUT.png] [--set REF=V]...\n"
    "\n"
    "Opens SCRIPT as the program's Open does, writes the inputs given with\n"
    "--set, draws page N (1 to 10, default 1) from black as the display does\n"
    "and writes the 1024 x 600 frame as an 8-bit RGB PNG to OUT.png (default\n"
    "page<N>.png in the working folder). The logic does not run.\n"
    "\n"
    "  --set REF=V  REF is a name of the table of input references (ADC.1,\n"
    "               DI.2, VELK_RPM ...) or an @name of the project; V is a\n"
    "               real for an analogue input, 0 or 1 for a digital one.\n"
    "               May be given many times; later ones win.\n"
    "\n"
    "The log of the load goes to stderr. The exit status is the loader's result\n"
    "code (see 'velk check --help'), 64 for a bad option or --set, or 74 when\n"
    "OUT.png could not be written.\n",
    RunRender};

namespace {

struct RenderOptions {
  std::string script;
  int page = 1;
  std::string out;
  std::vector<std::string> sets;
};

bool ParsePage(const std::string& text, int& page) {
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, page);
  return result.ec == std::errc() && result.ptr == end && page >= 1 && page <= static_cast<int>(kPageCount);
}

// Empty when the options are good, else what is wrong with them.
std::string ParseOptions(const std::vector<std::string>& args, RenderOptions& options) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool takes_value = arg == "--page" || arg == "-o" || arg == "--set";
    if (takes_value && i + 1 == args.size()) return arg + " needs a value";
    if (arg == "--page") {
      if (!ParsePage(args[++i], options.page)) return "--page expects a number from 1 to 10";
    } else if (arg == "-o") {
      options.out = args[++i];
    } else if (arg == "--set") {
      if (args[++i].find('=') == std::string::npos) return "--set expects REF=V";
      options.sets.push_back(args[i]);
    } else if (!arg.empty() && arg[0] == '-') {
      return "unknown option " + arg;
    } else if (options.script.empty()) {
      options.script = arg;
    } else {
      return "expects one SCRIPT";
    }
  }
  if (options.script.empty()) return "expects one SCRIPT";
  if (options.out.empty()) options.out = "page" + std::to_string(options.page) + ".png";
  return {};
}

// Writes one REF=V into the project's slot; empty when done, else why not.
std::string ApplySet(Project& project, const std::string& set) {
  const size_t equals = set.find('=');
  const std::string name = set.substr(0, equals);
  const std::string text = set.substr(equals + 1);
  const char* end = text.data() + text.size();
  if (float* value = project.Analogue(ResolveAnalogue(project, name))) {
    float number = 0;
    const auto result = std::from_chars(text.data(), end, number);
    if (result.ec != std::errc() || result.ptr != end) return "--set " + set + ": " + name + " takes a real";
    *value = number;
    return {};
  }
  if (uint8_t* flag = project.Digital(ResolveDigital(project, name))) {
    if (text != "0" && text != "1") return "--set " + set + ": " + name + " takes 0 or 1";
    *flag = text == "1" ? 1 : 0;
    return {};
  }
  return "--set " + set + ": no input is called " + name;
}

}  // namespace

int RunRender(const std::vector<std::string>& args) {
  RenderOptions options;
  if (const std::string error = ParseOptions(args, options); !error.empty()) return UsageError(kRenderCommand, error);

  std::unique_ptr<Project> project = NewProject();
  const OpenResult result = OpenProject(*project, options.script);
  for (const std::string& line : project->log.Lines()) PrintLogLine(line, stderr);
  for (const std::string& set : options.sets)
    if (const std::string error = ApplySet(*project, set); !error.empty()) return UsageError(kRenderCommand, error);

  auto frame = std::make_unique<FrameBuffer>();
  DrawPage(*frame, *project, options.page);
  std::string reason;
  if (!WriteFramePng(*frame, options.out, reason)) {
    std::fprintf(stderr, "velk render: %s\n", reason.c_str());
    return kWriteFailed;
  }
  return result.code;
}

}  // namespace velk::cli
