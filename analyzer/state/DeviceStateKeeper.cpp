#include "analyzer/state/DeviceStateKeeper.h"

#include "analyzer/facade/CacheComparison.h"
#include "analyzer/facade/SyncedVnaDevice.h"
#include "analyzer/threading/WaitForResult.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

#include <tuple>
#include <utility>

using CacheComparison::knownAndEqual;

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("DeviceStateKeeper", text);
}

QString names(const KeptSettings& settings, KeptSettings::Kinds kinds)
{
    QStringList names;
    if (kinds.testFlag(KeptSettings::Kind::TriggerSource))
        names << tr("trigger source");
    if (kinds.testFlag(KeptSettings::Kind::ContinuousSweep))
        names << tr("continuous sweep");
    if (kinds.testFlag(KeptSettings::Kind::Traces) && settings.traces)
        names << tr("traces (%1)").arg(settings.traces->join(QStringLiteral(", ")));
    if (kinds.testFlag(KeptSettings::Kind::FixtureSimulator))
        names << tr("fixture simulator");
    if (kinds.testFlag(KeptSettings::Kind::Deembedding))
        names << tr("de-embedding");
    if (kinds.testFlag(KeptSettings::Kind::PortImpedances))
        names << tr("port impedances");
    return names.join(QStringLiteral(", "));
}

} // namespace

DeviceStateKeeper::DeviceStateKeeper(SyncedVnaDevice* device, std::shared_ptr<const std::atomic<bool>> cancelled,
                                     Notify notify)
    : m_device(device)
    , m_cancelled(std::move(cancelled))
    , m_notify(std::move(notify))
{
}

bool DeviceStateKeeper::saveAndPreset()
{
    m_savedSaveType = waitForResult<std::optional<VNADevice::SaveType>>(
        [this](auto callback) { m_device->readStateFileSaveType(std::move(callback)); });

    const QDir applicationDir(QCoreApplication::applicationDirPath());
    if (!applicationDir.mkpath(QStringLiteral("tmp")))
        return false;
    const QDir tmpDir(applicationDir.filePath(QStringLiteral("tmp")));
    m_stateFilePath = tmpDir.filePath(QStringLiteral("saveState"));
    m_calibrationFilePath = tmpDir.filePath(QStringLiteral("calFile"));

    // Presetting without a saved state would lose the user's settings for good.
    if (isCancelled() || !saveState())
        return false;
    m_stateSaved = true;

    // Each wait serves the GUI thread's events: a cancel may come during any of them.
    const SweepSettings saved = takeSnapshot();
    if (isCancelled()) {
        restore();
        return false;
    }
    m_device->preset();
    if (!m_device->callAndWait(&SyncedVnaDevice::refresh) || isCancelled()) {
        restore();
        return false;
    }
    reapply(saved);
    m_device->loadCalibrationFile(m_calibrationFilePath);
    return true;
}

bool DeviceStateKeeper::saveState()
{
    const std::optional<VNADevice::SaveType> savedType = m_savedSaveType;
    const QString statePath = m_stateFilePath;
    const QString calibrationPath = m_calibrationFilePath;
    auto kept = std::make_shared<std::pair<KeptSettings, uint>>();
    const bool saved = waitForResult<bool>([&](std::function<void(bool)> callback) {
        m_device->postDeviceWork(
            [savedType, statePath, calibrationPath, kept](VNADevice& device, std::optional<uint> channel) {
                // What tells afterwards whether the load of this state took.
                if (channel)
                    *kept = {KeptSettings::read(device, *channel), *channel};
                if (!device.setStateFileSaveType(VNADevice::ChannelState))
                    return false;
                const bool saved = device.saveStateFile(statePath) && channel
                    && device.saveCalibrationFile(*channel, calibrationPath);
                if (!saved && savedType)
                    device.setStateFileSaveType(*savedType);
                return saved;
            },
            std::move(callback));
    });
    std::tie(m_keptSettings, m_channel) = *kept;
    return saved;
}

DeviceStateKeeper::SweepSettings DeviceStateKeeper::takeSnapshot() const
{
    return {m_device->sweepType(),   m_device->startFreq(),   m_device->stopFreq(),
            m_device->pointsCount(), m_device->ifBandwidth(), m_device->outputPower()};
}

void DeviceStateKeeper::reapply(const SweepSettings& saved)
{
    // Unknown values are not sent: the analyzer keeps its preset value rather
    // than getting 0 points or 0 Hz.
    if (saved.sweepType && m_device->sweepType() != saved.sweepType)
        m_device->applySweepType(*saved.sweepType);
    if (saved.startFreq && !knownAndEqual(m_device->startFreq(), *saved.startFreq))
        m_device->applyStartFreq(*saved.startFreq);
    if (saved.stopFreq && !knownAndEqual(m_device->stopFreq(), *saved.stopFreq)) {
        // The start that the analyzer will have when the stop arrives.
        const std::optional<double> start = saved.startFreq ? saved.startFreq : m_device->startFreq();
        if (!(start && *start > *saved.stopFreq))
            m_device->applyStopFreq(*saved.stopFreq);
    }
    if (saved.pointsCount && m_device->pointsCount() != saved.pointsCount)
        m_device->applyPointsCount(*saved.pointsCount);
    if (saved.ifBandwidth && !knownAndEqual(m_device->ifBandwidth(), *saved.ifBandwidth))
        m_device->applyIfBandwidth(*saved.ifBandwidth);
    if (saved.outputPower && !knownAndEqual(m_device->outputPower(), *saved.outputPower))
        m_device->applyOutputPower(*saved.outputPower);
}

bool DeviceStateKeeper::restore()
{
    if (!m_stateSaved)
        return true;
    m_stateSaved = false;
    const Restoration restoration = loadState();
    m_device->callAndWait(&SyncedVnaDevice::refresh);
    if (!restoration.notLoaded)
        return true;
    if (m_notify)
        m_notify(notice(restoration));
    return false;
}

DeviceStateKeeper::Restoration DeviceStateKeeper::loadState()
{
    const std::optional<VNADevice::SaveType> savedType = m_savedSaveType;
    const QString statePath = m_stateFilePath;
    const KeptSettings saved = m_keptSettings;
    const uint channel = m_channel;
    auto restoration = std::make_shared<Restoration>();
    waitForResult<bool>([&](std::function<void(bool)> callback) {
        m_device->postDeviceWork(
            [facade = m_device, savedType, statePath, saved, channel, restoration](VNADevice& device,
                                                                                  std::optional<uint>) {
                // Once the program quits, a slow analyzer's time goes to what puts it back,
                // not to reading it: nobody would be told anyway.
                const bool checked = !facade->m_givenUp;
                // The measurement may have left the analyzer just as the state has it (a
                // test program's bus trigger and traces, no correction): the continuous
                // sweep goes the other way first, so only a load that took sets it back.
                if (checked && saved.continuousSweep)
                    device.setContinuousSweep(!*saved.continuousSweep, channel);
                device.loadStateFile(statePath);
                device.memoryDeleteState(statePath);
                if (savedType)
                    device.setStateFileSaveType(*savedType);
                if (!checked)
                    return true;
                // An analyzer that refused the load (its state file gone) would stay on the
                // bus trigger without sweeping and without its correction: what the
                // program changed is put back whatever else is lost.
                const KeptSettings loaded = KeptSettings::read(device, channel);
                restoration->notLoaded = saved.differingFrom(loaded);
                if (restoration->notLoaded) {
                    saved.putBack(device, channel, loaded);
                    restoration->notRestored = saved.differingFrom(KeptSettings::read(device, channel));
                }
                return true;
            },
            std::move(callback));
    });
    return *restoration;
}

QString DeviceStateKeeper::notice(const Restoration& restoration) const
{
    const KeptSettings::Kinds setBack =
        restoration.notLoaded & ~restoration.notRestored & KeptSettings::settable();
    QStringList sentences{tr("VNA did not load back the state it had before the measurement.")};
    if (setBack)
        sentences << tr("Set back as before: %1.").arg(names(m_keptSettings, setBack));
    if (restoration.notRestored)
        sentences << tr("Not restored: %1.").arg(names(m_keptSettings, restoration.notRestored));
    return sentences.join(QLatin1Char(' '));
}
