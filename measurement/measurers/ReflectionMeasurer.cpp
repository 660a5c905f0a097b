#include "measurement/measurers/ReflectionMeasurer.h"

#include "engine/processes/base/ProcessFactory.h"
#include "engine/processes/reflect/ReflectProcessOpenAndShort.h"
#include "engine/processes/reflect/ReflectProcessOpenOrShort.h"
#include "measurement/connections/ConnectionReflect.h"
#include "measurement/measurers/BaseMeasurerTemplates.h"
#include "measurement/measurers/SourceReader.h"

using MeasureEnums::FixturePossibleState;

namespace {

Algorithms::SParametersOnePortVNA withPort(const Algorithms::SParametersOnePort& set, uint port)
{
    Algorithms::SParametersOnePortVNA vna;
    vna.setFrequencies(set.frequencies());
    vna.setS11(set.s11());
    vna.setPort(port);
    return vna;
}

} // namespace

ReflectionMeasurer::ReflectionMeasurer(SyncedVnaDevice* device, QObject* parent)
    : BaseMeasurer(device, parent)
    , m_open(this)
    , m_short(this)
{
    connect(&m_open, &SDataMeasurer::statusChanged, this, &ReflectionMeasurer::openStatusChanged);
    connect(&m_short, &SDataMeasurer::statusChanged, this, &ReflectionMeasurer::shortStatusChanged);
    forwardErrors(&m_open);
    forwardErrors(&m_short);
}

void ReflectionMeasurer::setState(FixturePossibleState state)
{
    if (m_state.exchange(state) != state)
        emit stateChanged();
}

void ReflectionMeasurer::setSignalType(Algorithms::MaxSignalEliminationType type)
{
    if (m_signalType.exchange(type) != type)
        emit signalTypeChanged();
}

std::vector<Algorithms::SParametersOnePortVNA> ReflectionMeasurer::openRawData() const
{
    std::lock_guard<std::mutex> lock(m_rawDataMutex);
    return m_openRawData;
}

std::vector<Algorithms::SParametersOnePortVNA> ReflectionMeasurer::shortRawData() const
{
    std::lock_guard<std::mutex> lock(m_rawDataMutex);
    return m_shortRawData;
}

void ReflectionMeasurer::setCalculatingStatus(Status status)
{
    if (storeStatus(m_calculatingStatus, status))
        emit calculatingStatusChanged(status);
}

void ReflectionMeasurer::dropRawData()
{
    std::lock_guard<std::mutex> lock(m_rawDataMutex);
    m_openRawData.clear();
    m_shortRawData.clear();
}

void ReflectionMeasurer::reset()
{
    m_open.clear();
    m_short.clear();
    dropRawData();
    setCalculatingStatus(NotMeasured);
}

void ReflectionMeasurer::dropCalculation()
{
    dropRawData();
    setCalculatingStatus(NotMeasured);
}

bool ReflectionMeasurer::calculatesWith(Standard standard) const
{
    const FixturePossibleState state = m_state;
    const FixturePossibleState own = standard == Standard::Open ? FixturePossibleState::OPEN
                                                                : FixturePossibleState::SHORT;
    if (state == own)
        return true;
    const SDataMeasurer& other = standard == Standard::Open ? m_short : m_open;
    return state == FixturePossibleState::OPEN_AND_SHORT && other.status() == Measured;
}

QString ReflectionMeasurer::gridProblem(Standard standard, const std::vector<double>& frequencies) const
{
    const bool single = m_state != FixturePossibleState::OPEN_AND_SHORT;
    // A pair is calculated on the open's grid, onto which the short is re-gridded.
    const std::vector<double> grid =
        single || standard == Standard::Open ? frequencies : m_open.oneport(0).frequencies();
    QString errorText;
    const std::unique_ptr<Algorithms::IProcessMethod> process = Algorithms::createReflectProcessMethod(
        static_cast<int>(MeasureEnums::MeasureType::REFLECT), calcMethod(), single, &errorText);
    // A method without a process is told by the calculation.
    auto* reflect = qobject_cast<Algorithms::ReflectProcess*>(process.get());
    return reflect ? reflect->gridProblem(grid) : QString();
}

bool ReflectionMeasurer::hasResults() const
{
    return openStatus() != NotMeasured || shortStatus() != NotMeasured || calculatingStatus() != NotMeasured;
}

bool ReflectionMeasurer::measure(Standard standard, SourceReader& source, TaskProgress& task, const Target& target)
{
    const Measuring measuring(*this, task);
    // Only this standard is read anew: the other one may be waiting for it.
    prepareAnalyzer(source);
    SDataMeasurer& measurer = standard == Standard::Open ? m_open : m_short;

    task.nextStep(tr("Read s-data"));
    std::optional<SDataMeasurer::Data> data =
        target.connection ? measurer.read(source, target.rows) : std::nullopt;
    if (!data) {
        if (!target.connection)
            emit error(tr("The step has no fixtures to measure"));
        // A reading that failed or was cut short by a cancel leaves the standard as it was before.
        takeCancel();
        task.cancel();
        return false;
    }
    const bool calculating = calculatesWith(standard);
    // A grid the calculation would refuse keeps the standard read before, and with it the calculation.
    const QString problem =
        calculating && !target.rows.empty() ? gridProblem(standard, data->frequencies) : QString();
    if (!problem.isEmpty()) {
        emit error(problem);
        task.cancel();
        return false;
    }
    measurer.adopt(std::move(*data));
    if (!calculating)
        return true;

    task.nextStep(tr("Read frequencies"));
    task.nextStep(tr("Calculate"));
    if (!calculate(source, target)) {
        task.cancel();
        return false;
    }
    return true;
}

bool ReflectionMeasurer::failCalculation(const Target& target, const QString& text)
{
    const bool cancelled = takeCancel();
    if (!cancelled && !text.isEmpty())
        emit error(text);
    clearResults(target.rows);
    // A fixture calculated in part is not characterised for a DUT measurement.
    target.connection->processes().clear();
    // Cut short by a cancel, the calculation leaves nothing: not calculated, not failed.
    setCalculatingStatus(cancelled ? NotMeasured : Failed);
    return false;
}

bool ReflectionMeasurer::calculate(SourceReader& source, const Target& target)
{
    markWrittenBy(target.rows, target.writer);
    target.connection->processes().clear();
    dropRawData();
    if (target.rows.empty()) {
        setCalculatingStatus(Measured);
        return true;
    }
    if (const std::optional<QString> text = checkAnalyzerPorts({&target.rows}, source.portCount()))
        return failCalculation(target, *text);

    const FixturePossibleState state = m_state;
    const bool single = state != FixturePossibleState::OPEN_AND_SHORT;
    for (std::size_t i = 0; i < target.rows.size(); ++i) {
        const FixtureRow& row = target.rows[i];
        const std::optional<double> z0 = source.portImpedance(row.analyzerPort);
        if (!z0)
            return failCalculation(target, tr("Cannot read z0 impedance value"));
        row.port->setMeasuredPort(row.analyzerPort);
        row.port->setZ0Port(*z0);
        row.port->setInLowPasMode(false);
        QString errorText;
        auto process = adoptProcess<Algorithms::ReflectProcess>(
            Algorithms::createReflectProcessMethod(static_cast<int>(MeasureEnums::MeasureType::REFLECT), calcMethod(),
                                                   single, &errorText),
            errorText);
        if (!process)
            return failCalculation(target);
        setupFixture(row.port->measureData(), *z0);
        if (!process->setFixturesForCalculate(row.port->measureData()))
            return failCalculation(target);
        process->setInputParameters(target.connection->params());

        const Algorithms::SParametersOnePort open = m_open.oneport(i);
        const Algorithms::SParametersOnePort shortStandard = m_short.oneport(i);
        if (auto* both = qobject_cast<Algorithms::ReflectProcessOpenAndShort*>(process.get())) {
            // Each standard keeps its own grid; the process re-grids the short.
            both->setInputData(open, shortStandard);
            std::lock_guard<std::mutex> lock(m_rawDataMutex);
            m_openRawData.push_back(withPort(open, row.analyzerPort));
            m_shortRawData.push_back(withPort(shortStandard, row.analyzerPort));
        } else if (auto* one = qobject_cast<Algorithms::ReflectProcessOpenOrShort*>(process.get())) {
            const bool isShort = state == FixturePossibleState::SHORT;
            one->setMeasuredData(isShort ? shortStandard : open);
            one->setSignalType(m_signalType);
            one->setIsShort(isShort);
            std::lock_guard<std::mutex> lock(m_rawDataMutex);
            (isShort ? m_shortRawData : m_openRawData).push_back(withPort(isShort ? shortStandard : open, row.analyzerPort));
        }
        const bool executed = startExecute(process);
        target.connection->processes().append(process, {row.port});
        if (!executed || interruptRequested())
            return failCalculation(target);
    }
    setCalculatingStatus(Measured);
    return true;
}
