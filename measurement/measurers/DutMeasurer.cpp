#include "measurement/measurers/DutMeasurer.h"

#include "measurement/connections/ConnectionReflect.h"
#include "measurement/connections/ConnectionTransmisson.h"
#include "measurement/measurers/BaseMeasurerTemplates.h"
#include "measurement/measurers/SourceReader.h"

namespace {

// Whether the kept processes were measured on exactly these rows, one process per row;
// side picks the row of the fixture among each process's rows.
template <typename Kept>
bool keptFor(const std::vector<Kept>& kept, const FixtureRows& rows, std::size_t side)
{
    if (kept.size() != rows.size())
        return false;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        if (side >= kept[i].rows.size() || kept[i].rows[side] != rows[i].port)
            return false;
    }
    return true;
}

// Why the kept processes cannot serve the rows: with none kept, the step that characterises
// the fixture has not measured it.
template <typename Kept>
QString unusableKeptText(const std::vector<Kept>& kept, ConnectionBase* characterising)
{
    if (!kept.empty())
        return DutMeasurer::tr("The fixture changed since it was characterised: measure it again");
    if (qobject_cast<ConnectionTransmisson*>(characterising))
        return DutMeasurer::tr("The fixture is not characterised yet: measure its 2xThrough step first");
    return DutMeasurer::tr("The fixture is not characterised yet: measure its reflection step first");
}

} // namespace

DutMeasurer::DutMeasurer(VNAFixtureConnection* fixture, ConnectionBase* fixtureConnection, SyncedVnaDevice* device,
                         QObject* parent)
    : BaseMeasurer(device, parent)
    , m_fixture(fixture)
    , m_fixtureConnection(fixtureConnection)
    , m_sdata(this)
{
    forwardErrors(&m_sdata);
}

QVector<Algorithms::SParametersOnePortVNA> DutMeasurer::rawData() const
{
    std::lock_guard<std::mutex> lock(m_rawDataMutex);
    return m_rawData;
}

void DutMeasurer::setStatus(Status status)
{
    if (storeStatus(m_status, status))
        emit statusChanged(status);
}

bool DutMeasurer::fail(TaskProgress& task)
{
    // The calculation that failed told why.
    return failWith(m_status, [this](Status s) { emit statusChanged(s); }, task, {});
}

void DutMeasurer::reset()
{
    setStatus(NotMeasured);
    m_sdata.clear();
    std::lock_guard<std::mutex> lock(m_rawDataMutex);
    m_rawData.clear();
}

std::optional<QString> DutMeasurer::characterisationProblem(const FixtureRows& rows) const
{
    if (auto* thru = qobject_cast<ConnectionTransmisson*>(m_fixtureConnection)) {
        if (m_fixture != thru->left() && m_fixture != thru->right())
            return tr("The fixture was not characterised by this 2x-thru");
        const auto kept = thru->processes().all();
        if (!keptFor(kept, rows, m_fixture == thru->left() ? 0 : 1))
            return unusableKeptText(kept, m_fixtureConnection);
    } else if (auto* reflect = qobject_cast<ConnectionReflect*>(m_fixtureConnection)) {
        const auto kept = reflect->processes().all();
        if (!keptFor(kept, rows, 0))
            return unusableKeptText(kept, m_fixtureConnection);
    }
    return std::nullopt;
}

bool DutMeasurer::stopBeforeAdopting(TaskProgress& task, const QString& text)
{
    if (!takeCancel() && !text.isEmpty())
        emit error(text);
    task.cancel();
    return false;
}

bool DutMeasurer::characterised(TaskProgress& task, const FixtureRows& rows)
{
    // Asked again on the worker: a clear posted before the measurement has run by now.
    const std::optional<QString> problem = characterisationProblem(rows);
    return !problem || stopBeforeAdopting(task, *problem);
}

std::optional<SDataMeasurer::Data> DutMeasurer::read(SourceReader& source, TaskProgress& task,
                                                     const FixtureRows& rows)
{
    prepareAnalyzer(source);
    task.nextStep(tr("Read s-data"));
    std::optional<SDataMeasurer::Data> data = m_sdata.read(source, rows);
    // The reading told why it failed, unless a cancel cut it short.
    if (!data)
        stopBeforeAdopting(task);
    else
        task.nextStep(tr("Read freqs"));
    return data;
}

void DutMeasurer::adopt(const FixtureRows& rows, SDataMeasurer::Data data)
{
    // From here the new reflections are the measurement; its calculation decides the status.
    setStatus(NotMeasured);
    QVector<Algorithms::SParametersOnePortVNA> raw;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        Algorithms::SParametersOnePortVNA set;
        set.setFrequencies(data.frequencies);
        set.setS11(data.columns[i]);
        set.setPort(rows[i].analyzerPort);
        raw.push_back(set);
    }
    m_sdata.adopt(std::move(data));
    std::lock_guard<std::mutex> lock(m_rawDataMutex);
    m_rawData = std::move(raw);
}

bool DutMeasurer::measure(SourceReader& source, TaskProgress& task, const FixtureRows& rows)
{
    const Measuring measuring(*this, task);
    if (!characterised(task, rows))
        return false;
    std::optional<SDataMeasurer::Data> data = read(source, task, rows);
    if (!data)
        return false;
    adopt(rows, std::move(*data));
    return calculate(task);
}

bool DutMeasurer::calculate(TaskProgress& task)
{
    task.nextStep(tr("Calculating"));
    // characterised() vouched for the kept processes before the reading; only the worker
    // writes them, and it is busy with this measurement.
    if (auto* thru = qobject_cast<ConnectionTransmisson*>(m_fixtureConnection)) {
        const bool left = m_fixture == thru->left();
        const auto kept = thru->processes().all();
        for (std::size_t i = 0; i < kept.size(); ++i) {
            const Algorithms::SParametersOnePort dut = m_sdata.oneport(i);
            if (!kept[i].process->calculateDUT(left ? dut : Algorithms::SParametersOnePort(),
                                               left ? Algorithms::SParametersOnePort() : dut))
                return fail(task);
        }
    } else if (auto* reflect = qobject_cast<ConnectionReflect*>(m_fixtureConnection)) {
        const auto kept = reflect->processes().all();
        for (std::size_t i = 0; i < kept.size(); ++i) {
            if (!kept[i].process->calculateDUT(m_sdata.oneport(i)))
                return fail(task);
        }
    }
    setStatus(Measured);
    return true;
}

bool DutMeasurer::sharesThru(const DutMeasurer& left, const DutMeasurer& right)
{
    auto* thru = qobject_cast<ConnectionTransmisson*>(left.m_fixtureConnection);
    return thru && thru == right.m_fixtureConnection && left.m_fixture == thru->left()
        && right.m_fixture == thru->right();
}

bool DutMeasurer::measurePair(DutMeasurer& left, DutMeasurer& right, SourceReader& source, TaskProgress& task,
                              const FixtureRows& leftRows, const FixtureRows& rightRows)
{
    const Measuring leftMeasuring(left, task);
    const Measuring rightMeasuring(right, task);
    if (!left.characterised(task, leftRows) || !right.characterised(task, rightRows))
        return false;
    // The two sides are one measurement: unless both are read, both keep the earlier one,
    // as their ports still show it.
    std::optional<SDataMeasurer::Data> leftData = left.read(source, task, leftRows);
    if (!leftData)
        return false;
    std::optional<SDataMeasurer::Data> rightData = right.read(source, task, rightRows);
    if (!rightData)
        return false;
    left.adopt(leftRows, std::move(*leftData));
    right.adopt(rightRows, std::move(*rightData));
    return calculatePair(left, right, task);
}

bool DutMeasurer::calculatePair(DutMeasurer& left, DutMeasurer& right, TaskProgress& task)
{
    task.nextStep(tr("Calculating"));
    task.nextStep(tr("Calculating"));
    auto* thru = static_cast<ConnectionTransmisson*>(left.m_fixtureConnection);
    const auto kept = thru->processes().all();
    for (std::size_t i = 0; i < kept.size(); ++i) {
        if (!kept[i].process->calculateDUT(left.m_sdata.oneport(i), right.m_sdata.oneport(i))) {
            left.fail(task);
            return right.fail(task);
        }
    }
    left.setStatus(Measured);
    right.setStatus(Measured);
    return true;
}
