#include "assets/project_file.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

namespace velk {
namespace {

namespace fs = std::filesystem;

bool Exists(const std::string& path) {
  std::error_code error;
  return fs::exists(fs::path(path), error);
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

// The entry of `folder` whose name equals `name` but for ASCII case.
std::optional<std::string> MatchIgnoringCase(const std::string& folder, std::string_view name) {
  std::error_code error;
  fs::directory_iterator entry(folder.empty() ? fs::path(".") : fs::path(folder), error);
  std::optional<std::string> best;
  for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
    std::string candidate = entry->path().filename().string();
    if (SameIgnoringCase(candidate, name) && (!best || candidate < *best)) best = std::move(candidate);
  }
  return best;
}

}  // namespace

std::string ProjectFilePath(std::string_view folder, std::string_view name) {
  std::string relative(name);
  std::replace(relative.begin(), relative.end(), '\\', '/');
  std::string exact = std::string(folder) + relative;
  if (Exists(exact)) return exact;

  std::string path(folder);
  size_t start = 0;
  while (start <= relative.size()) {
    size_t slash = relative.find('/', start);
    if (slash == std::string::npos) slash = relative.size();
    const std::string_view part = std::string_view(relative).substr(start, slash - start);
    const bool last = slash == relative.size();
    if (part.empty() || part == "." || part == ".." || Exists(path + std::string(part))) {
      path += part;
    } else {
      const std::optional<std::string> match = MatchIgnoringCase(path, part);
      if (!match) return exact;
      path += *match;
    }
    if (!last) path += '/';
    start = slash + 1;
  }
  return Exists(path) ? path : exact;
}

}  // namespace velk
