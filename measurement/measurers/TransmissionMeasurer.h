#pragma once

#include "engine/sparameters/SParametersTwoPortVNA.h"
#include "measurement/measurers/BaseMeasurer.h"
#include "measurement/measurers/FixtureRows.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
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
    // The rows of both fixtures, taken on the GUI thread when the measurement starts,
    // and the step whose results they become once the measurement writes them.
    struct Rows
    {
        FixtureRows left;
        FixtureRows right;
        std::uint64_t writer = 0;
    };

    TransmissionMeasurer(ConnectionTransmisson* connection, SyncedVnaDevice* device, QObject* parent = nullptr);

    Status status() const { return static_cast<Status>(m_status.load()); }
    ConnectionTransmisson* connection() const { return m_connection; }
    // One set per port pair of the last measurement, for the raw-data export.
    std::vector<Algorithms::SParametersTwoPortVNA> rawData() const;
    // (left fixture's port count + 1) x 3.
    int progressStepCount(const Rows& rows) const;

    // On the worker. No rows: the step has no fixtures. The earlier results stay
    // until the first pair's S-parameters are read on a grid its method accepts: a
    // failure or a cancel before that keeps them and the status.
    bool measure(SourceReader& source, TaskProgress& task, const std::optional<Rows>& rows);
    void reset() override;

signals:
    void statusChanged(BaseMeasurer::Status st);

private:
    // A process for the pair, and the impedances of its analyzer ports; the rows are not touched.
    struct Pair
    {
        std::shared_ptr<Algorithms::TransmissionProcess> process;
        double leftZ0 = 0.0;
        double rightZ0 = 0.0;
    };
    std::optional<Pair> preparePair(SourceReader& source, const FixtureRow& left, const FixtureRow& right);
    // The pair's rows set up for the process, which then calculates them.
    bool setupRows(const Pair& pair, const FixtureRow& left, const FixtureRow& right);
    // The earlier measurement gives way: results, raw data, kept processes and status.
    void replace(const Rows& rows);
    // Ends the measurement: a cancel is announced, anything else fails with the text.
    bool stop(TaskProgress& task, const QString& text = {});
    // Ends the measurement before anything was replaced: the earlier measurement and its
    // status stay; a failure is told with the text, a cancel is announced.
    bool stopBeforeReplacing(TaskProgress& task, const QString& text = {});
    bool fail(TaskProgress& task, const QString& text = {});
    void setStatus(Status status);

    std::atomic<int> m_status{NotMeasured};
    ConnectionTransmisson* m_connection;
    mutable std::mutex m_rawDataMutex;
    std::vector<Algorithms::SParametersTwoPortVNA> m_rawData;
};
