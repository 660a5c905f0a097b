#pragma once

#include "engine/sparameters/SParametersOnePortVNA.h"
#include "engine/processes/reflect/ReflectProcess.h"
#include "engine/processes/transmission/TransmissionProcess.h"
#include "measurement/connections/ConnectionBase.h"
#include "measurement/measurers/BaseMeasurer.h"
#include "measurement/measurers/DraftPort.h"
#include "measurement/measurers/FixtureRows.h"
#include "measurement/measurers/SDataMeasurer.h"

#include <QVector>

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

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

    // On the worker: one DUT measurement with every measurer, each on its fixture's rows.
    // Every fixture's reflections are read and the characterised ports re-gated aside; the
    // new measurement replaces the earlier one of every measurer only once all of it has
    // succeeded, so a failure or a cancel at any stage keeps the earlier one whole.
    // asPair: the two measurers are the two sides of one 2x-thru (see sharesThru()).
    static bool measure(const std::vector<DutMeasurer*>& measurers, bool asPair, SourceReader& source,
                        TaskProgress& task, const std::vector<FixtureRows>& rows);
    // On the worker, after an offset rewrote the halves: the reflections measured last,
    // calculated again on the halves as they are now. A DUT that cannot follow fails, told
    // once as the DUT's failure, and leaves no half re-gated. Asked only where every measurer
    // is measured and characterisationProblem() finds nothing for the rows read.
    static void recalculate(const std::vector<DutMeasurer*>& measurers, bool asPair, TaskProgress& task,
                            const std::vector<FixtureRows>& rows);
    // On the worker: the DUT measured with these measurers ends on all of their fixtures' rows
    // at once, as it was one measurement: every measurer not measured, and every half that
    // still carries its re-gated reflections back to its own results.
    static void end(const std::vector<DutMeasurer*>& measurers, const std::vector<FixtureRows>& rows);
    // On the worker: takes the DUT's re-gated reflections out of every row's half.
    static void withdrawFrom(const std::vector<FixtureRows>& rows);
    // Why the fixture cannot be re-gated on these rows: the step that characterises it keeps
    // no calculation (never measured, deleted, cleared) or one of other rows; no value when
    // it can. Any thread: asked before a measurement is started, and again when it starts.
    std::optional<QString> characterisationProblem(const FixtureRows& rows) const;
    // Both measure the two fixtures of the same thru: the thru process returns both ports
    // to their base sets first, so the two sides are re-gated in one calculation per process.
    static bool sharesThru(const DutMeasurer& left, const DutMeasurer& right);
    void reset() override;

signals:
    void statusChanged(BaseMeasurer::Status st);

private:
    using Readings = std::vector<SDataMeasurer::Data>;

    // Refuses a measurement of a fixture that cannot be re-gated before anything is read.
    bool characterised(TaskProgress& task, const FixtureRows& rows);
    // The new reflections, read; the earlier measurement stays.
    std::optional<SDataMeasurer::Data> read(SourceReader& source, TaskProgress& task, const FixtureRows& rows);
    // Why the characterised processes cannot gate reflections on this grid; empty when they can.
    QString gridProblem(const std::vector<double>& frequencies) const;
    // The ports of the measurers' characterising processes re-gated aside with the
    // reflections (one reading per measurer); nothing when a calculation failed or a
    // cancel came, with the engine's reason in `reason`.
    static std::optional<std::vector<DraftPort>> regate(const std::vector<DutMeasurer*>& measurers, bool asPair,
                                                        const Readings& readings, QString& reason);
    // This measurer's share of a calculation of its own connection's processes.
    bool regateOwn(const SDataMeasurer::Data& reading, std::vector<DraftPort>& drafts);
    // Copies of the rows' ports calculated further: the process is moved onto the copies for
    // the calculation and back onto the rows after it; the copies join the drafts when it succeeds.
    bool regateCopies(const std::vector<std::shared_ptr<MeasuredFixturePort>>& rows,
                      const std::function<void(const std::vector<Algorithms::FixturePort*>&)>& moveProcess,
                      const std::function<bool()>& calculate, std::vector<DraftPort>& drafts);
    // One kept process re-gates copies of its ports.
    bool regateThru(const KeptProcesses<Algorithms::TransmissionProcess>::Kept& kept,
                    const Algorithms::SParametersOnePort& leftDut, const Algorithms::SParametersOnePort& rightDut,
                    std::vector<DraftPort>& drafts);
    bool regateReflect(const KeptProcesses<Algorithms::ReflectProcess>::Kept& kept,
                       const Algorithms::SParametersOnePort& dut, std::vector<DraftPort>& drafts);
    // The reflections read become the measurement.
    void adopt(const FixtureRows& rows, SDataMeasurer::Data data);
    void setStatus(Status status);

    std::atomic<int> m_status{NotMeasured};
    VNAFixtureConnection* m_fixture;
    ConnectionBase* m_fixtureConnection;
    SDataMeasurer m_sdata;
    mutable std::mutex m_rawDataMutex;
    QVector<Algorithms::SParametersOnePortVNA> m_rawData;
};
