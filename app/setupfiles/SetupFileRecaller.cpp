#include "app/setupfiles/SetupFileRecaller.h"

#include "analyzer/facade/SyncedVnaDevice.h"
#include "analyzer/files/VnaStateIO.h"
#include "app/checks/SetupVnaTableModel.h"
#include "app/setupfiles/SetupSections.h"
#include "measurement/progress/TaskProgress.h"
#include "measurement/setups/FixtureSetups.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMetaEnum>

#include <cmath>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("SetupFileRecaller", text);
}

bool readBool(VnaStateIO& file, const QString& section, const QString& key, bool fallback)
{
    const std::optional<QString> text = file.readValue(section, key);
    if (text == QStringLiteral("true"))
        return true;
    if (text == QStringLiteral("false"))
        return false;
    return fallback;
}

std::optional<int> readInt(VnaStateIO& file, const QString& section, const QString& key)
{
    const std::optional<QString> text = file.readValue(section, key);
    bool ok = false;
    const int value = text ? text->toInt(&ok) : 0;
    return ok ? std::optional<int>(value) : std::nullopt;
}

template <typename Enum>
Enum readKey(VnaStateIO& file, const QString& key, Enum fallback)
{
    const std::optional<QString> text = file.readValue(SetupSections::Settings, key);
    bool ok = false;
    const int value = text ? QMetaEnum::fromType<Enum>().keyToValue(text->toLatin1().constData(), &ok) : 0;
    return ok ? static_cast<Enum>(value) : fallback;
}

} // namespace

SetupFileRecaller::SetupFileRecaller(SyncedVnaDevice* device, FixtureSetups* setups, SetupVnaTableModel* sweepTable,
                                     Pause pause, ErrorSink reportError)
    : m_device(device)
    , m_setups(setups)
    , m_sweepTable(sweepTable)
    , m_pause(std::move(pause))
    , m_reportError(std::move(reportError))
{
}

bool SetupFileRecaller::recall(const QString& filePath, TaskProgress& task)
{
    task.setProgressValueAndText(0, tr("Open file"));
    // The analyzer and this program resolve a relative path from different folders.
    const QString path = QFileInfo(filePath).absoluteFilePath();
    VnaStateIO file(path, nullptr);
    if (!SetupSections::isSafeOnWire(path) || !file.open(QIODevice::ReadOnly)) {
        m_reportError(tr("Cannot recall state file: ") + filePath);
        return false;
    }

    const int required =
        readInt(file, SetupSections::SetupsInfo, QStringLiteral("MinimumRequiredPortCount")).value_or(0);
    const std::optional<int> analyzerPorts = m_device->portsCount();
    if (!analyzerPorts || *analyzerPorts < required) {
        m_reportError(tr("Not enough number of ports"));
        return false;
    }
    m_analyzerPorts = *analyzerPorts;
    const int setupCount = readInt(file, SetupSections::Settings, QStringLiteral("SetupCount")).value_or(0);
    // A save writes the shared settings first, then every setup's section, and the
    // port count last: a file with only some of them was cut short, and would reset
    // every setup or add setups of nothing but defaults. One with none of them is the
    // analyzer's own state file, recalled with every setup at its defaults.
    const bool hasSettings = bool(file.readValue(SetupSections::Settings, QStringLiteral("SetupCount")));
    const bool hasPortCount =
        bool(file.readValue(SetupSections::SetupsInfo, QStringLiteral("MinimumRequiredPortCount")));
    const bool complete = (!hasSettings && !hasPortCount)
        || (hasSettings && hasPortCount
            && (setupCount <= 0
                || file.readValue(SetupSections::fixtureSetup(setupCount - 1), QStringLiteral("FixtureAPortsCount"))));
    if (!complete || setupCount < 0 || setupCount > MaxSetupCount) {
        m_reportError(tr("Cannot recall state file: ") + filePath);
        return false;
    }

    m_device->loadStateFile(path);
    applySharedSettings(file);
    while (m_setups->getCount() < setupCount)
        m_setups->addSetup();

    task.setProgressRange(0, 10 * m_setups->getCount());
    for (int i = 0; i < m_setups->getCount(); ++i) {
        applySetup(file, i, task);
        task.setProgressValue((i + 1) * 10);
        m_pause(std::chrono::seconds(1));
    }

    if (!m_device->callAndWait(&SyncedVnaDevice::refresh)) {
        m_reportError(tr("Cannot recall state file: ") + filePath);
        return false;
    }
    return true;
}

void SetupFileRecaller::applySharedSettings(VnaStateIO& file)
{
    m_setups->setCorrectionMethod(
        readKey(file, QStringLiteral("MeasureMethod"), MeasureEnums::CorrectionMethod::TIME_GATING));
    m_sweepTable->setLowPassCheck(readBool(file, SetupSections::Settings, QStringLiteral("LowPassCheck"), true));
    m_setups->setZ0ConversionType(
        readKey(file, QStringLiteral("Z0ConversionType"), MeasureEnums::Z0Conversion::System));
    const std::optional<QString> userZ0 = file.readValue(SetupSections::Settings, QStringLiteral("UserZ0"));
    bool ok = false;
    const double z0 = userZ0 ? userZ0->toDouble(&ok) : 0.0;
    // No impedance of 0 ohm or less exists: a file without a usable one (an analyzer's
    // own state file) keeps the impedance in use rather than having it refused.
    if (ok && std::isfinite(z0) && z0 > 0.0)
        m_setups->setUserZ0(z0);
}

void SetupFileRecaller::applySetup(VnaStateIO& file, int index, TaskProgress& task)
{
    NoltAlgorithmsSetup* setup = m_setups->setup(index);
    const QString section = SetupSections::fixtureSetup(index);
    auto flag = [&](const char* key, void (NoltAlgorithmsSetup::*set)(bool)) {
        (setup->*set)(readBool(file, section, QLatin1String(key), true));
        task.nextStep();
    };
    auto portsCount = [&](const char* key, VNAFixtureConnection* connection) {
        const std::optional<int> count = readInt(file, section, QLatin1String(key));
        // A fixture has at least one port and no more than the analyzer it is cabled to.
        const bool usable = count && *count >= 1 && *count <= m_analyzerPorts;
        connection->fixture()->setPortsCount(usable ? static_cast<uint>(*count) : 1u);
        task.nextStep();
    };
    flag("FixtureAEnabled", &NoltAlgorithmsSetup::setLeftFixtureEnabled);
    portsCount("FixtureAPortsCount", setup->leftFixtureConn());
    flag("FixtureBEnabled", &NoltAlgorithmsSetup::setRightFixtureEnabled);
    portsCount("FixtureBPortsCount", setup->rightFixtureConn());
    flag("ABEnabled", &NoltAlgorithmsSetup::setAbThruConnectionEnabled);
    flag("AAuxEnabled", &NoltAlgorithmsSetup::setAaConnectionEnabled);
    flag("BAuxEnabled", &NoltAlgorithmsSetup::setBbConnectionEnabled);
    flag("DutEnabled", &NoltAlgorithmsSetup::setAbDutConnectionEnabled);

    for (int list = 0; list < 4; ++list) {
        VNAFixtureConnection* connection = SetupSections::portListConnection(*setup, list);
        for (int j = 0; j < connection->attachedPorts().size(); ++j) {
            const std::optional<int> port =
                readInt(file, section, QLatin1String(SetupSections::portListKeys[list]) + QString::number(j));
            // A port the analyzer lacks is as unreadable as a missing one.
            const bool usable = port && *port >= 0 && *port < m_analyzerPorts;
            connection->setAttachedVnaPort(j, usable ? static_cast<uint>(*port) : 0u);
        }
        if (list % 2 == 1)
            task.nextStep();
    }
}
