#include "script/save_project.h"

#include "model/project.h"
#include "script/write_file.h"
#include "script/writer.h"

namespace velk {

bool WriteLinesAtomically(const std::string& path, const std::vector<std::string>& lines, std::string& error) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return WriteFileAtomically(path, text, error);
}

bool SaveProject(Project& project, const std::string& path, std::string& error) {
  std::vector<std::string> lines;
  WriteScript(project, lines);
  if (!WriteLinesAtomically(path, lines, error)) return false;
  project.snapshot = std::move(lines);
  return true;
}

bool HasUnsavedChanges(const Project& project) {
  std::vector<std::string> lines;
  WriteScript(project, lines);
  return lines != project.snapshot;
}

}  // namespace velk
