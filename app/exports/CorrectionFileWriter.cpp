#include "app/exports/CorrectionFileWriter.h"

#include "analyzer/files/TouchstoneIO.h"
#include "analyzer/source/MeasurementSource.h"
#include "app/exports/ExportTexts.h"
#include "app/exports/FrequencyBand.h"
#include "app/exports/PortResults.h"
#include "app/exports/TouchstoneRecords.h"
#include "app/formatting/MetricText.h"
#include "measurement/progress/TaskProgress.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int ShownPrecision = 6;

QString tr(const char* text)
{
    return QCoreApplication::translate("CorrectionFileWriter", text);
}

QString outsideMeasuredBand(const std::vector<double>& grid, const std::vector<double>& measured)
{
    const FrequencyBand gridBand = FrequencyBand::of(grid);
    const FrequencyBand measuredBand = FrequencyBand::of(measured);
    return tr("The frequency grid of VNA (%1Hz to %2Hz) reaches outside the band the fixture was measured in "
              "(%3Hz to %4Hz): measure the fixture again")
        .arg(toNormalized(gridBand.lowest, ShownPrecision), toNormalized(gridBand.highest, ShownPrecision),
             toNormalized(measuredBand.lowest, ShownPrecision), toNormalized(measuredBand.highest, ShownPrecision));
}

} // namespace

CorrectionFileWriter::CorrectionFileWriter(SyncedVnaDevice* device, WorkerThread* backendWorker,
                                           ErrorSink reportError)
    : m_device(device)
    , m_worker(backendWorker)
    , m_reportError(std::move(reportError))
{
}

std::optional<std::vector<WrittenCorrectionFile>> CorrectionFileWriter::write(const QString& prefix,
                                                                              const std::vector<FixtureHalves>& setups,
                                                                              TaskProgress& task)
{
    task.setProgressRange(0, static_cast<int>(setups.size()));
    const bool everySetupHasAFixture = std::all_of(setups.begin(), setups.end(), [](const FixtureHalves& setup) {
        return setup.leftEnabled || setup.rightEnabled;
    });
    if (setups.empty() || !everySetupHasAFixture) {
        m_reportError(ExportTexts::noCalculatedData());
        return std::nullopt;
    }
    const std::optional<std::vector<double>> grid = MeasurementSource(m_device).frequencies();
    if (!grid) {
        m_reportError(tr("Cannot read the frequency grid from VNA"));
        return std::nullopt;
    }

    std::vector<GriddedHalf> halves;
    for (const FixtureHalves& setup : setups) {
        for (auto [enabled, connection] : {std::pair{setup.leftEnabled, setup.left}, {setup.rightEnabled, setup.right}}) {
            if (enabled && !addHalves(connection, *grid, halves))
                return std::nullopt;
        }
        task.nextStep();
    }
    return store(prefix, halves);
}

bool CorrectionFileWriter::addHalves(VNAFixtureConnection* connection, const std::vector<double>& grid,
                                     std::vector<GriddedHalf>& halves)
{
    const std::optional<std::vector<PortResult>> ports = readPortResults(m_worker, connection->measuredPorts());
    // A fixture without ports has no half to write, and writing nothing is no
    // correction either (results left from before its ports went are not its own).
    if (!ports || ports->empty() || connection->fixture()->portsCount() == 0) {
        m_reportError(ExportTexts::noCalculatedData());
        return false;
    }

    for (const PortResult& port : *ports) {
        if (!port.sParameters) {
            m_reportError(ExportTexts::noCalculatedData());
            return false;
        }
        // An analyzer port set to 0 ohm, or a file read at 0 ohm, would be wrong.
        if (!port.z0 || !std::isfinite(*port.z0) || *port.z0 <= 0.0) {
            m_reportError(ExportTexts::unknownReferenceImpedance());
            return false;
        }
        GriddedHalf half{port.analyzerPort, *port.sParameters, *port.z0};
        if (port.mirrored)
            half.sParameters.mirror();
        const std::vector<double> measured = half.sParameters.frequencies();
        if (!half.sParameters.interpolate(grid)) {
            m_reportError(tr("The fixture data cannot be brought onto the frequency grid of VNA"));
            return false;
        }
        if (!coversGrid(measured, grid)) {
            m_reportError(outsideMeasuredBand(grid, measured));
            return false;
        }
        halves.push_back(std::move(half));
    }
    return true;
}

std::optional<std::vector<WrittenCorrectionFile>> CorrectionFileWriter::store(const QString& prefix,
                                                                              const std::vector<GriddedHalf>& halves)
{
    std::vector<WrittenCorrectionFile> written;
    for (const GriddedHalf& half : halves) {
        const QString file = prefix + QString::number(half.port + 1) + ".s2p";
        TouchstoneIO io;
        if (!io.write(file, twoPortTouchstone(half.sParameters, half.impedance))) {
            m_reportError(ExportTexts::fileCannotBeCreated(file));
            return std::nullopt;
        }
        written.push_back({half.port, file, half.impedance});
    }
    return written;
}
