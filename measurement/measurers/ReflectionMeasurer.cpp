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

std::optional<ReflectionMeasurer::Reading> ReflectionMeasurer::read(Standard standard, SourceReader& source,
                                                                     TaskProgress& task, const Target& target)
{
    const Measuring measuring(*this, task);
    // Only this standard is read anew: the other one may be waiting for it.
    prepareAnalyzer(source);
    SDataMeasurer& measurer = standard == Standard::Open ? m_open : m_short;

    task.nextStep(tr("Read s-data"));
    if (!target.connection) {
        refuse(task, tr("The step has no fixtures to measure"));
        return std::nullopt;
    }
    std::optional<SDataMeasurer::Data> data = measurer.read(source, target.rows);
    if (!data) {
        // The reading told why, unless a cancel cut it short.
        refuse(task);
        return std::nullopt;
    }
    Reading reading{standard, std::move(*data), std::nullopt};
    if (!calculatesWith(standard))
        return reading;
    // A grid the calculation would refuse is told before anything is calculated.
    if (!target.rows.empty()) {
        if (const QString problem = gridProblem(standard, reading.data.frequencies); !problem.isEmpty()) {
            refuse(task, problem);
            return std::nullopt;
        }
    }

    task.nextStep(tr("Read frequencies"));
    task.nextStep(tr("Calculate"));
    QString failure;
    reading.calculation = calculate(source, target, standard, reading.data, failure);
    if (!reading.calculation) {
        refuse(task, failure);
        return std::nullopt;
    }
    return reading;
}

ReflectionMeasurer::Outcome ReflectionMeasurer::putInPlace(Reading reading, const Target& target)
{
    (reading.standard == Standard::Open ? m_open : m_short).adopt(std::move(reading.data));
    if (!reading.calculation)
        return Outcome::Stored;
    std::vector<KeptProcesses<Algorithms::ReflectProcess>::Kept> kept;
    for (Calculation::Row& row : reading.calculation->rows) {
        row.port.putInPlace();
        row.process->moveToPort(row.port.rowPort());
        kept.push_back({row.process, {row.port.row().port}});
    }
    markWrittenBy(target.rows, target.writer);
    target.connection->processes().replace(std::move(kept));
    {
        std::lock_guard<std::mutex> lock(m_rawDataMutex);
        m_openRawData = std::move(reading.calculation->openRawData);
        m_shortRawData = std::move(reading.calculation->shortRawData);
    }
    setCalculatingStatus(Measured);
    return Outcome::Calculated;
}

ReflectionMeasurer::Outcome ReflectionMeasurer::measure(Standard standard, SourceReader& source, TaskProgress& task,
                                                        const Target& target)
{
    std::optional<Reading> reading = read(standard, source, task, target);
    return reading ? putInPlace(std::move(*reading), target) : Outcome::Refused;
}

std::optional<ReflectionMeasurer::Calculation> ReflectionMeasurer::calculate(SourceReader& source,
                                                                           const Target& target, Standard standard,
                                                                           const SDataMeasurer::Data& data,
                                                                           QString& failure)
{
    Calculation calculation;
    if (target.rows.empty())
        return calculation;
    if (const std::optional<QString> text = checkAnalyzerPorts({&target.rows}, source.portCount())) {
        failure = *text;
        return std::nullopt;
    }
    const FixturePossibleState state = m_state;
    const bool single = state != FixturePossibleState::OPEN_AND_SHORT;
    const bool isShort = state == FixturePossibleState::SHORT;
    for (std::size_t i = 0; i < target.rows.size(); ++i) {
        const FixtureRow& row = target.rows[i];
        const std::optional<double> z0 = source.portImpedance(row.analyzerPort);
        if (!z0) {
            failure = tr("Cannot read z0 impedance value");
            return std::nullopt;
        }
        QString errorText;
        auto process = adoptProcess<Algorithms::ReflectProcess>(
            Algorithms::createReflectProcessMethod(static_cast<int>(MeasureEnums::MeasureType::REFLECT), calcMethod(),
                                                   single, &errorText),
            errorText);
        if (!process)
            return std::nullopt;
        DraftPort draft(row, *z0);
        forwardErrors(draft.port());
        setupFixture(draft.port(), *z0);
        if (!process->setFixturesForCalculate(draft.port()))
            return std::nullopt;
        process->setInputParameters(target.connection->params());

        const Algorithms::SParametersOnePort open =
            standard == Standard::Open ? SDataMeasurer::oneportOf(data, i) : m_open.oneport(i);
        const Algorithms::SParametersOnePort shortStandard =
            standard == Standard::Short ? SDataMeasurer::oneportOf(data, i) : m_short.oneport(i);
        if (auto* both = qobject_cast<Algorithms::ReflectProcessOpenAndShort*>(process.get())) {
            // Each standard keeps its own grid; the process re-grids the short.
            both->setInputData(open, shortStandard);
            calculation.openRawData.push_back(withPort(open, row.analyzerPort));
            calculation.shortRawData.push_back(withPort(shortStandard, row.analyzerPort));
        } else if (auto* one = qobject_cast<Algorithms::ReflectProcessOpenOrShort*>(process.get())) {
            one->setMeasuredData(isShort ? shortStandard : open);
            one->setSignalType(m_signalType);
            one->setIsShort(isShort);
            (isShort ? calculation.shortRawData : calculation.openRawData)
                .push_back(withPort(isShort ? shortStandard : open, row.analyzerPort));
        }
        if (!startExecute(process) || interruptRequested())
            return std::nullopt;
        calculation.rows.push_back({process, std::move(draft)});
    }
    return calculation;
}
