// velk fontgen: the font generator without its window. Qt is used here only,
// for the workstation font; the rest of velk stays free of it.
#include <QFont>
#include <QGuiApplication>
#include <QString>

#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "assets/font_generator.h"
#include "commands.h"
#include "qtfont/qt_glyph_rasterizer.h"
#include "qtfont/workstation_fonts.h"
#include "script/write_file.h"

namespace velk::cli {

// Exit statuses besides usage errors, as for velk save.
constexpr int kNoFont = 1;
constexpr int kWriteFailed = 74;

constexpr uint16_t kDefaultFontSize = 16;

const Command kFontgenCommand = {
    "fontgen", "generate a device font file from a workstation font",
    "usage: velk fontgen (--family NAME | --file FONT.ttf) [--size P] [--bold]\n"
    "                    [--aa S] [--set all|latin|numbers] -o OUT.fon\n"
    "\n"
    "Generates a device font (.fon) as the font generator window does, from an\n"
    "installed font family (--family) or a TrueType or OpenType file (--file):\n"
    "each glyph is drawn at P x S pixels, cropped to its ink, reduced by the\n"
    "anti-aliasing factor S with box averaging and packed in 16 grey levels.\n"
    "  --size P   the point size, the text line height on the display: 1 to 200\n"
    "             (default 16)\n"
    "  --bold     the bold face of the font\n"
    "  --aa S     the anti-aliasing factor: 1, 2, 4, 6, 8 or 10 (default 4)\n"
    "  --set      all: 32-126 and the Cyrillic letters 1040-1103 (default);\n"
    "             latin: 32-126 (the window's \"-Cyrillic\"); numbers: 43-59\n"
    "  -o OUT     the file to write; it is replaced only once the whole font\n"
    "             was generated and written\n"
    "Prints the memo lines of every glyph to stdout. The exit status is 0 when\n"
    "the file was written, 1 when the font cannot be found or generated, 74 when\n"
    "OUT cannot be written.\n",
    RunFontgen};

namespace {

struct FontgenOptions {
  std::string family;
  std::string file;
  bool bold = false;
  FontGeneratorSettings settings{kDefaultFontSize, kDefaultAntiAliasingFactor, FontCharacterSet::kAll};
  std::string out;
};

std::optional<int> ParseWholeNumber(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<FontCharacterSet> ParseSet(std::string_view text) {
  if (text == "all") return FontCharacterSet::kAll;
  if (text == "latin") return FontCharacterSet::kLatin;
  if (text == "numbers") return FontCharacterSet::kNumbers;
  return std::nullopt;
}

// The options, or the exit status of a usage error in `status`.
bool ParseOptions(const std::vector<std::string>& args, FontgenOptions& options, int& status) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--bold") {
      options.bold = true;
      continue;
    }
    const bool takes_value = arg == "--family" || arg == "--file" || arg == "--size" || arg == "--aa" ||
                             arg == "--set" || arg == "-o";
    if (!takes_value) {
      status = UsageError(kFontgenCommand, "unknown argument " + arg);
      return false;
    }
    // A value never starts with "-": that is the next option, the value forgotten.
    if (++i == args.size() || args[i].empty() || args[i][0] == '-') {
      status = UsageError(kFontgenCommand, arg + " needs a value");
      return false;
    }
    const std::string& value = args[i];
    if (arg == "--family") {
      options.family = value;
    } else if (arg == "--file") {
      options.file = value;
    } else if (arg == "-o") {
      options.out = value;
    } else if (arg == "--size") {
      const std::optional<int> size = ParseWholeNumber(value);
      if (!size || *size < 1 || *size > kMaxGeneratedFontSize) {
        status = UsageError(kFontgenCommand, "--size takes a point size from 1 to 200, not " + value);
        return false;
      }
      options.settings.size = static_cast<uint16_t>(*size);
    } else if (arg == "--aa") {
      const std::optional<int> factor = ParseWholeNumber(value);
      if (!factor || !IsAntiAliasingFactor(*factor)) {
        status = UsageError(kFontgenCommand, "--aa takes 1, 2, 4, 6, 8 or 10, not " + value);
        return false;
      }
      options.settings.factor = *factor;
    } else {
      const std::optional<FontCharacterSet> set = ParseSet(value);
      if (!set) {
        status = UsageError(kFontgenCommand, "--set takes all, latin or numbers, not " + value);
        return false;
      }
      options.settings.set = *set;
    }
  }
  if (options.family.empty() == options.file.empty()) {
    status = UsageError(kFontgenCommand, "expects one of --family NAME and --file FONT.ttf");
    return false;
  }
  if (options.out.empty()) {
    status = UsageError(kFontgenCommand, "expects -o OUT.fon");
    return false;
  }
  return true;
}

std::optional<QFont> FindFont(const FontgenOptions& options) {
  std::optional<QFont> font = options.file.empty() ? InstalledFont(QString::fromStdString(options.family))
                                                   : FontFromFile(QString::fromStdString(options.file));
  if (!font) {
    if (options.file.empty())
      std::fprintf(stderr, "velk fontgen: no installed font family is named %s\n", options.family.c_str());
    else
      std::fprintf(stderr, "velk fontgen: %s holds no font that can be read\n", options.file.c_str());
    return std::nullopt;
  }
  font->setBold(options.bold);
  return font;
}

int Generate(const FontgenOptions& options) {
  const std::optional<QFont> font = FindFont(options);
  if (!font) return kNoFont;
  QtGlyphRasterizer rasterizer(*font);
  GeneratedFont generated;
  std::string reason;
  if (!GenerateFont(rasterizer, options.settings, generated, reason)) {
    std::fprintf(stderr, "velk fontgen: %s\n", reason.c_str());
    return kNoFont;
  }
  for (const std::string& line : generated.memo) std::printf("%s\n", line.c_str());
  const std::string_view bytes(reinterpret_cast<const char*>(generated.bytes.data()), generated.bytes.size());
  if (!WriteFileAtomically(options.out, bytes, reason)) {
    std::fprintf(stderr, "velk fontgen: %s\n", reason.c_str());
    return kWriteFailed;
  }
  return 0;
}

}  // namespace

int RunFontgen(const std::vector<std::string>& args) {
  FontgenOptions options;
  int status = 0;
  if (!ParseOptions(args, options, status)) return status;
  // A headless tool needs no display: Qt draws the fonts offscreen unless the
  // caller chose a platform.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char name[] = "velk";
  char* argv[] = {name, nullptr};
  const QGuiApplication application(argc, argv);
  return Generate(options);
}

}  // namespace velk::cli
