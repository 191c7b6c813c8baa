#include "package/package_list.h"

#include <string>

#include "model/project.h"
#include "script/lexical.h"

namespace velk {

void ResetPackageList(Project& project) {
  project.package.names = {"logo.png", "scr.txt"};
  project.package.refused = false;
}

bool AddPackageFile(Project& project, std::string_view name) {
  const std::string_view unquoted = UnquotedName(name);
  PackageList& list = project.package;
  if (list.names.size() >= kMaxPackageFiles) {
    list.refused = true;
    project.log.AppendLog("Package list full (" + std::to_string(kMaxPackageFiles) + " files), not listed: " +
                          std::string(unquoted));
    return false;
  }
  if (unquoted.size() > kMaxPackageNameBytes) {
    list.refused = true;
    project.log.AppendLog("File name longer than " + std::to_string(kMaxPackageNameBytes) +
                          " characters, not listed in the package: " + std::string(unquoted));
    return false;
  }
  list.names.emplace_back(unquoted);
  return true;
}

}  // namespace velk
