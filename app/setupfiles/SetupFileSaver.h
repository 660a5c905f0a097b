#pragma once

#include <QString>

#include <functional>
#include <optional>

class FixtureSetups;
class SetupVnaTableModel;
class SyncedVnaDevice;
class TaskProgress;
class VnaStateIO;

// Saves a setup: the analyzer stores its state with calibration, and the
// application's sections are appended to the file the analyzer has just written.
class SetupFileSaver
{
public:
    using ErrorSink = std::function<void(const QString&)>;

    SetupFileSaver(SyncedVnaDevice* device, FixtureSetups* setups, SetupVnaTableModel* sweepTable,
                   ErrorSink reportError);

    // The stored path (absolute, ending in ".sta"), or no value after reporting why
    // not. Sections are appended only to a file the analyzer wrote for this save, so
    // a refused path never yields a file of the application's sections alone, and an
    // older file never gets a second set.
    std::optional<QString> save(const QString& filePath, TaskProgress& task);

private:
    bool appendSections(VnaStateIO& file, TaskProgress& task);

    SyncedVnaDevice* m_device;
    FixtureSetups* m_setups;
    SetupVnaTableModel* m_sweepTable;
    ErrorSink m_reportError;
};
