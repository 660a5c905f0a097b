#include "analyzer/files/TouchstoneIO.h"

#include "analyzer/files/FileNaming.h"
#include "analyzer/files/TextFileWriting.h"
#include "analyzer/files/TouchstoneReader.h"
#include "analyzer/files/TouchstoneWriting.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>
#include <QThread>

namespace {

constexpr uint maximumReadPorts = 16;
constexpr uint maximumNamedPorts = 9;
constexpr int existenceChecks = 3;
constexpr unsigned long existenceCheckPauseMs = 100;

bool appearsOnDisk(const QString& path)
{
    for (int check = 0; check < existenceChecks; ++check) {
        if (QFileInfo::exists(path))
            return true;
        QThread::msleep(existenceCheckPauseMs);
    }
    return false;
}

} // namespace

TouchstoneIO::TouchstoneIO() = default;

std::optional<uint> TouchstoneIO::portCountFromSuffix(const QFileInfo& file)
{
    static const QRegularExpression pattern(QStringLiteral("^s(?<count>[0-9])p$"));
    const auto match = pattern.match(file.suffix());
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(QStringLiteral("count")).toUInt();
}

std::optional<TouchstoneData> TouchstoneIO::read(const QString& filePath, TouchstoneReadIssue* issue) const
{
    TouchstoneReadIssue unasked;
    TouchstoneReadIssue& found = issue ? *issue : unasked;
    found = {};
    const auto portCount = portCountFromSuffix(QFileInfo(filePath));
    if (!portCount || *portCount < 1 || *portCount > maximumReadPorts) {
        found.kind = TouchstoneReadIssue::NoPortCount;
        return std::nullopt;
    }
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly)) {
        found.kind = TouchstoneReadIssue::CannotOpen;
        return std::nullopt;
    }
    QTextStream in(&file);
    in.setCodec("UTF-8");
    TouchstoneReader reader(static_cast<int>(*portCount));
    QString line;
    while (!reader.atEnd() && in.readLineInto(&line)) {
        if (!reader.addLine(line)) {
            found = reader.issue();
            return std::nullopt;
        }
    }
    if (file.error() != QFileDevice::NoError) {
        found.kind = TouchstoneReadIssue::CannotRead;
        return std::nullopt;
    }
    reader.finish();
    found = reader.issue();
    return reader.data();
}

bool TouchstoneIO::write(const QString& filePath, const TouchstoneData& data) const
{
    const auto namedCount = portCountFromSuffix(QFileInfo(filePath));
    QString path;
    int portCount = 0;
    if (namedCount && *namedCount >= 1 && *namedCount <= maximumNamedPorts) {
        portCount = static_cast<int>(*namedCount);
        path = filePath;
        if (!m_overwriteAllowed) {
            const auto [base, rest] = FileNaming::splitAtFirstDot(filePath);
            path = FileNaming::uniqueFileName(base, rest);
        }
    } else {
        if (data.portCount <= 0)
            return false;
        portCount = data.portCount;
        const QString suffix = ".s" + QString::number(portCount) + "p";
        path = m_overwriteAllowed ? filePath + suffix : FileNaming::uniqueFileName(filePath, suffix);
    }
    if (!TouchstoneWriting::isWritable(data, portCount))
        return false;

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QTextStream out(&file);
    out.setCodec("UTF-8");
    out << TouchstoneWriting::head(data.R);
    for (const auto& record : data.records)
        out << TouchstoneWriting::formatRecord(record, portCount);
    return TextFileWriting::closeWrittenFile(out, file) && appearsOnDisk(path);
}

QString TouchstoneIO::uniqueFileName(const QString& base, const QString& suffix)
{
    return FileNaming::uniqueFileName(base, suffix);
}
