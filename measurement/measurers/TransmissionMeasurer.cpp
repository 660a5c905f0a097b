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

bool TransmissionMeasurer::fail(TaskProgress& task, const QString& text)
{
    return failWith(m_status, [this](Status s) { emit statusChanged(s); }, task, text);
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

void TransmissionMeasurer::replace(const Rows& rows)
{
    reset();
    clearResults(rows.left);
    clearResults(rows.right);
    markWrittenBy(rows.left, rows.writer);
    markWrittenBy(rows.right, rows.writer);
}

bool TransmissionMeasurer::stop(TaskProgress& task, const QString& text)
{
    // Halves calculated in part characterise nothing a DUT measurement could re-gate with.
    m_connection->processes().clear();
    return fail(task, takeCancel() ? QString() : text);
}

bool TransmissionMeasurer::stopBeforeReplacing(TaskProgress& task, const QString& text)
{
    if (!takeCancel() && !text.isEmpty())
        emit error(text);
    task.cancel();
    return false;
}

bool TransmissionMeasurer::measure(SourceReader& source, TaskProgress& task, const std::optional<Rows>& rows)
{
    const Measuring measuring(*this, task);
    task.nextStep(tr("Check data"));
    if (!m_connection || !rows)
        return fail(task, tr("The step has no fixtures to measure"));
    prepareAnalyzer(source);

    task.nextStep(tr("Read freqs"));
    const std::optional<std::vector<double>> frequencies = source.frequencies();
    if (!frequencies)
        return stopBeforeReplacing(task, tr("Cannot read the frequency grid"));

    task.nextStep(tr("Check configuration"));
    if (rows->left.size() != rows->right.size())
        return stopBeforeReplacing(task, tr("The two fixtures of the 2x-thru have different port counts (%1 and %2)")
                                             .arg(rows->left.size())
                                             .arg(rows->right.size()));
    if (const std::optional<QString> text = checkAnalyzerPorts({&rows->left, &rows->right}, source.portCount()))
        return stopBeforeReplacing(task, *text);
    if (rows->left.empty())
        replace(*rows);

    for (std::size_t i = 0; i < rows->left.size(); ++i) {
        const FixtureRow& left = rows->left[i];
        const FixtureRow& right = rows->right[i];
        const bool replaced = i > 0;

        task.nextStep(tr("Setup measure data"));
        const std::optional<Pair> pair = preparePair(source, left, right);
        if (!pair)
            return replaced ? stop(task) : stopBeforeReplacing(task);
        // Every pair has the same grid and method: a grid the method refuses keeps the earlier halves.
        const QString gridProblem = replaced ? QString() : pair->process->gridProblem(*frequencies);
        if (!gridProblem.isEmpty())
            return stopBeforeReplacing(task, gridProblem);

        task.nextStep(tr("Read SParameters"));
        const uint pL = left.analyzerPort;
        const uint pR = right.analyzerPort;
        const auto columns = source.sParameters({{pL, pL}, {pL, pR}, {pR, pL}, {pR, pR}});
        if (!columns) {
            const QString text = tr("Cannot read S-parameters data");
            return replaced ? stop(task, text) : stopBeforeReplacing(task, text);
        }
        if (!replaced)
            replace(*rows);
        if (!setupRows(*pair, left, right))
            return stop(task);
        Algorithms::SParametersTwoPortVNA measured;
        measured.setFrequencies(*frequencies);
        measured.setS11((*columns)[0]);
        measured.setS12((*columns)[1]);
        measured.setS21((*columns)[2]);
        measured.setS22((*columns)[3]);
        measured.setFirstPort(pL);
        measured.setSecondPort(pR);
        {
            std::lock_guard<std::mutex> lock(m_rawDataMutex);
            m_rawData.push_back(measured);
        }
        pair->process->setMeasuredData(measured);

        pair->process->setInputParameters(m_connection->params());
        task.nextStep(tr("Execute algorithm"));
        const bool executed = startExecute(pair->process);
        m_connection->processes().append(pair->process, {left.port, right.port});
        if (!executed || interruptRequested())
            return stop(task);
    }
    setStatus(Measured);
    return true;
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

bool TransmissionMeasurer::setupRows(const Pair& pair, const FixtureRow& left, const FixtureRow& right)
{
    for (const auto& [row, z0] : {std::pair{&left, pair.leftZ0}, std::pair{&right, pair.rightZ0}}) {
        row->port->setMeasuredPort(row->analyzerPort);
        row->port->setZ0Port(z0);
        row->port->setInLowPasMode(false);
    }
    setupFixture(left.port->measureData(), pair.leftZ0);
    setupFixture(right.port->measureData(), pair.rightZ0);
    return pair.process->setFixturesForCalculate(left.port->measureData(), right.port->measureData());
}
