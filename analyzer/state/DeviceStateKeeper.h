#pragma once

#include "analyzer/device/SweepType.h"
#include "analyzer/device/VNADevice.h"
#include "analyzer/state/KeptSettings.h"

#include <QString>

#include <atomic>
#include <functional>
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
    // Told, on the thread that restores, of a saved state the analyzer did not take back.
    using Notify = std::function<void(const QString& notice)>;

    // `cancelled` (when given) is set, on any thread, once the measurement that the
    // state is kept for is cancelled.
    explicit DeviceStateKeeper(SyncedVnaDevice* device, std::shared_ptr<const std::atomic<bool>> cancelled = {},
                               Notify notify = {});

    // True when the analyzer answered the refresh after the preset; the user's
    // settings are then being re-applied in the worker's queue. When the state
    // could not be saved nothing is preset; when the analyzer does not answer
    // after the preset, or a cancel came meanwhile, the saved state is restored
    // at once (a cancel before the state was saved changes nothing).
    bool saveAndPreset();
    // Loads the saved state back; does nothing when no state was saved or it
    // was restored already. When the analyzer did not take the state back (a kept
    // setting is not as saved), what can be set back is set back directly, one
    // notice says what was set back and what is still not restored, and the result
    // is false. Once the program quits (the facade gave up) the analyzer is not read
    // back.
    bool restore();

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

    // What a load left as the measurement had it, and what of that is so still after
    // the trigger source and the continuous sweep were set back.
    struct Restoration
    {
        KeptSettings::Kinds notLoaded;
        KeptSettings::Kinds notRestored;
    };

    bool saveState();
    Restoration loadState();
    QString notice(const Restoration& restoration) const;
    bool isCancelled() const { return m_cancelled && *m_cancelled; }
    SweepSettings takeSnapshot() const;
    void reapply(const SweepSettings& saved);

    SyncedVnaDevice* m_device;
    std::shared_ptr<const std::atomic<bool>> m_cancelled;
    Notify m_notify;
    std::optional<VNADevice::SaveType> m_savedSaveType;
    QString m_stateFilePath;
    QString m_calibrationFilePath;
    // Read as the state was saved, on the channel then active.
    KeptSettings m_keptSettings;
    uint m_channel = 0;
    bool m_stateSaved = false;
};
