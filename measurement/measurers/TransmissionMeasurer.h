#pragma once

#include "engine/sparameters/SParametersTwoPortVNA.h"
#include "measurement/measurers/BaseMeasurer.h"
#include "measurement/measurers/FixtureRows.h"

#include <memory>
#include <mutex>
#include <vector>

class ConnectionTransmisson;
class SourceReader;

namespace Algorithms {
class TransmissionProcess;
}

// Measures the 2x-thru between two fixtures and computes both halves, one
// process per pair of fixture rows.
class TransmissionMeasurer : public BaseMeasurer
{
    Q_OBJECT

public:
    // The rows of both fixtures, taken on the GUI thread when the measurement starts.
    struct Rows
    {
        FixtureRows left;
        FixtureRows right;
    };

    TransmissionMeasurer(ConnectionTransmisson* connection, SyncedVnaDevice* device, QObject* parent = nullptr);

    Status status() const { return static_cast<Status>(m_status.load()); }
    ConnectionTransmisson* connection() const { return m_connection; }
    // One set per port pair of the last measurement, for the raw-data export.
    std::vector<Algorithms::SParametersTwoPortVNA> rawData() const;
    // (left fixture's port count + 1) x 3.
    int progressStepCount(const Rows& rows) const;

    // On the worker. No rows: the step has no fixtures.
    bool measure(SourceReader& source, TaskProgress& task, const std::optional<Rows>& rows);
    void reset() override;

signals:
    void statusChanged(BaseMeasurer::Status st);

private:
    std::shared_ptr<Algorithms::TransmissionProcess> prepareProcess(SourceReader& source, const FixtureRow& left,
                                                                    const FixtureRow& right);
    bool fail(TaskProgress& task, const QString& text = {});
    void setStatus(Status status);

    std::atomic<int> m_status{NotMeasured};
    ConnectionTransmisson* m_connection;
    mutable std::mutex m_rawDataMutex;
    std::vector<Algorithms::SParametersTwoPortVNA> m_rawData;
};
