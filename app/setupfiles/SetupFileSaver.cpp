#include "app/setupfiles/SetupFileSaver.h"

#include "analyzer/facade/SyncedVnaDevice.h"
#include "analyzer/files/VnaStateIO.h"
#include "analyzer/threading/WaitForResult.h"
#include "app/checks/SetupVnaTableModel.h"
#include "app/exports/ExportTexts.h"
#include "app/setupfiles/SetupSections.h"
#include "measurement/progress/TaskProgress.h"
#include "measurement/setups/FixtureSetups.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMetaEnum>

#include <algorithm>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("SetupFileSaver", text);
}

QString boolText(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

template <typename Enum>
QString keyName(Enum value)
{
    const char* key = QMetaEnum::fromType<Enum>().valueToKey(static_cast<int>(value));
    return key ? QString::fromLatin1(key) : QStringLiteral("---");
}

std::optional<VNADevice::SaveType> readSaveType(SyncedVnaDevice* device)
{
    return waitForResult<std::optional<VNADevice::SaveType>>(
        [device](auto callback) { device->readStateFileSaveType(callback); });
}

// What identifies a file's content between two looks at it.
struct FileStamp
{
    bool exists;
    qint64 size;
    QDateTime modified;
    bool operator==(const FileStamp& other) const
    {
        return exists == other.exists && size == other.size && modified == other.modified;
    }
};

FileStamp stampOf(const QString& path)
{
    const QFileInfo info(path);
    return {info.exists(), info.size(), info.lastModified()};
}

} // namespace

SetupFileSaver::SetupFileSaver(SyncedVnaDevice* device, FixtureSetups* setups, SetupVnaTableModel* sweepTable,
                               ErrorSink reportError)
    : m_device(device)
    , m_setups(setups)
    , m_sweepTable(sweepTable)
    , m_reportError(std::move(reportError))
{
}

std::optional<QString> SetupFileSaver::save(const QString& filePath, TaskProgress& task)
{
    task.setProgressRange(0, m_setups->getCount());
    // The analyzer and this program resolve a relative path from different folders.
    const QString path =
        QFileInfo(filePath.endsWith(QStringLiteral(".sta")) ? filePath : filePath + ".sta").absoluteFilePath();
    if (!SetupSections::isSafeOnWire(path)) {
        m_reportError(tr("The path \"%1\" cannot be passed to VNA: it holds a control character or \";\"")
                          .arg(QDir::toNativeSeparators(path)));
        return std::nullopt;
    }
    // The analyzer writes the file and this program appends to it: a folder that cannot
    // take it is refused before the analyzer is asked, and a missing one is never made.
    if (const std::optional<QString> refusal = ExportTexts::folderRefusal(path)) {
        m_reportError(*refusal);
        return std::nullopt;
    }

    const std::optional<VNADevice::SaveType> saveType = readSaveType(m_device);
    if (!saveType) {
        m_reportError(tr("Cannot read the type of saving state file from VNA"));
        return std::nullopt;
    }
    const FileStamp before = stampOf(path);
    m_device->setStateFileSaveType(VNADevice::ChannelState);
    m_device->saveStateFile(path);
    m_device->setStateFileSaveType(*saveType);
    // Answered only once the analyzer has carried out the lines before it: without
    // the answer the file may still be on its way (or never come), and sections
    // appended now could be lost or land on an older file.
    const bool confirmed = readSaveType(m_device).has_value();

    const FileStamp after = stampOf(path);
    VnaStateIO written(path, nullptr);
    const bool freshFile = confirmed && after.exists && !(after == before) && written.open(QIODevice::ReadOnly)
        && !written.readValue(SetupSections::Settings, QStringLiteral("SetupCount"));
    if (!freshFile) {
        m_reportError(tr("Cannot read state file: ") + path);
        return std::nullopt;
    }
    VnaStateIO file(path, nullptr);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || !appendSections(file, task)) {
        m_reportError(tr("The file \"%1\" cannot be written: %2")
                          .arg(QDir::toNativeSeparators(path), ExportTexts::systemReason(file.errorString())));
        return std::nullopt;
    }
    return path;
}

bool SetupFileSaver::appendSections(VnaStateIO& file, TaskProgress& task)
{
    bool ok = file.writeSection(SetupSections::Settings);
    ok = ok && file.writeValue(QStringLiteral("SetupCount"), QString::number(m_setups->getCount()));
    ok = ok && file.writeValue(QStringLiteral("MeasureMethod"), keyName(m_setups->getCorrectionMethod()));
    ok = ok && file.writeValue(QStringLiteral("LowPassCheck"), boolText(m_sweepTable->lowPassCheck()));
    ok = ok && file.writeValue(QStringLiteral("Z0ConversionType"), keyName(m_setups->getZ0ConversionType()));
    // Every digit the impedance has, so that it is recalled as it was entered.
    ok = ok
        && file.writeValue(QStringLiteral("UserZ0"),
                           QString::number(m_setups->getUserZ0(), 'g', QLocale::FloatingPointShortest));
    ok = ok && file.writeEmptyLine();

    uint requiredPorts = m_setups->getCount() > 0 ? 0 : 1;
    for (int i = 0; i < m_setups->getCount() && ok; ++i) {
        NoltAlgorithmsSetup* setup = m_setups->setup(i);
        const uint leftCount = setup->leftFixtureConn()->fixture()->portsCount();
        const uint rightCount = setup->rightFixtureConn()->fixture()->portsCount();
        requiredPorts = std::max({requiredPorts, leftCount, rightCount});
        ok = file.writeSection(SetupSections::fixtureSetup(i));
        ok = ok && file.writeValue(QStringLiteral("FixtureAEnabled"), boolText(setup->leftFixtureEnabled()));
        ok = ok && file.writeValue(QStringLiteral("FixtureAPortsCount"), QString::number(leftCount));
        ok = ok && file.writeValue(QStringLiteral("FixtureBEnabled"), boolText(setup->rightFixtureEnabled()));
        ok = ok && file.writeValue(QStringLiteral("FixtureBPortsCount"), QString::number(rightCount));
        ok = ok && file.writeValue(QStringLiteral("ABEnabled"), boolText(setup->abThruConnectionEnabled()));
        ok = ok && file.writeValue(QStringLiteral("AAuxEnabled"), boolText(setup->aaConnectionEnabled()));
        ok = ok && file.writeValue(QStringLiteral("BAuxEnabled"), boolText(setup->bbConnectionEnabled()));
        ok = ok && file.writeValue(QStringLiteral("DutEnabled"), boolText(setup->abDutConnectionEnabled()));
        for (int list = 0; list < 4; ++list) {
            const ValueModel<uint>& ports = SetupSections::portListConnection(*setup, list)->attachedPorts();
            for (int j = 0; j < ports.size() && ok; ++j) {
                requiredPorts = std::max(requiredPorts, ports.at(j) + 1);
                ok = file.writeValue(QLatin1String(SetupSections::portListKeys[list]) + QString::number(j), QString::number(ports.at(j)));
            }
        }
        ok = ok && file.writeEmptyLine();
        task.setProgressValue(i + 1);
    }
    ok = ok && file.writeSection(SetupSections::SetupsInfo);
    ok = ok && file.writeValue(QStringLiteral("MinimumRequiredPortCount"), QString::number(requiredPorts));
    return ok && file.writeEmptyLine();
}
