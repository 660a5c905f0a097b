#include "measurement/steps/ReflectionStep.h"

#include "analyzer/facade/CacheComparison.h"

#include "measurement/connections/ConnectionReflect.h"
#include "measurement/enums/EnumConversions.h"
#include "measurement/fixtures/VNAFixtureConnection.h"
#include "measurement/progress/TaskProgress.h"
#include "measurement/steps/FixtureOffsets.h"


ReflectionStep::ReflectionStep(std::shared_ptr<ConnectionReflect> connection,
                               std::shared_ptr<VNAFixtureConnection> fixture, SyncedVnaDevice* device,
                               WorkerThread* worker, ProgressManager* progress, QObject* parent)
    : Step(device, worker, progress, parent)
    , m_connection(std::move(connection))
    , m_fixture(std::move(fixture))
    , m_measurer(new ReflectionMeasurer(device, this))
{
    connect(m_measurer, &BaseMeasurer::error, this, &Step::error);
    connect(m_measurer, &BaseMeasurer::cancelled, this, &Step::cancelled);
    // Direct: the flag is set while the worker is busy with the measurement, so that
    // the reading a cancel cuts short counts as cancelled, not as failed.
    connect(this, &Step::interrupted, m_measurer, &BaseMeasurer::interrupt, Qt::DirectConnection);
    connect(this, &Step::calcMethodChanged, m_measurer, &BaseMeasurer::setCalcMethod);
    connect(this, &Step::conversionTChanged, m_measurer, &BaseMeasurer::setConversionT);
    connect(this, &Step::userDefZ0Changed, m_measurer, &BaseMeasurer::setUserDefZ0);
    m_measurer->setCalcMethod(calcMethod());
    m_measurer->setConversionT(conversionT());
    m_measurer->setUserDefZ0(userDefZ0());
    connect(m_measurer, &ReflectionMeasurer::stateChanged, this, &ReflectionStep::stateChanged);
    connect(m_measurer, &ReflectionMeasurer::openStatusChanged, this, &ReflectionStep::openMeasuredChanged);
    connect(m_measurer, &ReflectionMeasurer::shortStatusChanged, this, &ReflectionStep::shortMeasuredChanged);
    connect(m_measurer, &ReflectionMeasurer::calculatingStatusChanged, this, &ReflectionStep::calculatedChanged);
    for (auto signal : {&ReflectionStep::openMeasuredChanged, &ReflectionStep::shortMeasuredChanged,
                        &ReflectionStep::calculatedChanged})
        connect(this, signal, this, &Step::isMeasuredChanged);
    connect(this, &ReflectionStep::useCompensationChanged, this, [this](bool use) {
        m_measurer->setSignalType(use ? Algorithms::MaxSignalEliminationType::ExponentialFit
                                      : Algorithms::MaxSignalEliminationType::TimeGate);
    });
    followEnables();
}

ReflectionStep::~ReflectionStep()
{
    // Work of this step may have kept it alive past a newer step's measurement on the
    // same rows: only what this step wrote last is cleared.
    if (worker)
        worker->post([rows = takeFixtureRows(*m_fixture), step = serial()] { clearResultsWrittenBy(rows, step); });
}

ConnectionBase* ReflectionStep::connection() const
{
    return m_connection.get();
}

void ReflectionStep::setOpenMeasurementEnable(bool enable)
{
    if (m_openMeasurementEnable == enable)
        return;
    m_openMeasurementEnable = enable;
    emit openMeasurementEnableChanged();
    followEnables();
}

void ReflectionStep::setShortMeasurementEnable(bool enable)
{
    if (m_shortMeasurementEnable == enable)
        return;
    m_shortMeasurementEnable = enable;
    emit shortMeasurementEnableChanged();
    followEnables();
}

void ReflectionStep::followEnables()
{
    m_measurer->setState(static_cast<MeasureEnums::FixturePossibleState>((m_openMeasurementEnable ? 1 : 0)
                                                                          + (m_shortMeasurementEnable ? 2 : 0)));
}

void ReflectionStep::setOffset(double offset)
{
    if (CacheComparison::fuzzyEqual(m_offset, offset))
        return;
    m_offset = offset;
    emit offsetChanged(offset);
}

void ReflectionStep::setUseCompensation(bool use)
{
    if (m_useCompensation == use)
        return;
    m_useCompensation = use;
    emit useCompensationChanged(use);
}

MeasureEnums::MeasureStatus ReflectionStep::openMeasured() const
{
    return toMeasureStatus(m_measurer->openStatus());
}

MeasureEnums::MeasureStatus ReflectionStep::shortMeasured() const
{
    return toMeasureStatus(m_measurer->shortStatus());
}

MeasureEnums::MeasureStatus ReflectionStep::calculated() const
{
    return toMeasureStatus(m_measurer->calculatingStatus());
}

bool ReflectionStep::hasResults() const
{
    return m_measurer->hasResults();
}

std::vector<std::vector<uint>> ReflectionStep::cabling() const
{
    return {m_fixture->attachedPorts().rows()};
}

Step::Work ReflectionStep::standardWork(ReflectionMeasurer::Standard standard)
{
    return [this, standard,
            target = ReflectionMeasurer::Target{m_connection.get(), takeFixtureRows(*m_fixture), serial()},
            remeasured = remeasuredFollowUp()](SourceReader& source, TaskProgress& task) {
        if (m_measurer->measure(standard, source, task, target) != ReflectionMeasurer::Outcome::Calculated)
            return;
        onGuiThread([this] { setAppliedFixtureOffset(false); });
        if (remeasured)
            remeasured(true);
    };
}

bool ReflectionStep::measureOpenFromVna()
{
    return runOnAnalyzer(newTask(tr("Reflection Open"), 6), standardWork(ReflectionMeasurer::Standard::Open));
}

bool ReflectionStep::measureShortFromVna()
{
    return runOnAnalyzer(newTask(tr("Reflection Short"), 6), standardWork(ReflectionMeasurer::Standard::Short));
}

void ReflectionStep::measureOpenFromTouchstone(const QString& file)
{
    runFromFile(newTask(tr("Reflection Open"), 4), file, analyzerPortsOf({takeFixtureRows(*m_fixture)}),
                standardWork(ReflectionMeasurer::Standard::Open));
}

void ReflectionStep::measureShortFromTouchstone(const QString& file)
{
    runFromFile(newTask(tr("Reflection Short"), 4), file, analyzerPortsOf({takeFixtureRows(*m_fixture)}),
                standardWork(ReflectionMeasurer::Standard::Short));
}

void ReflectionStep::applyOffset(bool val)
{
    if (m_measurer->calculatingStatus() != BaseMeasurer::Measured)
        return;
    const double offset = val ? m_offset : 0.0;
    runDetached(newTask(tr("Reflection offset"), 1),
                [this, val, offset, rows = takeFixtureRows(*m_fixture)](TaskProgress& task) {
                    task.nextStep(tr("Applying offset"));
                    QString errorText;
                    if (!FixtureOffsets::applyToReflect(rows, offset, errorText)) {
                        if (!errorText.isEmpty())
                            emit error(errorText);
                        // Every port kept what it held.
                        onGuiThread([this] { setOffset(m_appliedOffset); });
                        return false;
                    }
                    onGuiThread([this, val, offset] {
                        if (val)
                            m_appliedOffset = offset;
                        // An offset entered while this one waited its turn is not what the ports hold.
                        setOffset(m_appliedOffset);
                        setAppliedFixtureOffset(val);
                    });
                    return true;
                });
}

void ReflectionStep::deleteData()
{
    post([this, rows = takeFixtureRows(*m_fixture), ended = remeasuredFollowUp()] {
        m_measurer->reset();
        clearResults(rows);
        // What a DUT measurement would re-gate the fixture with goes with the results.
        m_connection->processes().clear();
        onGuiThread([this] { setAppliedFixtureOffset(false); });
        if (ended)
            ended(false);
    });
}
