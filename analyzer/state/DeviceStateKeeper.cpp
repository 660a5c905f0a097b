#include "analyzer/state/DeviceStateKeeper.h"

#include "analyzer/facade/CacheComparison.h"
#include "analyzer/facade/SyncedVnaDevice.h"
#include "analyzer/threading/WaitForResult.h"

#include <QCoreApplication>
#include <QDir>

using CacheComparison::knownAndEqual;

DeviceStateKeeper::DeviceStateKeeper(SyncedVnaDevice* device, std::shared_ptr<const std::atomic<bool>> cancelled)
    : m_device(device)
    , m_cancelled(std::move(cancelled))
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
    return waitForResult<bool>([&](std::function<void(bool)> callback) {
        m_device->postDeviceWork(
            [savedType, statePath, calibrationPath](VNADevice& device, std::optional<uint> channel) {
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

void DeviceStateKeeper::restore()
{
    if (!m_stateSaved)
        return;
    m_stateSaved = false;
    m_device->loadStateFile(m_stateFilePath);
    m_device->memoryDeleteState(m_stateFilePath);
    if (m_savedSaveType)
        m_device->setStateFileSaveType(*m_savedSaveType);
    m_device->callAndWait(&SyncedVnaDevice::refresh);
}
