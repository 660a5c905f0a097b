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
    setStatus(NotMeasured);
}

bool TransmissionMeasurer::measure(SourceReader& source, TaskProgress& task, const std::optional<Rows>& rows)
{
    task.nextStep(tr("Check data"));
    if (!m_connection || !rows)
        return fail(task, tr("The step has no fixtures to measure"));
    preMeasure();
    clearResults(rows->left);
    clearResults(rows->right);

    task.nextStep(tr("Read freqs"));
    const std::optional<std::vector<double>> frequencies = source.frequencies();
    if (!frequencies)
        return fail(task, tr("Cannot read the frequency grid"));

    task.nextStep(tr("Check configuration"));
    if (rows->left.size() != rows->right.size())
        return fail(task, tr("The two fixtures of the 2x-thru have different port counts (%1 and %2)")
                              .arg(rows->left.size())
                              .arg(rows->right.size()));
    if (const std::optional<QString> text = checkAnalyzerPorts({&rows->left, &rows->right}, source.portCount()))
        return fail(task, *text);

    m_connection->processes().clear();
    for (std::size_t i = 0; i < rows->left.size(); ++i) {
        const FixtureRow& left = rows->left[i];
        const FixtureRow& right = rows->right[i];

        task.nextStep(tr("Setup measure data"));
        const std::shared_ptr<Algorithms::TransmissionProcess> process = prepareProcess(source, left, right);
        if (!process)
            return fail(task);

        task.nextStep(tr("Read SParameters"));
        const uint pL = left.analyzerPort;
        const uint pR = right.analyzerPort;
        const auto columns = source.sParameters({{pL, pL}, {pL, pR}, {pR, pL}, {pR, pR}});
        if (!columns)
            return fail(task, tr("Cannot read S-parameters data"));
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
        process->setMeasuredData(measured);

        process->setInputParameters(m_connection->params());
        task.nextStep(tr("Execute algorithm"));
        const bool executed = startExecute(process);
        m_connection->processes().append(process, {left.port, right.port});
        if (!executed || takeInterrupt())
            return fail(task);
    }
    setStatus(Measured);
    return true;
}

std::shared_ptr<Algorithms::TransmissionProcess>
TransmissionMeasurer::prepareProcess(SourceReader& source, const FixtureRow& left, const FixtureRow& right)
{
    qDebug() << "Z0 For attached ports";
    const std::optional<double> leftZ0 = source.portImpedance(left.analyzerPort);
    const std::optional<double> rightZ0 = source.portImpedance(right.analyzerPort);
    if (!leftZ0 || !rightZ0) {
        emit error(tr("Cannot read z0 impedance value"));
        return nullptr;
    }
    QString errorText;
    auto process = adoptProcess<Algorithms::TransmissionProcess>(
        Algorithms::createProcessMethod(0, calcMethod(), &errorText), errorText);
    if (!process)
        return nullptr;

    for (const auto& [row, z0] : {std::pair{&left, *leftZ0}, std::pair{&right, *rightZ0}}) {
        row->port->setMeasuredPort(row->analyzerPort);
        row->port->setZ0Port(z0);
        row->port->setInLowPasMode(false);
    }
    setupFixture(left.port->measureData(), *leftZ0);
    setupFixture(right.port->measureData(), *rightZ0);
    if (!process->setFixturesForCalculate(left.port->measureData(), right.port->measureData()))
        return nullptr;
    return process;
}
