#include "app/exports/CorrectionFileWriter.h"

#include "analyzer/files/TouchstoneIO.h"
#include "analyzer/source/MeasurementSource.h"
#include "app/exports/ExportTexts.h"
#include "app/exports/PortResults.h"
#include "app/exports/TouchstoneRecords.h"

#include <cmath>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("CorrectionFileWriter", text);
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
                                                                              VNAFixtureConnection* connection)
{
    const std::optional<std::vector<double>> grid = MeasurementSource(m_device).frequencies();
    if (!grid) {
        m_reportError(tr("Cannot read the frequency grid from VNA"));
        return std::nullopt;
    }
    const std::optional<std::vector<PortResult>> ports = readPortResults(m_worker, connection->measuredPorts());
    // A fixture without ports has no half to write, and writing nothing is no
    // correction either (results left from before its ports went are not its own).
    if (!ports || ports->empty() || connection->fixture()->portsCount() == 0) {
        m_reportError(ExportTexts::noCalculatedData());
        return std::nullopt;
    }

    std::vector<WrittenCorrectionFile> written;
    for (const PortResult& port : *ports) {
        if (!port.sParameters) {
            m_reportError(ExportTexts::noCalculatedData());
            return std::nullopt;
        }
        // An analyzer port set to 0 ohm, or a file read at 0 ohm, would be wrong.
        if (!port.z0 || !std::isfinite(*port.z0) || *port.z0 <= 0.0) {
            m_reportError(ExportTexts::unknownReferenceImpedance());
            return std::nullopt;
        }
        Algorithms::SParametersTwoPort half = *port.sParameters;
        if (port.mirrored)
            half.mirror();
        if (!half.interpolate(*grid)) {
            m_reportError(tr("The fixture data cannot be brought onto the frequency grid of VNA"));
            return std::nullopt;
        }

        const QString file = prefix + QString::number(port.analyzerPort + 1) + ".s2p";
        TouchstoneIO io;
        if (!io.write(file, twoPortTouchstone(half, *port.z0))) {
            m_reportError(ExportTexts::fileCannotBeCreated(file));
            return std::nullopt;
        }
        written.push_back({port.analyzerPort, file, *port.z0});
    }
    return written;
}
