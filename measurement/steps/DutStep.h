#pragma once

#include "measurement/measurers/DutMeasurer.h"
#include "measurement/steps/Step.h"

#include <memory>
#include <vector>

class VNAFixtureConnection;

// The device under test measured in its fixtures; the fixtures' outer reflections
// are re-gated with the processes of the steps that characterised them.
class DutStep : public Step
{
    Q_OBJECT
    Q_PROPERTY(bool isDut READ isDut CONSTANT)
    Q_PROPERTY(MeasureEnums::MeasureStatus dutMeasured READ measureStatus NOTIFY dutMeasuredChanged)

public:
    // fixtures: the fixture connections of `connection` (left and right for a thru,
    // the one fixture otherwise); earlier: the connections of the steps before it.
    DutStep(std::shared_ptr<ConnectionBase> connection, std::vector<std::shared_ptr<ConnectionBase>> earlier,
            std::vector<std::shared_ptr<VNAFixtureConnection>> fixtures, SyncedVnaDevice* device,
            WorkerThread* worker, ProgressManager* progress, QObject* parent = nullptr);

    ConnectionBase* connection() const override;
    MeasureEnums::MeasureStatus measureStatus() const override;
    int kind() const override;
    bool isDut() const { return true; }
    const std::vector<DutMeasurer*>& measurers() const { return m_measurers; }
    // The rows of each measurer's fixture, in the measurers' order.
    std::vector<FixtureRows> fixtureRows() const;
    // For the steps that characterise the fixtures: after their offset rewrote the halves,
    // the DUT measured before is calculated again on the new halves (its reflections are
    // kept), so it stays measured. Made on the GUI thread, run on the worker.
    FollowUp recalculation();
    // For the steps that characterise the fixtures: once a new measurement or a clear of theirs
    // replaced the processes a DUT was calculated with, the DUT ends on every fixture, the
    // others' halves back to their own results; a result that ended is told once when asked.
    // Made on the GUI thread, run on the worker.
    Ending ending(ConnectionBase* remeasured);

public slots:
    bool measureFromVna();
    void measureFromTouchstoneFile(const QString& filePath);
    void deleteData() override {}

signals:
    void dutMeasuredChanged();

private:
    // Refuses, before any sweep, a measurement of a fixture that cannot be re-gated: the
    // error says which step to measure first and the task fails.
    bool refusedUncharacterised(TaskProgress& task);
    Work dutWork();
    bool measuredAsPair() const;

    std::shared_ptr<ConnectionBase> m_connection;
    std::vector<std::shared_ptr<ConnectionBase>> m_earlier;
    std::vector<std::shared_ptr<VNAFixtureConnection>> m_fixtures;
    std::vector<DutMeasurer*> m_measurers;
};
