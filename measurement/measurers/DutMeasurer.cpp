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
        return DutMeasurer::tr("The fixture is not characterised yet: measure its 2x-thru step first");
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

bool DutMeasurer::fail(TaskProgress& task, const QString& text)
{
    return failWith(m_status, [this](Status s) { emit statusChanged(s); }, task, text);
}

void DutMeasurer::reset()
{
    setStatus(NotMeasured);
    m_sdata.clear();
    std::lock_guard<std::mutex> lock(m_rawDataMutex);
    m_rawData.clear();
}

bool DutMeasurer::read(SourceReader& source, TaskProgress& task, const FixtureRows& rows)
{
    prepareAnalyzer();
    task.nextStep(tr("Read s-data"));
    if (!m_sdata.read(source, rows)) {
        // A reading cut short by a cancel leaves the earlier measurement as it was.
        if (takeCancel()) {
            task.cancel();
            return false;
        }
        reset();
        return fail(task);
    }
    task.nextStep(tr("Read freqs"));
    return true;
}

void DutMeasurer::adopt(const FixtureRows& rows)
{
    // From here the new reflections are the measurement; its calculation decides the status.
    setStatus(NotMeasured);
    const SDataMeasurer::Data data = m_sdata.data();
    QVector<Algorithms::SParametersOnePortVNA> raw;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        Algorithms::SParametersOnePortVNA set;
        set.setFrequencies(data.frequencies);
        set.setS11(data.columns[i]);
        set.setPort(rows[i].analyzerPort);
        raw.push_back(set);
    }
    std::lock_guard<std::mutex> lock(m_rawDataMutex);
    m_rawData = std::move(raw);
}

bool DutMeasurer::measure(SourceReader& source, TaskProgress& task, const FixtureRows& rows)
{
    const Measuring measuring(*this);
    if (!read(source, task, rows))
        return false;
    adopt(rows);
    return calculate(task, rows);
}

bool DutMeasurer::calculate(TaskProgress& task, const FixtureRows& rows)
{
    task.nextStep(tr("Calculating"));
    if (auto* thru = qobject_cast<ConnectionTransmisson*>(m_fixtureConnection)) {
        if (m_fixture != thru->left() && m_fixture != thru->right())
            return fail(task, tr("The fixture was not characterised by this 2x-thru"));
        const bool left = m_fixture == thru->left();
        const auto kept = thru->processes().all();
        if (!keptFor(kept, rows, left ? 0 : 1))
            return fail(task, unusableKeptText(kept, m_fixtureConnection));
        for (std::size_t i = 0; i < kept.size(); ++i) {
            const Algorithms::SParametersOnePort dut = m_sdata.oneport(i);
            if (!kept[i].process->calculateDUT(left ? dut : Algorithms::SParametersOnePort(),
                                               left ? Algorithms::SParametersOnePort() : dut))
                return fail(task);
        }
    } else if (auto* reflect = qobject_cast<ConnectionReflect*>(m_fixtureConnection)) {
        const auto kept = reflect->processes().all();
        if (!keptFor(kept, rows, 0))
            return fail(task, unusableKeptText(kept, m_fixtureConnection));
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
    const Measuring leftMeasuring(left);
    const Measuring rightMeasuring(right);
    const bool leftRead = left.read(source, task, leftRows);
    // A cancel ends the measurement: the right side keeps its earlier one.
    if (!leftRead && left.endedByCancel())
        return false;
    const bool rightRead = right.read(source, task, rightRows);
    // The two sides are one measurement: a cancel while the right side is read keeps
    // the earlier one on the left side too, as its ports still show it.
    if (!rightRead && right.endedByCancel())
        return false;
    if (leftRead)
        left.adopt(leftRows);
    if (rightRead)
        right.adopt(rightRows);
    if (!leftRead || !rightRead)
        return false;
    return calculatePair(left, right, task, leftRows, rightRows);
}

bool DutMeasurer::calculatePair(DutMeasurer& left, DutMeasurer& right, TaskProgress& task, const FixtureRows& leftRows,
                                const FixtureRows& rightRows)
{
    task.nextStep(tr("Calculating"));
    task.nextStep(tr("Calculating"));
    auto* thru = static_cast<ConnectionTransmisson*>(left.m_fixtureConnection);
    const auto kept = thru->processes().all();
    if (!keptFor(kept, leftRows, 0) || !keptFor(kept, rightRows, 1)) {
        left.fail(task, unusableKeptText(kept, thru));
        return right.fail(task);
    }
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
