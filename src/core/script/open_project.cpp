#include "script/open_project.h"

#include <filesystem>

#include "model/project.h"
#include "package/package_list.h"
#include "script/lexical.h"
#include "script/read_file.h"
#include "script/writer.h"

namespace velk {
namespace {

std::string FolderOf(const std::string& path) {
  const std::string folder = std::filesystem::path(path).parent_path().string();
  return folder.empty() ? std::string("./") : folder + "/";
}

// A save writes only library declarations and elements before "GREND;", and
// copies the logic text as it stands; the user is told where that changes
// the script.
void WarnAboutSave(Project& project, const std::vector<std::string>& lines) {
  bool logic_text = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string statement = ApplyLexicalRules(lines[i]).statement;
    if (!statement.empty() && statement.back() == ';') statement.pop_back();
    const std::string where = "line " + std::to_string(i + 1) + ": ";
    if (logic_text && IsDisplayPartStatement(statement))
      project.log.AppendLog(where + statement + " follows GREND; a save writes it twice");
    else if (!logic_text && !statement.empty() && statement != "GREND" && statement != "END" &&
             !IsDisplayPartStatement(statement))
      project.log.AppendLog(where + statement + " stands before GREND; a save will not keep it");
    if (lines[i].find("GREND;") != std::string::npos) logic_text = true;
  }
}

}  // namespace

std::vector<std::string> ReadScriptLines(const std::string& path) {
  FileBytes file;
  std::vector<std::string> lines;
  if (ReadFileBytes(path, file) != ReadFileResult::Ok) return lines;
  const std::string_view bytes = file.view();
  size_t position = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
  while (position < bytes.size()) {
    size_t feed = bytes.find('\n', position);
    if (feed == std::string_view::npos) feed = bytes.size();
    std::string line(bytes.substr(position, feed - position));
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
  WarnAboutSave(project, lines);
  const bool ok = result.code == kLoadOk;
  project.log.AppendLog(ok ? "Logic Ok \n" : "System/Logic Error \n");
  project.logic_valid = ok;
  project.can_output = ok;

  project.logic_text.clear();
  for (size_t i = 0; i < lines.size(); ++i) {
    if (result.has_grend) {
      project.logic_text.push_back(lines[i]);
    } else if (lines[i].find("GREND;") != std::string::npos) {
      result.has_grend = true;
      result.grend_line = static_cast<int>(i);
    }
  }
  if (!result.has_grend) project.logic_text = {"END;"};
  WriteScript(project, project.snapshot);
  return result;
}

}  // namespace velk
