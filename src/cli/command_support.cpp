#include "command_support.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "model/project.h"
#include "script/open_project.h"

namespace velk::cli {
namespace {

class StderrNotifier : public Notifier {
 public:
  void Inform(std::string_view text) override {
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputc('\n', stderr);
  }
};

StderrNotifier stderr_notifier;

}  // namespace

std::unique_ptr<Project> NewProject() {
  auto project = std::make_unique<Project>();
  project->notifier = &stderr_notifier;
  return project;
}

bool ParseBusOption(const std::string& text, size_t& bus) {
  if (text != "1" && text != "2") return false;
  bus = text == "1" ? 0 : 1;
  return true;
}

std::unique_ptr<Project> OpenScriptForText(const std::string& script) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(script, error) || !std::ifstream(script, std::ios::binary)) {
    std::fprintf(stderr, "%s: нет файла\n", script.c_str());
    return nullptr;
  }
  std::unique_ptr<Project> project = NewProject();
  OpenProject(*project, script);
  return project;
}

}  // namespace velk::cli
