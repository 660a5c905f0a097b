#pragma once

#include <QString>

#include <utility>

namespace FileNaming {

// base + suffix, or the first of base + "(k)" + suffix (k = 1, 2, ...) that names no
// existing file.
QString uniqueFileName(const QString& base, const QString& suffix);

// Splits a path at the first "." of its file name: the base keeps the directories
// (whose dots never count), the rest starts with that "."; a file name without a dot
// gives the whole path and an empty rest.
std::pair<QString, QString> splitAtFirstDot(const QString& path);

} // namespace FileNaming
