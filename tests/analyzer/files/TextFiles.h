#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Small file helpers shared by the file-format tests.
namespace TextFiles {

inline bool writeBytes(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace TextFiles
