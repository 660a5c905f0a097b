#include "analyzer/files/FileNaming.h"

#include <QFileInfo>

namespace FileNaming {

QString uniqueFileName(const QString& base, const QString& suffix)
{
    QString name = base + suffix;
    for (int k = 1; QFileInfo::exists(name); ++k)
        name = base + "(" + QString::number(k) + ")" + suffix;
    return name;
}

std::pair<QString, QString> splitAtFirstDot(const QString& path)
{
    const QString fileName = QFileInfo(path).fileName();
    const QString directory = path.left(path.size() - fileName.size());
    const int dot = fileName.indexOf('.');
    if (dot < 0)
        return {path, QString()};
    return {directory + fileName.left(dot), fileName.mid(dot)};
}

} // namespace FileNaming
