#pragma once

#include "engine/sparameters/SParametersOnePortVNA.h"
#include "measurement/measurers/BaseMeasurer.h"
#include "measurement/measurers/FixtureRows.h"
#include "measurement/measurers/SDataMeasurer.h"

#include <QVector>

#include <mutex>
#include <optional>

class ConnectionBase;
class SourceReader;
class VNAFixtureConnection;

// Measures the reflections with the device under test in the fixture and re-gates
// the fixture's outer reflections with the processes kept by the connection that
// characterised the fixture.
class DutMeasurer : public BaseMeasurer
{
    Q_OBJECT

public:
    DutMeasurer(VNAFixtureConnection* fixture, ConnectionBase* fixtureConnection, SyncedVnaDevice* device,
                QObject* parent = nullptr);

    Status status() const { return static_cast<Status>(m_status.load()); }
    VNAFixtureConnection* fixture() const { return m_fixture; }
    ConnectionBase* fixtureConnection() const { return m_fixtureConnection; }
    QVector<Algorithms::SParametersOnePortVNA> rawData() const;

    // On the worker: reads the DUT reflections, then calculates. The earlier measurement
    // gives way once the new reflections are read (for a pair, those of both sides): a
    // failure or a cancel before that keeps it, and its status.
    bool measure(SourceReader& source, TaskProgress& task, const FixtureRows& rows);
    // Both sides of one 2x-thru in one calculation per process: the thru process
    // returns both ports to their base sets first, so two separate calls would undo
    // the first side's re-gating.
    static bool measurePair(DutMeasurer& left, DutMeasurer& right, SourceReader& source, TaskProgress& task,
                            const FixtureRows& leftRows, const FixtureRows& rightRows);
    // Why the fixture cannot be re-gated on these rows: the step that characterises it keeps
    // no calculation (never measured, deleted, cleared) or one of other rows; no value when
    // it can. Any thread: asked before a measurement is started, and again when it starts.
    std::optional<QString> characterisationProblem(const FixtureRows& rows) const;
    // Whether measurePair applies: both measure the two fixtures of the same thru.
    static bool sharesThru(const DutMeasurer& left, const DutMeasurer& right);
    // On the worker: the reflections read last, calculated again on the fixture's halves
    // as they are now (after an offset), alone or as a pair.
    // Asked only where characterisationProblem() finds none for the rows read.
    bool calculate(TaskProgress& task);
    static bool calculatePair(DutMeasurer& left, DutMeasurer& right, TaskProgress& task);
    void reset() override;

signals:
    void statusChanged(BaseMeasurer::Status st);

private:
    // Refuses a measurement of a fixture that cannot be re-gated before anything is read.
    bool characterised(TaskProgress& task, const FixtureRows& rows);
    // The new reflections, read; the earlier measurement stays until adopt().
    std::optional<SDataMeasurer::Data> read(SourceReader& source, TaskProgress& task, const FixtureRows& rows);
    // The reflections read replace the earlier measurement, still to be calculated.
    void adopt(const FixtureRows& rows, SDataMeasurer::Data data);
    // Ends a measurement before anything was adopted: a cancel is announced, a failure told
    // with the text (when any); the earlier measurement and its status stay.
    bool stopBeforeAdopting(TaskProgress& task, const QString& text = {});
    bool fail(TaskProgress& task);
    void setStatus(Status status);

    std::atomic<int> m_status{NotMeasured};
    VNAFixtureConnection* m_fixture;
    ConnectionBase* m_fixtureConnection;
    SDataMeasurer m_sdata;
    mutable std::mutex m_rawDataMutex;
    QVector<Algorithms::SParametersOnePortVNA> m_rawData;
};
