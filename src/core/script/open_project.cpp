#include "script/open_project.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "model/project.h"
#include "package/package_list.h"

namespace velk {
namespace {

std::string FolderOf(const std::string& path) {
  const std::string folder = std::filesystem::path(path).parent_path().string();
  return folder.empty() ? std::string("./") : folder + "/";
}

}  // namespace

std::vector<std::string> ReadScriptLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<std::string> lines;
  size_t position = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
  while (position < bytes.size()) {
    size_t feed = bytes.find('\n', position);
    if (feed == std::string::npos) feed = bytes.size();
    std::string line = bytes.substr(position, feed - position);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    position = feed + 1;
  }
  return lines;
}

OpenResult OpenProject(Project& project, const std::string& path) {
  OpenResult result;
  ResetPackageList(project);
  ClearProject(project);
  const std::vector<std::string> lines = ReadScriptLines(path);
  project.folder = FolderOf(path);
  result.code = LoadScript(project, path, &result.report);
  const bool ok = result.code == kLoadOk;
  project.log.AppendLog(ok ? "Logic Ok \n" : "System/Logic Error \n");
  project.logic_valid = ok;
  project.can_output = ok;

  project.logic_text.clear();
  for (const std::string& line : lines) {
    if (result.has_grend) project.logic_text.push_back(line);
    else result.has_grend = line.find("GREND;") != std::string::npos;
  }
  if (!result.has_grend) project.logic_text = {"END;"};
  return result;
}

}  // namespace velk
