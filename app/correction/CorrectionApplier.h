#pragma once

#include "app/exports/CorrectionFileWriter.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class SyncedVnaDevice;
class TaskProgress;
class WorkerThread;

// Makes the analyzer remove the fixtures itself: every fixture half of every setup
// is written as prefix + (port + 1) + ".s2p", and only once all of them are written
// does the analyzer receive, per port, its reference impedance, its de-embedding
// off and its file, then the channel's de-embedding and the fixture simulator on.
// A refusal part-way therefore never leaves the analyzer half re-pointed.
class CorrectionApplier
{
public:
    using ErrorSink = std::function<void(const QString&)>;

    CorrectionApplier(SyncedVnaDevice* device, WorkerThread* backendWorker, ErrorSink reportError);

    // True only when the analyzer took every command: the device queue has
    // answered a refresh behind them, the link held, and nothing was refused.
    bool apply(const std::vector<FixtureHalves>& setups, const QString& filePrefix, TaskProgress& task);

private:
    bool sendAndConfirm(const std::vector<WrittenCorrectionFile>& files);

    SyncedVnaDevice* m_device;
    ErrorSink m_reportError;
    CorrectionFileWriter m_writer;
};
