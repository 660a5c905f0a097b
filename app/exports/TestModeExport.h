#pragma once

#include "app/tables/TableModelRow.h"

#include <QString>

#include <functional>
#include <vector>

class NoltAlgorithmsSetup;
class TaskProgress;
class WorkerThread;

// The test mode's files: the algorithm parameters as prefix + "_ParametersTestMode.ini"
// (each row's exported key and value, English in every language),
// the raw data of every step, the time-domain curves of the first setup's fixtures
// as the tables "ImpulseResponse", "StepResponse" and "Gating", and each fixture
// half's S-parameters as prefix + "_SParameters" + fixture name.
class TestModeExport
{
public:
    using ErrorSink = std::function<void(const QString&)>;
    using RawDataExport = std::function<void(const QString& prefix)>;

    TestModeExport(WorkerThread* backendWorker, ErrorSink reportError);

    // True when every file that has data was written; each failure is reported.
    bool run(const QString& prefix, const std::vector<TableModelRow>& parameters, const NoltAlgorithmsSetup* setup,
             TaskProgress& task, const RawDataExport& exportRawData);

private:
    bool writeParameters(const QString& prefix, const std::vector<TableModelRow>& parameters, TaskProgress& task);
    void fail(const QString& text);

    WorkerThread* m_worker;
    ErrorSink m_reportError;
    bool m_allWritten = true;
};
