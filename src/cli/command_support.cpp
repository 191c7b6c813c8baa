#include "command_support.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "model/project.h"
#include "script/open_project.h"

namespace velk::cli {

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
  auto project = std::make_unique<Project>();
  OpenProject(*project, script);
  return project;
}

}  // namespace velk::cli
