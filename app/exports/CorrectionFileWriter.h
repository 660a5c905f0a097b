#pragma once

#include "measurement/fixtures/VNAFixtureConnection.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class SyncedVnaDevice;
class WorkerThread;

// One fixture half written as a Touchstone file for an analyzer port.
struct WrittenCorrectionFile
{
    std::uint32_t port = 0; // zero-based analyzer port
    QString filePath;
    double impedance = 0.0; // the file's reference impedance, ohm
};

// Writes each measured port of a fixture connection as prefix + (port + 1) + ".s2p",
// re-gridded onto the analyzer's frequency grid, its analyzer side as file port 1,
// at the port's reference impedance.
class CorrectionFileWriter
{
public:
    using ErrorSink = std::function<void(const QString&)>;

    CorrectionFileWriter(SyncedVnaDevice* device, WorkerThread* backendWorker, ErrorSink reportError);

    // The files written, or no value after reporting why not (files written before
    // the failure stay); never an empty list, as a fixture without ports gives no
    // file. Nothing is written for a port whose results cannot give a sound file:
    // no set, no known reference impedance, or a set that does not re-grid onto
    // the analyzer's grid.
    std::optional<std::vector<WrittenCorrectionFile>> write(const QString& prefix, VNAFixtureConnection* connection);

private:
    SyncedVnaDevice* m_device;
    WorkerThread* m_worker;
    ErrorSink m_reportError;
};
