#include "qtfont/workstation_fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace velk {

std::optional<QFont> InstalledFont(const QString& family) {
  if (family.isEmpty() || !QFontDatabase::hasFamily(family)) return std::nullopt;
  return QFont(family);
}

std::optional<QFont> FontFromFile(const QString& path) {
  const int id = QFontDatabase::addApplicationFont(path);
  if (id < 0) return std::nullopt;
  const QStringList families = QFontDatabase::applicationFontFamilies(id);
  if (families.isEmpty()) return std::nullopt;
  return QFont(families.front());
}

}  // namespace velk
