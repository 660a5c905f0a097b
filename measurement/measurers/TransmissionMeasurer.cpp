#include "measurement/measurers/TransmissionMeasurer.h"

#include "engine/processes/base/ProcessFactory.h"
#include "engine/processes/transmission/TransmissionProcess.h"
#include "measurement/connections/ConnectionTransmisson.h"
#include "measurement/measurers/BaseMeasurerTemplates.h"
#include "measurement/measurers/SourceReader.h"

#include <QDebug>

TransmissionMeasurer::TransmissionMeasurer(ConnectionTransmisson* connection, SyncedVnaDevice* device,
                                           QObject* parent)
    : BaseMeasurer(device, parent)
    , m_connection(connection)
{
}

std::vector<Algorithms::SParametersTwoPortVNA> TransmissionMeasurer::rawData() const
{
    std::lock_guard<std::mutex> lock(m_rawDataMutex);
    return m_rawData;
}

int TransmissionMeasurer::progressStepCount(const Rows& rows) const
{
    return (static_cast<int>(rows.left.size()) + 1) * 3;
}

void TransmissionMeasurer::setStatus(Status status)
{
    if (storeStatus(m_status, status))
        emit statusChanged(status);
}

void TransmissionMeasurer::reset()
{
    {
        std::lock_guard<std::mutex> lock(m_rawDataMutex);
        m_rawData.clear();
    }
    // The kept processes characterise the fixtures for a DUT measurement: they go with the halves.
    if (m_connection)
        m_connection->processes().clear();
    setStatus(NotMeasured);
}


void TransmissionMeasurer::putInPlace(Outcome outcome, const Rows& rows)
{
    std::vector<KeptProcesses<Algorithms::TransmissionProcess>::Kept> kept;
    for (CalculatedPair& pair : outcome.pairs) {
        pair.left.putInPlace();
        pair.right.putInPlace();
        pair.process->moveToPorts(pair.left.rowPort(), pair.right.rowPort());
        kept.push_back({pair.process, {pair.left.row().port, pair.right.row().port}});
    }
    markWrittenBy(rows.left, rows.writer);
    markWrittenBy(rows.right, rows.writer);
    m_connection->processes().replace(std::move(kept));
    {
        std::lock_guard<std::mutex> lock(m_rawDataMutex);
        m_rawData = std::move(outcome.rawData);
    }
    setStatus(Measured);
}

bool TransmissionMeasurer::measure(SourceReader& source, TaskProgress& task, const std::optional<Rows>& rows)
{
    const Measuring measuring(*this, task);
    task.nextStep(tr("Check data"));
    if (!m_connection || !rows)
        return refuse(task, tr("The step has no fixtures to measure"));
    prepareAnalyzer(source);

    task.nextStep(tr("Read freqs"));
    const std::optional<std::vector<double>> frequencies = source.frequencies();
    if (!frequencies)
        return refuse(task, tr("Cannot read the frequency grid"));

    task.nextStep(tr("Check configuration"));
    if (rows->left.size() != rows->right.size())
        return refuse(task, tr("The two fixtures of the 2x-thru have different port counts (%1 and %2)")
                                .arg(rows->left.size())
                                .arg(rows->right.size()));
    if (const std::optional<QString> text = checkAnalyzerPorts({&rows->left, &rows->right}, source.portCount()))
        return refuse(task, *text);

    Outcome outcome;
    for (std::size_t i = 0; i < rows->left.size(); ++i) {
        std::optional<CalculatedPair> pair =
            calculatePair(source, task, rows->left[i], rows->right[i], *frequencies, outcome);
        if (!pair)
            return false;
        outcome.pairs.push_back(std::move(*pair));
    }
    putInPlace(std::move(outcome), *rows);
    return true;
}

std::optional<TransmissionMeasurer::CalculatedPair>
TransmissionMeasurer::calculatePair(SourceReader& source, TaskProgress& task, const FixtureRow& left,
                                    const FixtureRow& right, const std::vector<double>& frequencies,
                                    Outcome& outcome)
{
    task.nextStep(tr("Setup measure data"));
    const std::optional<Pair> pair = preparePair(source, left, right);
    if (!pair) {
        refuse(task);
        return std::nullopt;
    }
    // Every pair has the same grid and method: a grid the method refuses is told before any sweep.
    if (const QString gridProblem = pair->process->gridProblem(frequencies); !gridProblem.isEmpty()) {
        refuse(task, gridProblem);
        return std::nullopt;
    }

    task.nextStep(tr("Read SParameters"));
    const uint pL = left.analyzerPort;
    const uint pR = right.analyzerPort;
    const auto columns = source.sParameters({{pL, pL}, {pL, pR}, {pR, pL}, {pR, pR}});
    if (!columns) {
        refuse(task, tr("Cannot read S-parameters data"));
        return std::nullopt;
    }
    Algorithms::SParametersTwoPortVNA measured;
    measured.setFrequencies(frequencies);
    measured.setS11((*columns)[0]);
    measured.setS12((*columns)[1]);
    measured.setS21((*columns)[2]);
    measured.setS22((*columns)[3]);
    measured.setFirstPort(pL);
    measured.setSecondPort(pR);
    outcome.rawData.push_back(measured);

    CalculatedPair calculated{pair->process, DraftPort(left, pair->leftZ0), DraftPort(right, pair->rightZ0)};
    for (const auto& [draft, z0] :
         {std::pair{&calculated.left, pair->leftZ0}, std::pair{&calculated.right, pair->rightZ0}}) {
        forwardErrors(draft->port());
        setupFixture(draft->port(), z0);
    }
    if (!pair->process->setFixturesForCalculate(calculated.left.port(), calculated.right.port())) {
        refuse(task);
        return std::nullopt;
    }
    pair->process->setMeasuredData(measured);
    pair->process->setInputParameters(m_connection->params());
    task.nextStep(tr("Execute algorithm"));
    if (!startExecute(pair->process) || interruptRequested()) {
        refuse(task);
        return std::nullopt;
    }
    return calculated;
}

std::optional<TransmissionMeasurer::Pair>
TransmissionMeasurer::preparePair(SourceReader& source, const FixtureRow& left, const FixtureRow& right)
{
    qDebug() << "Z0 For attached ports";
    const std::optional<double> leftZ0 = source.portImpedance(left.analyzerPort);
    const std::optional<double> rightZ0 = source.portImpedance(right.analyzerPort);
    if (!leftZ0 || !rightZ0) {
        emit error(tr("Cannot read z0 impedance value"));
        return std::nullopt;
    }
    QString errorText;
    auto process = adoptProcess<Algorithms::TransmissionProcess>(
        Algorithms::createProcessMethod(0, calcMethod(), &errorText), errorText);
    if (!process)
        return std::nullopt;
    return Pair{std::move(process), *leftZ0, *rightZ0};
}
