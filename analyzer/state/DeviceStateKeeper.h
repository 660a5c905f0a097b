#pragma once

#include "analyzer/device/SweepType.h"
#include "analyzer/device/VNADevice.h"

#include <QString>

#include <atomic>
#include <memory>
#include <optional>

class SyncedVnaDevice;

// Saves the analyzer's state and calibration before a measurement, presets
// the analyzer and puts the user's sweep settings back; restores the saved
// state afterwards. Both calls block their thread in a nested event loop
// until the analyzer work they need is done; neither may run on the device worker.
class DeviceStateKeeper
{
public:
    // `cancelled` (when given) is set, on any thread, once the measurement that the
    // state is kept for is cancelled.
    explicit DeviceStateKeeper(SyncedVnaDevice* device, std::shared_ptr<const std::atomic<bool>> cancelled = {});

    // True when the analyzer answered the refresh after the preset; the user's
    // settings are then being re-applied in the worker's queue. When the state
    // could not be saved nothing is preset; when the analyzer does not answer
    // after the preset, or a cancel came meanwhile, the saved state is restored
    // at once (a cancel before the state was saved changes nothing).
    bool saveAndPreset();
    // Loads the saved state back; does nothing when no state was saved or it
    // was restored already.
    void restore();

    QString stateFilePath() const { return m_stateFilePath; }
    QString calibrationFilePath() const { return m_calibrationFilePath; }

private:
    struct SweepSettings
    {
        std::optional<SweepType> sweepType;
        std::optional<double> startFreq;
        std::optional<double> stopFreq;
        std::optional<uint> pointsCount;
        std::optional<double> ifBandwidth;
        std::optional<double> outputPower;
    };

    bool saveState();
    bool isCancelled() const { return m_cancelled && *m_cancelled; }
    SweepSettings takeSnapshot() const;
    void reapply(const SweepSettings& saved);

    SyncedVnaDevice* m_device;
    std::shared_ptr<const std::atomic<bool>> m_cancelled;
    std::optional<VNADevice::SaveType> m_savedSaveType;
    QString m_stateFilePath;
    QString m_calibrationFilePath;
    bool m_stateSaved = false;
};
