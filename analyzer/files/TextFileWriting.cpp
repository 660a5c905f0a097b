#include "analyzer/files/TextFileWriting.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QTextStream>

namespace TextFileWriting {

bool flushAndCheck(QTextStream& stream, QFileDevice& file)
{
    stream.flush();
    const bool flushed = file.flush();
    return flushed && stream.status() == QTextStream::Ok && file.error() == QFileDevice::NoError;
}

bool closeWrittenFile(QTextStream& stream, QFile& file)
{
    const bool written = flushAndCheck(stream, file);
    file.close();
    if (written && file.error() == QFileDevice::NoError)
        return true;
    file.remove();
    return false;
}

CreationFailure creationFailure(const QString& filePath)
{
    const QFileInfo folder(QFileInfo(filePath).absolutePath());
    const QString shown = QDir::toNativeSeparators(folder.absoluteFilePath());
    if (!folder.exists())
        return {CreationFailure::Cause::MissingFolder, shown, QString()};
    if (!folder.isDir())
        return {CreationFailure::Cause::NotAFolder, shown, QString()};
    // Permission bits do not tell (an administrator passes them, a read-only file
    // system does not): a file created and removed at once does.
    QTemporaryFile probe(QDir(folder.absoluteFilePath()).filePath(QStringLiteral(".write-check-XXXXXX")));
    if (!probe.open())
        return {CreationFailure::Cause::UnwritableFolder, shown, probe.errorString()};
    return {CreationFailure::Cause::Other, shown, QString()};
}

} // namespace TextFileWriting
