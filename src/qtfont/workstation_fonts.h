#pragma once

#include <QFont>
#include <QString>

#include <optional>

namespace velk {

// The font of an installed family (as QFontDatabase names it, in any case),
// or nothing when no such family is installed.
std::optional<QFont> InstalledFont(const QString& family);

// The font of a TrueType or OpenType file, added to this process's fonts;
// nothing when Qt reads no font from the file.
std::optional<QFont> FontFromFile(const QString& path);

}  // namespace velk
