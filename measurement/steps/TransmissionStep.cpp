#include "measurement/steps/TransmissionStep.h"

#include "analyzer/facade/CacheComparison.h"
#include "analyzer/threading/WorkerThread.h"
#include "measurement/connections/ConnectionReflect.h"
#include "measurement/connections/ConnectionTransmisson.h"
#include "measurement/enums/EnumConversions.h"
#include "measurement/fixtures/VNAFixtureConnection.h"
#include "measurement/progress/TaskProgress.h"
#include "measurement/steps/FixtureOffsets.h"

#include <QPointer>

#include <cmath>

using MeasureEnums::FixturePossibleState;
using MeasureEnums::MeasureStatus;

namespace {

MeasureStatus pairStatus(BaseMeasurer::Status left, BaseMeasurer::Status right)
{
    if (left == BaseMeasurer::Measured && right == BaseMeasurer::Measured)
        return MeasureStatus::MEASURED;
    if (left == BaseMeasurer::NotMeasured && right == BaseMeasurer::NotMeasured)
        return MeasureStatus::NONE;
    return MeasureStatus::Error;
}

} // namespace

// What a standard's measurement works on: fresh copies of both fixtures and their
// reflect connections, and the thru's rows as they were when it started.
struct TransmissionStep::ReflectRun
{
    std::shared_ptr<VNAFixtureConnection> leftClone;
    std::shared_ptr<VNAFixtureConnection> rightClone;
    std::shared_ptr<ConnectionReflect> leftConnection;
    std::shared_ptr<ConnectionReflect> rightConnection;
    FixtureRows leftRows;
    FixtureRows rightRows;
    TransmissionMeasurer::Rows thru;
    FollowUp offsetFollowUp;
};

TransmissionStep::TransmissionStep(std::shared_ptr<ConnectionTransmisson> connection,
                                   std::shared_ptr<VNAFixtureConnection> left,
                                   std::shared_ptr<VNAFixtureConnection> right, SyncedVnaDevice* device,
                                   WorkerThread* worker, ProgressManager* progress, QObject* parent)
    : Step(device, worker, progress, parent)
    , m_connection(std::move(connection))
    , m_left(std::move(left))
    , m_right(std::move(right))
    , m_thru(new TransmissionMeasurer(m_connection.get(), device, this))
    , m_leftClone(m_left->cloneConnection())
    , m_rightClone(m_right->cloneConnection())
    , m_leftReflectConnection(makeLaterDeleted<ConnectionReflect>(m_leftClone.get(), m_connection->params()))
    , m_rightReflectConnection(makeLaterDeleted<ConnectionReflect>(m_rightClone.get(), m_connection->params()))
    , m_leftReflect(new ReflectionMeasurer(device, this))
    , m_rightReflect(new ReflectionMeasurer(device, this))
{
    for (BaseMeasurer* measurer : {static_cast<BaseMeasurer*>(m_thru), static_cast<BaseMeasurer*>(m_leftReflect),
                                   static_cast<BaseMeasurer*>(m_rightReflect)}) {
        connect(measurer, &BaseMeasurer::error, this, &Step::error);
        connect(measurer, &BaseMeasurer::cancelled, this, &Step::cancelled);
        connect(this, &Step::calcMethodChanged, measurer, &BaseMeasurer::setCalcMethod);
        connect(this, &Step::conversionTChanged, measurer, &BaseMeasurer::setConversionT);
        connect(this, &Step::userDefZ0Changed, measurer, &BaseMeasurer::setUserDefZ0);
        // Direct: the flag is set while the worker is busy with the measurement.
        connect(this, &Step::interrupted, measurer, &BaseMeasurer::interrupt, Qt::DirectConnection);
        measurer->setCalcMethod(calcMethod());
        measurer->setConversionT(conversionT());
        measurer->setUserDefZ0(userDefZ0());
    }
    connect(m_thru, &TransmissionMeasurer::statusChanged, this, &TransmissionStep::thruMeasuredChanged);
    for (ReflectionMeasurer* measurer : {m_leftReflect, m_rightReflect}) {
        connect(measurer, &ReflectionMeasurer::openStatusChanged, this, &TransmissionStep::openMeasuredChanged);
        connect(measurer, &ReflectionMeasurer::shortStatusChanged, this, &TransmissionStep::shortMeasuredChanged);
        connect(measurer, &ReflectionMeasurer::calculatingStatusChanged, this,
                &TransmissionStep::reflectCalculatedChanged);
        measurer->setState(m_reflectState);
    }
    for (auto signal : {&TransmissionStep::thruMeasuredChanged, &TransmissionStep::openMeasuredChanged,
                        &TransmissionStep::shortMeasuredChanged, &TransmissionStep::reflectCalculatedChanged})
        connect(this, signal, this, &Step::isMeasuredChanged);
    forwardPortErrors(*m_leftClone);
    forwardPortErrors(*m_rightClone);
}

void TransmissionStep::forwardPortErrors(VNAFixtureConnection& clone)
{
    clone.watchPorts(this, [this](MeasuredFixturePort* port) {
        connect(port, &MeasuredFixturePort::error, this, &Step::error, Qt::UniqueConnection);
    });
}

TransmissionStep::~TransmissionStep()
{
    // Results are written on the worker only; the rows outlive this step there. Work
    // of this step may have kept it alive past a newer step's measurement on the same
    // rows, so only what this step wrote last is cleared.
    if (worker) {
        FixtureRows rows = takeFixtureRows(*m_left);
        const FixtureRows right = takeFixtureRows(*m_right);
        rows.insert(rows.end(), right.begin(), right.end());
        worker->post([rows, step = serial()] { clearResultsWrittenBy(rows, step); });
    }
}

ConnectionBase* TransmissionStep::connection() const
{
    return m_connection.get();
}

void TransmissionStep::setLeftOffset(double offset)
{
    if (CacheComparison::fuzzyEqual(m_leftOffset, offset))
        return;
    m_leftOffset = offset;
    emit leftOffsetChanged();
}

void TransmissionStep::setRightOffset(double offset)
{
    if (CacheComparison::fuzzyEqual(m_rightOffset, offset))
        return;
    m_rightOffset = offset;
    emit rightOffsetChanged();
}

void TransmissionStep::setAppliedReflectsOffset(bool applied)
{
    m_reflectsSwitchedOn = applied;
    showAppliedReflectsOffset(applied);
}

void TransmissionStep::showAppliedReflectsOffset(bool applied)
{
    if (m_appliedReflectsOffset == applied)
        return;
    m_appliedReflectsOffset = applied;
    emit appliedReflectsOffsetChanged();
}

void TransmissionStep::setOpenMeasurementEnable(bool enable)
{
    if (m_openMeasurementEnable == enable)
        return;
    m_openMeasurementEnable = enable;
    emit openMeasurementEnableChanged();
    followEnables();
}

void TransmissionStep::setShortMeasurementEnable(bool enable)
{
    if (m_shortMeasurementEnable == enable)
        return;
    m_shortMeasurementEnable = enable;
    emit shortMeasurementEnableChanged();
    followEnables();
}

void TransmissionStep::followEnables()
{
    const int state = (m_openMeasurementEnable ? 1 : 0) + (m_shortMeasurementEnable ? 2 : 0);
    if (static_cast<FixturePossibleState>(state) != m_reflectState)
        setReflectState(static_cast<FixturePossibleState>(state));
}

void TransmissionStep::setReflectState(FixturePossibleState state)
{
    m_reflectState = state;
    emit reflectStateChanged(state);
    m_leftReflect->setState(state);
    m_rightReflect->setState(state);
}

MeasureStatus TransmissionStep::thruMeasured() const
{
    return toMeasureStatus(m_thru->status());
}

MeasureStatus TransmissionStep::openMeasured() const
{
    return pairStatus(m_leftReflect->openStatus(), m_rightReflect->openStatus());
}

MeasureStatus TransmissionStep::shortMeasured() const
{
    return pairStatus(m_leftReflect->shortStatus(), m_rightReflect->shortStatus());
}

MeasureStatus TransmissionStep::reflectCalculated() const
{
    return pairStatus(m_leftReflect->calculatingStatus(), m_rightReflect->calculatingStatus());
}

bool TransmissionStep::hasResults() const
{
    return m_thru->status() != BaseMeasurer::NotMeasured || m_leftReflect->hasResults()
        || m_rightReflect->hasResults();
}

std::vector<std::vector<uint>> TransmissionStep::cabling() const
{
    return {m_left->attachedPorts().rows(), m_right->attachedPorts().rows()};
}

std::optional<TransmissionMeasurer::Rows> TransmissionStep::thruRows() const
{
    return TransmissionMeasurer::Rows{takeFixtureRows(*m_left), takeFixtureRows(*m_right)};
}

std::vector<uint> TransmissionStep::thruAnalyzerPorts() const
{
    return analyzerPortsOf({takeFixtureRows(*m_left), takeFixtureRows(*m_right)});
}

Step::Work TransmissionStep::thruWork()
{
    std::optional<TransmissionMeasurer::Rows> rows = thruRows();
    if (rows)
        rows->writer = serial();
    return [this, rows = std::move(rows), connection = m_connection,
            remeasured = remeasuredFollowUp()](SourceReader& source, TaskProgress& task) {
        if (!m_thru->measure(source, task, rows))
            return;
        // New halves carry no offset.
        m_reflectsSwitchedOn = false;
        onGuiThread([this] {
            setAppliedFixtureOffset(false);
            showAppliedReflectsOffset(false);
        });
        if (remeasured)
            remeasured(true);
    };
}

bool TransmissionStep::measureFromVna()
{
    const int steps = m_thru->progressStepCount(*thruRows());
    return runOnAnalyzer(newTask(tr("Transmission"), steps + 2), thruWork());
}

void TransmissionStep::measureFromTouchstoneFile(const QString& filePath)
{
    runFromFile(newTask(tr("Transmission"), m_thru->progressStepCount(*thruRows())), filePath, thruAnalyzerPorts(),
                thruWork());
}

Step::Work TransmissionStep::reflectWork(ReflectionMeasurer::Standard standard)
{
    ReflectRun run;
    run.leftClone = m_left->cloneConnection();
    run.rightClone = m_right->cloneConnection();
    forwardPortErrors(*run.leftClone);
    forwardPortErrors(*run.rightClone);
    run.leftConnection = makeLaterDeleted<ConnectionReflect>(run.leftClone.get(), m_connection->params());
    run.rightConnection = makeLaterDeleted<ConnectionReflect>(run.rightClone.get(), m_connection->params());
    run.leftRows = takeFixtureRows(*run.leftClone);
    run.rightRows = takeFixtureRows(*run.rightClone);
    run.thru = *thruRows();
    run.offsetFollowUp = offsetFollowUp();
    return [this, run = std::move(run), standard](SourceReader& source, TaskProgress& task) {
        measureReflect(run, standard, source, task);
    };
}

bool TransmissionStep::measureOpenFromVna()
{
    return runOnAnalyzer(newTask(tr("Transmission Open"), 6), reflectWork(ReflectionMeasurer::Standard::Open));
}

bool TransmissionStep::measureShortFromVna()
{
    return runOnAnalyzer(newTask(tr("Transmission Short"), 6), reflectWork(ReflectionMeasurer::Standard::Short));
}

void TransmissionStep::measureOpenFromTouchstoneFile(const QString& filePath)
{
    runFromFile(newTask(tr("Transmission Open"), 4), filePath, thruAnalyzerPorts(),
                reflectWork(ReflectionMeasurer::Standard::Open));
}

void TransmissionStep::measureShortFromTouchstoneFile(const QString& filePath)
{
    runFromFile(newTask(tr("Transmission Short"), 4), filePath, thruAnalyzerPorts(),
                reflectWork(ReflectionMeasurer::Standard::Short));
}

void TransmissionStep::setReflectOffsets(double left, double right)
{
    onGuiThread([this, left, right] {
        m_leftReflectOffset = left;
        m_rightReflectOffset = right;
        emit leftReflectOffsetChanged();
        emit rightReflectOffsetChanged();
    });
}

namespace {

FixtureOffsets::PortLengths lengthsOf(const ReflectionMeasurer::Calculation& calculation)
{
    FixtureOffsets::PortLengths lengths;
    for (const ReflectionMeasurer::Calculation::Row& row : calculation.rows)
        lengths.push_back({row.port.row().analyzerPort, row.port.port()->fixtureLength()});
    return lengths;
}

} // namespace

void TransmissionStep::measureReflect(const ReflectRun& run, ReflectionMeasurer::Standard standard,
                                      SourceReader& source, TaskProgress& task)
{
    const ReflectionMeasurer::Target leftTarget{run.leftConnection.get(), run.leftRows, 0};
    const ReflectionMeasurer::Target rightTarget{run.rightConnection.get(), run.rightRows, 0};
    // Both sides are read and calculated, the offsets worked out and the thru's new plane
    // prepared before anything changes: a failure or a cancel at any stage keeps the
    // earlier standards, offsets and halves.
    std::optional<ReflectionMeasurer::Reading> left = m_leftReflect->read(standard, source, task, leftTarget);
    if (!left)
        return;
    std::optional<ReflectionMeasurer::Reading> right = m_rightReflect->read(standard, source, task, rightTarget);
    if (!right)
        return;
    const bool calculated = left->calculation && right->calculation;
    const bool thruMeasured = m_thru->status() == BaseMeasurer::Measured;
    std::pair<double, double> offsets{0.0, 0.0};
    if (calculated) {
        task.nextStep(tr("Calculate reflect offset"));
        if (thruMeasured) {
            // The offsets move the thru's plane from its own, whatever offset it carries now.
            QString errorText;
            const auto computed = FixtureOffsets::reflectOffsets(
                lengthsOf(*left->calculation), lengthsOf(*right->calculation),
                FixtureOffsets::ownPlaneLengthsOf(run.thru.left), errorText);
            if (!computed) {
                emit error(errorText);
                task.cancel();
                return;
            }
            offsets = *computed;
        }
    }
    // Switched on, the reflect offsets stay in force: the new ones once both sides are
    // calculated, none while a standard is still missing.
    const bool reflectsApplied = m_reflectsSwitchedOn && thruMeasured;
    std::optional<FixtureOffsets::PreparedOffsets> thruPlane;
    if (thruMeasured) {
        thruPlane = prepareThruPlane(run, reflectsApplied ? offsets : std::pair{0.0, 0.0});
        if (!thruPlane) {
            task.cancel();
            emit refused();
            return;
        }
    }

    if (thruPlane)
        moveThru(run, *thruPlane, reflectsApplied, task);
    onGuiThread([this, leftClone = run.leftClone, rightClone = run.rightClone, leftConnection = run.leftConnection,
                 rightConnection = run.rightConnection] {
        m_leftClone = leftClone;
        m_rightClone = rightClone;
        m_leftReflectConnection = leftConnection;
        m_rightReflectConnection = rightConnection;
    });
    for (auto [measurer, reading, target] : {std::tuple{m_leftReflect, &*left, &leftTarget},
                                             std::tuple{m_rightReflect, &*right, &rightTarget}}) {
        // A calculation belongs to the copies it ran on.
        if (!reading->calculation)
            measurer->dropCalculation();
        measurer->putInPlace(std::move(*reading), *target);
    }
    setReflectOffsets(offsets.first, offsets.second);
    if (calculated && !thruMeasured) {
        emit error(tr("Fixture is not measured"));
        task.cancel();
    }
}

std::optional<FixtureOffsets::PreparedOffsets> TransmissionStep::prepareThruPlane(const ReflectRun& run,
                                                                                 std::pair<double, double> offsets)
{
    const bool moved = offsets.first != 0.0 || offsets.second != 0.0;
    // Halves already on their own plane stay as they are (with a DUT's reflections).
    if (!moved && !FixtureOffsets::anyOffsetInForce(run.thru.left)
        && !FixtureOffsets::anyOffsetInForce(run.thru.right))
        return FixtureOffsets::PreparedOffsets{};
    QString errorText;
    std::optional<FixtureOffsets::PreparedOffsets> prepared =
        FixtureOffsets::prepareForThru(run.thru.left, run.thru.right, offsets.first, offsets.second, errorText);
    if (!prepared && !errorText.isEmpty())
        emit error(errorText);
    return prepared;
}

void TransmissionStep::moveThru(const ReflectRun& run, const FixtureOffsets::PreparedOffsets& plane,
                                bool reflectsApplied, TaskProgress& task)
{
    // The flags say what the ports hold: the user's thru offset is gone, the reflect
    // offsets are in force when they stayed switched on.
    m_reflectsSwitchedOn = reflectsApplied;
    onGuiThread([this, reflectsApplied] {
        setAppliedFixtureOffset(false);
        showAppliedReflectsOffset(reflectsApplied);
    });
    if (plane.empty())
        return;
    plane.take();
    // A DUT measured on the moved halves follows them.
    if (run.offsetFollowUp)
        run.offsetFollowUp(task);
}

void TransmissionStep::applyThruOffset(bool val)
{
    if (m_thru->status() != BaseMeasurer::Measured)
        return;
    const double left = val ? m_leftOffset : 0.0;
    const double right = val ? m_rightOffset : 0.0;
    runThruOffset(newTask(tr("Transmission offset"), 1), left, right, false, [this, val, left, right] {
        if (val) {
            m_appliedLeftOffset = left;
            m_appliedRightOffset = right;
        }
        // Offsets entered while this one waited its turn are not what the ports hold.
        setLeftOffset(m_appliedLeftOffset);
        setRightOffset(m_appliedRightOffset);
        // One offset is in force at a time: each works from the halves as computed.
        setAppliedFixtureOffset(val);
        showAppliedReflectsOffset(false);
    });
}

void TransmissionStep::applyReflectOffset(bool val)
{
    // Switched on, the offsets stay on while a standard is measured again; until both sides
    // are calculated again they are none, and switching them off stays possible.
    const bool calculated = m_leftReflect->calculatingStatus() == BaseMeasurer::Measured
        && m_rightReflect->calculatingStatus() == BaseMeasurer::Measured;
    if (!calculated && (val || !m_appliedReflectsOffset))
        return;
    auto task = newTask(tr("Transmission offset"), 2);
    task->nextStep(tr("Check measure data"));
    if (m_thru->status() != BaseMeasurer::Measured) {
        emit error(tr("Fixture is not measured"));
        task->cancel();
        return;
    }
    runThruOffset(task, val ? m_leftReflectOffset : 0.0, val ? m_rightReflectOffset : 0.0, val, [this, val] {
        showAppliedReflectsOffset(val);
        setAppliedFixtureOffset(false);
    });
}

void TransmissionStep::runThruOffset(const std::shared_ptr<TaskProgress>& task, double left, double right,
                                     bool reflectsApplied, std::function<void()> applied)
{
    runDetached(task, [this, left, right, reflectsApplied, applied = std::move(applied),
                       rows = *thruRows()](TaskProgress& task) {
        task.nextStep(tr("Applying offset"));
        QString errorText;
        if (!FixtureOffsets::applyToThru(rows.left, rows.right, left, right, errorText)) {
            if (!errorText.isEmpty())
                emit error(errorText);
            // Every port kept what it held.
            onGuiThread([this] {
                setLeftOffset(m_appliedLeftOffset);
                setRightOffset(m_appliedRightOffset);
            });
            return false;
        }
        // The flags say what the ports hold, so they change only once every port took the offset.
        m_reflectsSwitchedOn = reflectsApplied;
        onGuiThread(applied);
        return true;
    });
}

void TransmissionStep::deleteData()
{
    post([this, thru = *thruRows(), leftClone = takeFixtureRows(*m_leftClone),
          rightClone = takeFixtureRows(*m_rightClone), ended = remeasuredFollowUp()] {
        m_thru->reset();
        m_leftReflect->reset();
        m_rightReflect->reset();
        for (const FixtureRows* rows : {&thru.left, &thru.right, &leftClone, &rightClone})
            clearResults(*rows);
        setReflectOffsets(0.0, 0.0);
        m_reflectsSwitchedOn = false;
        onGuiThread([this] {
            setAppliedFixtureOffset(false);
            showAppliedReflectsOffset(false);
        });
        if (ended)
            ended(false);
    });
    emit clearMeasureData();
}
