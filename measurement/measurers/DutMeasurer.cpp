#include "measurement/measurers/DutMeasurer.h"

#include "measurement/connections/ConnectionReflect.h"
#include "measurement/connections/ConnectionTransmisson.h"
#include "measurement/measurers/BaseMeasurerTemplates.h"
#include "measurement/measurers/SourceReader.h"

#include <deque>
#include <functional>
#include <iterator>

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

// Runs its function when it leaves scope, also by an exception.
struct AtExit
{
    std::function<void()> function;
    ~AtExit() { function(); }
};

using ThruKept = KeptProcesses<Algorithms::TransmissionProcess>::Kept;
using ReflectKept = KeptProcesses<Algorithms::ReflectProcess>::Kept;

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

bool DutMeasurer::sharesThru(const DutMeasurer& left, const DutMeasurer& right)
{
    auto* thru = qobject_cast<ConnectionTransmisson*>(left.m_fixtureConnection);
    return thru && thru == right.m_fixtureConnection && left.m_fixture == thru->left()
        && right.m_fixture == thru->right();
}


bool DutMeasurer::characterised(TaskProgress& task, const FixtureRows& rows)
{
    // Asked again on the worker: a clear posted before the measurement has run by now.
    const std::optional<QString> problem = characterisationProblem(rows);
    return !problem || refuse(task, *problem);
}

std::optional<SDataMeasurer::Data> DutMeasurer::read(SourceReader& source, TaskProgress& task,
                                                     const FixtureRows& rows)
{
    prepareAnalyzer(source);
    task.nextStep(tr("Read s-data"));
    std::optional<SDataMeasurer::Data> data = m_sdata.read(source, rows);
    // The reading told why it failed, unless a cancel cut it short.
    if (!data)
        refuse(task);
    else
        task.nextStep(tr("Read freqs"));
    return data;
}

QString DutMeasurer::gridProblem(const std::vector<double>& frequencies) const
{
    // characterised() vouched for one kept process per row; they share the method.
    if (auto* thru = qobject_cast<ConnectionTransmisson*>(m_fixtureConnection)) {
        const auto kept = thru->processes().all();
        return kept.empty() ? QString() : kept.front().process->gridProblem(frequencies);
    }
    if (auto* reflect = qobject_cast<ConnectionReflect*>(m_fixtureConnection)) {
        const auto kept = reflect->processes().all();
        return kept.empty() ? QString() : kept.front().process->gridProblem(frequencies);
    }
    return {};
}

void DutMeasurer::adopt(const FixtureRows& rows, SDataMeasurer::Data data)
{
    QVector<Algorithms::SParametersOnePortVNA> raw;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        Algorithms::SParametersOnePortVNA set;
        set.setFrequencies(data.frequencies);
        set.setS11(data.columns[i]);
        set.setPort(rows[i].analyzerPort);
        raw.push_back(set);
    }
    m_sdata.adopt(std::move(data));
    {
        std::lock_guard<std::mutex> lock(m_rawDataMutex);
        m_rawData = std::move(raw);
    }
    setStatus(Measured);
}

bool DutMeasurer::regateCopies(const std::vector<std::shared_ptr<MeasuredFixturePort>>& rows,
                               const std::function<void(const std::vector<Algorithms::FixturePort*>&)>& moveProcess,
                               const std::function<bool()>& calculate, std::vector<DraftPort>& drafts)
{
    std::vector<DraftPort> copies;
    std::vector<Algorithms::FixturePort*> copyPorts;
    std::vector<Algorithms::FixturePort*> rowPorts;
    for (const std::shared_ptr<MeasuredFixturePort>& row : rows) {
        copies.push_back(DraftPort::copyOf({0, row}));
        forwardErrors(copies.back().port());
        copyPorts.push_back(copies.back().port());
        rowPorts.push_back(copies.back().rowPort());
    }
    bool calculated = false;
    {
        // The process works on the copies for this calculation only; offsets and later
        // calculations find it on the rows again.
        const AtExit back{[&] { moveProcess(rowPorts); }};
        moveProcess(copyPorts);
        calculated = calculate();
    }
    if (!calculated || interruptRequested())
        return false;
    std::move(copies.begin(), copies.end(), std::back_inserter(drafts));
    return true;
}

bool DutMeasurer::regateThru(const ThruKept& kept, const Algorithms::SParametersOnePort& leftDut,
                             const Algorithms::SParametersOnePort& rightDut, std::vector<DraftPort>& drafts)
{
    return regateCopies(
        kept.rows, [&](const auto& ports) { kept.process->moveToPorts(ports[0], ports[1]); },
        [&] { return kept.process->calculateDUT(leftDut, rightDut); }, drafts);
}

bool DutMeasurer::regateReflect(const ReflectKept& kept, const Algorithms::SParametersOnePort& dut,
                                std::vector<DraftPort>& drafts)
{
    return regateCopies(
        kept.rows, [&](const auto& ports) { kept.process->moveToPort(ports[0]); },
        [&] { return kept.process->calculateDUT(dut); }, drafts);
}

bool DutMeasurer::regateOwn(const SDataMeasurer::Data& reading, std::vector<DraftPort>& drafts)
{
    if (auto* thru = qobject_cast<ConnectionTransmisson*>(m_fixtureConnection)) {
        const bool left = m_fixture == thru->left();
        const auto kept = thru->processes().all();
        for (std::size_t i = 0; i < kept.size(); ++i) {
            const Algorithms::SParametersOnePort dut = SDataMeasurer::oneportOf(reading, i);
            if (!regateThru(kept[i], left ? dut : Algorithms::SParametersOnePort(),
                            left ? Algorithms::SParametersOnePort() : dut, drafts))
                return false;
        }
    } else if (auto* reflect = qobject_cast<ConnectionReflect*>(m_fixtureConnection)) {
        const auto kept = reflect->processes().all();
        for (std::size_t i = 0; i < kept.size(); ++i) {
            if (!regateReflect(kept[i], SDataMeasurer::oneportOf(reading, i), drafts))
                return false;
        }
    }
    return true;
}

std::optional<std::vector<DraftPort>> DutMeasurer::regate(const std::vector<DutMeasurer*>& measurers, bool asPair,
                                                          const Readings& readings, QString& reason)
{
    const CapturedErrors captured;
    std::vector<DraftPort> drafts;
    bool calculated = true;
    if (asPair) {
        auto* thru = static_cast<ConnectionTransmisson*>(measurers[0]->m_fixtureConnection);
        const auto kept = thru->processes().all();
        for (std::size_t i = 0; calculated && i < kept.size(); ++i)
            calculated = measurers[0]->regateThru(kept[i], SDataMeasurer::oneportOf(readings[0], i),
                                                  SDataMeasurer::oneportOf(readings[1], i), drafts);
    } else {
        for (std::size_t i = 0; calculated && i < measurers.size(); ++i)
            calculated = measurers[i]->regateOwn(readings[i], drafts);
    }
    for (const DutMeasurer* measurer : measurers)
        calculated = calculated && !measurer->interruptRequested();
    if (calculated)
        return drafts;
    reason = captured.reason();
    return std::nullopt;
}

bool DutMeasurer::measure(const std::vector<DutMeasurer*>& measurers, bool asPair, SourceReader& source,
                          TaskProgress& task, const std::vector<FixtureRows>& rows)
{
    if (measurers.empty())
        return true;
    std::deque<Measuring> measuring;
    for (DutMeasurer* measurer : measurers)
        measuring.emplace_back(*measurer, task);
    for (std::size_t i = 0; i < measurers.size(); ++i) {
        if (!measurers[i]->characterised(task, rows[i]))
            return false;
    }
    Readings readings;
    for (std::size_t i = 0; i < measurers.size(); ++i) {
        std::optional<SDataMeasurer::Data> data = measurers[i]->read(source, task, rows[i]);
        if (!data)
            return false;
        readings.push_back(std::move(*data));
    }
    DutMeasurer& first = *measurers.front();
    for (std::size_t i = 0; i < measurers.size(); ++i) {
        if (!measurers[i]->gridProblem(readings[i].frequencies).isEmpty())
            return first.refuse(task, tr("The DUT's frequency grid cannot be time-gated: measure the DUT with a "
                                         "linear sweep"));
    }
    for (std::size_t i = 0; i < measurers.size(); ++i)
        task.nextStep(tr("Calculating"));
    QString reason;
    std::optional<std::vector<DraftPort>> drafts = regate(measurers, asPair, readings, reason);
    if (!drafts)
        return first.refuse(task, reason.isEmpty() ? tr("The DUT cannot be calculated")
                                                   : tr("The DUT cannot be calculated: %1").arg(reason));
    for (DraftPort& draft : *drafts)
        draft.putInPlace();
    for (std::size_t i = 0; i < measurers.size(); ++i)
        measurers[i]->adopt(rows[i], std::move(readings[i]));
    return true;
}

void DutMeasurer::withdrawFrom(const std::vector<FixtureRows>& rows)
{
    for (const FixtureRows& fixture : rows) {
        for (const FixtureRow& row : fixture)
            row.port->measureData()->withdrawDutReflections();
    }
}

void DutMeasurer::end(const std::vector<DutMeasurer*>& measurers, const std::vector<FixtureRows>& rows)
{
    for (DutMeasurer* measurer : measurers)
        measurer->reset();
    withdrawFrom(rows);
}

void DutMeasurer::recalculate(const std::vector<DutMeasurer*>& measurers, bool asPair, TaskProgress& task,
                              const std::vector<FixtureRows>& rows)
{
    if (measurers.empty())
        return;
    std::deque<Measuring> measuring;
    Readings readings;
    for (DutMeasurer* measurer : measurers) {
        measuring.emplace_back(*measurer, task);
        readings.push_back(measurer->m_sdata.data());
    }
    QString reason;
    if (std::optional<std::vector<DraftPort>> drafts = regate(measurers, asPair, readings, reason)) {
        for (DraftPort& draft : *drafts)
            draft.putInPlace();
        return;
    }
    // The halves moved under the DUT: what it measured no longer holds on them, nor on the
    // halves that did not move.
    for (DutMeasurer* measurer : measurers)
        measurer->setStatus(Failed);
    withdrawFrom(rows);
    emit measurers.front()->error(reason.isEmpty()
                                      ? tr("The DUT cannot follow the new offset: measure the DUT again")
                                      : tr("The DUT cannot follow the new offset (%1): measure the DUT again")
                                            .arg(reason));
}
