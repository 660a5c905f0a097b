#pragma once

#include "app/exports/FixtureHalves.h"
#include "engine/sparameters/SParametersTwoPort.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class SyncedVnaDevice;
class TaskProgress;
class WorkerThread;

// One fixture half written as a Touchstone file for an analyzer port.
struct WrittenCorrectionFile
{
    std::uint32_t port = 0; // zero-based analyzer port
    QString filePath;
    double impedance = 0.0; // the file's reference impedance, ohm
};

// Writes each measured port of every enabled fixture of every setup as
// prefix + (port + 1) + ".s2p", re-gridded onto the analyzer's frequency grid,
// its analyzer side as file port 1, at the port's reference impedance.
class CorrectionFileWriter
{
public:
    using ErrorSink = std::function<void(const QString&)>;

    CorrectionFileWriter(SyncedVnaDevice* device, WorkerThread* backendWorker, ErrorSink reportError);

    // The files written, or no value after reporting why not. Every half is read
    // and brought onto the grid before the first file is written, so a half that
    // cannot give a sound file leaves no file of this run: no setup, a setup
    // without an enabled fixture, a fixture without ports, a port without a set
    // or a known reference impedance, or a set that does not re-grid onto the
    // analyzer's grid, such as one measured on a band the grid reaches beyond.
    // Only a failing write leaves the files written before it. The task's range is
    // the setups, and it advances by one step per setup.
    std::optional<std::vector<WrittenCorrectionFile>> write(const QString& prefix,
                                                            const std::vector<FixtureHalves>& setups,
                                                            TaskProgress& task);

private:
    struct GriddedHalf
    {
        std::uint32_t port = 0;
        Algorithms::SParametersTwoPort sParameters;
        double impedance = 0.0;
    };

    bool addHalves(VNAFixtureConnection* connection, const std::vector<double>& grid,
                   std::vector<GriddedHalf>& halves);
    std::optional<std::vector<WrittenCorrectionFile>> store(const QString& prefix,
                                                            const std::vector<GriddedHalf>& halves);

    SyncedVnaDevice* m_device;
    WorkerThread* m_worker;
    ErrorSink m_reportError;
};
