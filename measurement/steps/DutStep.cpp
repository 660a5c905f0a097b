#include "measurement/steps/DutStep.h"

#include "measurement/connections/ConnectionReflect.h"
#include "measurement/connections/ConnectionTransmisson.h"
#include "measurement/fixtures/VNAFixtureConnection.h"
#include "measurement/progress/TaskProgress.h"

#include <algorithm>

DutStep::DutStep(std::shared_ptr<ConnectionBase> connection, std::vector<std::shared_ptr<ConnectionBase>> earlier,
                 std::vector<std::shared_ptr<VNAFixtureConnection>> fixtures, SyncedVnaDevice* device,
                 WorkerThread* worker, ProgressManager* progress, QObject* parent)
    : Step(device, worker, progress, parent)
    , m_connection(std::move(connection))
    , m_earlier(std::move(earlier))
    , m_fixtures(std::move(fixtures))
{
    ConnectionBase* first = m_earlier.empty() ? nullptr : m_earlier.front().get();
    ConnectionBase* last = m_earlier.empty() ? nullptr : m_earlier.back().get();
    if (auto* thru = qobject_cast<ConnectionTransmisson*>(m_connection.get())) {
        m_measurers.push_back(new DutMeasurer(thru->left(), first, device, this));
        m_measurers.push_back(new DutMeasurer(thru->right(), last, device, this));
    } else if (auto* reflect = qobject_cast<ConnectionReflect*>(m_connection.get())) {
        m_measurers.push_back(new DutMeasurer(reflect->fixt(), first, device, this));
    }
    for (DutMeasurer* measurer : m_measurers) {
        connect(measurer, &BaseMeasurer::error, this, &Step::error);
        connect(measurer, &BaseMeasurer::cancelled, this, &Step::cancelled);
        // Direct: the flag is set while the worker is busy with the measurement, so
        // that the reading a cancel cuts short counts as cancelled, not as failed.
        connect(this, &Step::interrupted, measurer, &BaseMeasurer::interrupt, Qt::DirectConnection);
        connect(measurer, &DutMeasurer::statusChanged, this, &DutStep::dutMeasuredChanged);
    }
    connect(this, &DutStep::dutMeasuredChanged, this, &Step::isMeasuredChanged);
    // The status also reads the ports' sets, which a later thru, offset or clear replaces.
    for (const auto& fixture : m_fixtures) {
        fixture->watchPorts(this, [this](MeasuredFixturePort* port) {
            connect(port->measureData(), &QmlFixturePort::calibrationStateChanged, this, &DutStep::dutMeasuredChanged);
        });
    }
}

ConnectionBase* DutStep::connection() const
{
    return m_connection.get();
}

int DutStep::kind() const
{
    return qobject_cast<ConnectionTransmisson*>(m_connection.get()) ? 0 : 1;
}

MeasureEnums::MeasureStatus DutStep::measureStatus() const
{
    if (m_measurers.empty()) {
        emit const_cast<DutStep*>(this)->error(tr("Critical error. Please restart application"));
        return MeasureEnums::MeasureStatus::Error;
    }
    for (const DutMeasurer* measurer : m_measurers) {
        if (measurer->status() == BaseMeasurer::Failed)
            return MeasureEnums::MeasureStatus::Error;
        if (measurer->status() == BaseMeasurer::NotMeasured)
            return MeasureEnums::MeasureStatus::NONE;
    }
    for (const auto& fixture : m_fixtures) {
        for (const FixtureRow& row : takeFixtureRows(*fixture)) {
            if (!row.port->measureData()->calibrationState().testFlag(QmlFixturePort::DutCorrected))
                return MeasureEnums::MeasureStatus::NONE;
        }
    }
    return MeasureEnums::MeasureStatus::MEASURED;
}

std::vector<FixtureRows> DutStep::fixtureRows() const
{
    std::vector<FixtureRows> rows;
    for (const DutMeasurer* measurer : m_measurers)
        rows.push_back(takeFixtureRows(*measurer->fixture()));
    return rows;
}

Step::Work DutStep::dutWork()
{
    return [this, rows = fixtureRows()](SourceReader& source, TaskProgress& task) {
        DutMeasurer::measure(m_measurers, measuredAsPair(), source, task, rows);
    };
}

bool DutStep::refusedUncharacterised(TaskProgress& task)
{
    const std::vector<FixtureRows> rows = fixtureRows();
    for (std::size_t i = 0; i < m_measurers.size(); ++i) {
        if (const std::optional<QString> problem = m_measurers[i]->characterisationProblem(rows[i])) {
            emit error(*problem);
            task.nextStep(tr("Check data"));
            task.cancel();
            return true;
        }
    }
    return false;
}

bool DutStep::measuredAsPair() const
{
    return m_measurers.size() == 2 && DutMeasurer::sharesThru(*m_measurers[0], *m_measurers[1]);
}

Step::FollowUp DutStep::recalculation()
{
    auto self = std::static_pointer_cast<DutStep>(shared_from_this());
    return [self, rows = fixtureRows()](TaskProgress& task) {
        // Judged when the halves changed: the reflections of a DUT not measured, failed or
        // ended, or of halves calculated anew, are nothing to calculate.
        for (std::size_t i = 0; i < self->m_measurers.size(); ++i) {
            if (self->m_measurers[i]->status() != BaseMeasurer::Measured
                || self->m_measurers[i]->characterisationProblem(rows[i]))
                return;
        }
        DutMeasurer::recalculate(self->m_measurers, self->measuredAsPair(), task, rows);
    };
}

Step::Ending DutStep::ending(ConnectionBase* remeasured)
{
    auto self = std::static_pointer_cast<DutStep>(shared_from_this());
    return [self, remeasured, rows = fixtureRows()](bool told) {
        const auto& measurers = self->m_measurers;
        const bool calculatedWith = std::any_of(measurers.begin(), measurers.end(), [remeasured](DutMeasurer* m) {
            return m->fixtureConnection() == remeasured;
        });
        if (!calculatedWith)
            return;
        // A DUT that failed or ended before has no result to lose.
        const bool hadResult = std::all_of(measurers.begin(), measurers.end(),
                                           [](DutMeasurer* m) { return m->status() == BaseMeasurer::Measured; });
        DutMeasurer::end(measurers, rows);
        if (told && hadResult)
            emit self->error(tr("The DUT result was cleared because its fixtures were measured again"));
    };
}

bool DutStep::measureFromVna()
{
    const auto task = newTask(tr("DUT"), 3 * static_cast<int>(m_measurers.size()) + 2);
    return !refusedUncharacterised(*task) && runOnAnalyzer(task, dutWork());
}

void DutStep::measureFromTouchstoneFile(const QString& filePath)
{
    const auto task = newTask(tr("DUT"), 3 * static_cast<int>(m_measurers.size()));
    if (!refusedUncharacterised(*task))
        runFromFile(task, filePath, analyzerPortsOf(fixtureRows()), dutWork());
}
