#pragma once

#include <QString>

#include <chrono>
#include <functional>

class FixtureSetups;
class SetupVnaTableModel;
class SyncedVnaDevice;
class TaskProgress;
class VnaStateIO;

// Recalls a saved setup: the analyzer loads its state from the file, and the
// shared settings, the number of setups and every setup's flags, port counts and
// cabling are read back from the appended sections (missing or unreadable values
// take their defaults).
class SetupFileRecaller
{
public:
    using ErrorSink = std::function<void(const QString&)>;
    using Pause = std::function<void(std::chrono::milliseconds)>;

    // More setups than any file of ours can hold: a count beyond it is damage.
    static constexpr int MaxSetupCount = 64;

    SetupFileRecaller(SyncedVnaDevice* device, FixtureSetups* setups, SetupVnaTableModel* sweepTable, Pause pause,
                      ErrorSink reportError);

    // True once the analyzer has loaded the file (a refresh queued behind the load
    // has answered) and every setup was read back. Nothing changes when the file
    // cannot be read, was cut short (it holds only some of the sections a save
    // writes), the analyzer's port count is unknown or too small, or the setup count
    // is implausible. The analyzer's own state file, without any of them, is
    // recalled with every setup at its defaults.
    bool recall(const QString& filePath, TaskProgress& task);

private:
    void applySharedSettings(VnaStateIO& file);
    void applySetup(VnaStateIO& file, int index, TaskProgress& task);

    SyncedVnaDevice* m_device;
    FixtureSetups* m_setups;
    SetupVnaTableModel* m_sweepTable;
    Pause m_pause;
    ErrorSink m_reportError;
    int m_analyzerPorts = 0;
};
