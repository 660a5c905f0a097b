#pragma once

#include "engine/sparameters/SParametersTwoPortVNA.h"
#include "measurement/measurers/BaseMeasurer.h"
#include "measurement/measurers/DraftPort.h"
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

    // On the worker. No rows: the step has no fixtures. Every pair is read and calculated
    // aside; the new halves, raw data, processes and status replace the earlier ones only
    // once every pair has succeeded: a failure or a cancel at any stage keeps them all.
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
    // One pair calculated aside.
    struct CalculatedPair
    {
        std::shared_ptr<Algorithms::TransmissionProcess> process;
        DraftPort left;
        DraftPort right;
    };
    struct Outcome
    {
        std::vector<CalculatedPair> pairs;
        std::vector<Algorithms::SParametersTwoPortVNA> rawData;
    };

    std::optional<Pair> preparePair(SourceReader& source, const FixtureRow& left, const FixtureRow& right);
    // Reads the pair's S-parameters and calculates its halves aside; nothing when the
    // reading or the calculation failed or a cancel came (the reason told).
    std::optional<CalculatedPair> calculatePair(SourceReader& source, TaskProgress& task, const FixtureRow& left,
                                                const FixtureRow& right, const std::vector<double>& frequencies,
                                                Outcome& outcome);
    // The new measurement replaces the earlier one whole: halves, raw data, kept processes, status.
    void putInPlace(Outcome outcome, const Rows& rows);
    void setStatus(Status status);

    std::atomic<int> m_status{NotMeasured};
    ConnectionTransmisson* m_connection;
    mutable std::mutex m_rawDataMutex;
    std::vector<Algorithms::SParametersTwoPortVNA> m_rawData;
};
