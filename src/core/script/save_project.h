#pragma once

#include <string>
#include <vector>

namespace velk {

struct Project;

// Writes lines to a file, each followed by CR LF, replacing the file only
// when the whole text was written: the previous file survives any failure.
// On failure `error` says why.
bool WriteLinesAtomically(const std::string& path, const std::vector<std::string>& lines, std::string& error);

// Saves the project as the program's Save does: the script writer's lines to
// `path`, and the same lines as the snapshot that unsaved changes are
// measured against.
bool SaveProject(Project& project, const std::string& path, std::string& error);

// Whether the model or the logic text differ from what was last opened or saved.
bool HasUnsavedChanges(const Project& project);

}  // namespace velk
