#include "remote/commands/StepCommands.h"

#include "app/backend/MainQmlBackend.h"
#include "measurement/setups/NoltAlgorithmsSetup.h"
#include "measurement/steps/DutStep.h"
#include "measurement/steps/ReflectionStep.h"
#include "measurement/steps/TransmissionStep.h"
#include "remote/commands/CommandErrorCodes.h"
#include "remote/commands/CommandPreamble.h"
#include "remote/commands/GuiThreadBridge.h"
#include "remote/commands/ReplyFormatting.h"
#include "remote/commands/StepLookup.h"
#include "remote/commands/StepTaskWait.h"
#include "remote/parser/AutomationException.h"
#include "remote/parser/DeviceFunctions.h"

#include <QThread>

#include <algorithm>
#include <atomic>

namespace Orlix::Automation {

namespace {

using Status = MeasureEnums::MeasureStatus;

bool isMeasured(const Step& step)
{
    return step.measureStatus() == Status::MEASURED;
}

void requireMeasured(const Step& step)
{
    if (!isMeasured(step))
        throw AutomationException(kStepNotMeasured);
}

void require(bool condition, int code)
{
    if (!condition)
        throw AutomationException(code);
}

// Runs the step's measurement slot as the measurement page does and returns
// when it has ended; a failed or cancelled measurement, or a standard that is
// not measured by it, is an execution error. A cancel may leave the earlier
// measurement in place, so the status alone does not tell. The status is judged
// on the worker as the measurement's work ends: work queued behind it (an offset
// or a clear asked for meanwhile) may change the status before this thread reads
// it, and the client asked about its own measurement. Work dropped before it ran
// (the method or the ports changed as it began, a preset) ends on this thread and
// measured nothing. The quit interrupts the measurement, and its cancel reaches
// this thread only through events that are no longer served: a measurement that
// the quit overtook never counts as done.
template<typename T>
void measure(T& step, bool (T::*slot)(), bool (*measuredByIt)(const T&))
{
    const std::shared_ptr<Step> held = step.shared_from_this();
    bool cancelled = false;
    auto measured = std::make_shared<std::atomic<bool>>(false);
    const QMetaObject::Connection onCancel = QObject::connect(
        &step, &Step::cancelled, &step, [&cancelled] { cancelled = true; }, Qt::DirectConnection);
    // A measurement that fails before its data are adopted keeps the earlier result and
    // status: its error text is what tells that it failed.
    auto failed = std::make_shared<std::atomic<bool>>(false);
    const QMetaObject::Connection onError = QObject::connect(
        &step, &Step::error, &step, [failed] { *failed = true; }, Qt::DirectConnection);
    // A refusal is told by the fixture port that refused.
    const QMetaObject::Connection onRefusal = QObject::connect(
        &step, &Step::refused, &step, [failed] { *failed = true; }, Qt::DirectConnection);
    const QMetaObject::Connection onEnd = QObject::connect(
        &step, &Step::finished, &step,
        [&step, measured, measuredByIt] {
            *measured = QThread::currentThread() != step.thread() && measuredByIt(step);
        },
        Qt::DirectConnection);
    const bool succeeded = (step.*slot)();
    QObject::disconnect(onCancel);
    QObject::disconnect(onEnd);
    QObject::disconnect(onError);
    QObject::disconnect(onRefusal);
    if (!succeeded || cancelled || !acceptsRemoteWork() || *failed || !*measured)
        throw AutomationException(kExecutionError);
}

template<typename T, auto standardStatus>
bool standardMeasured(const T& step)
{
    return (step.*standardStatus)() == Status::MEASURED;
}

// Every side's reflections read and calculated; the ports' flags that the status also
// reads reach this thread later.
bool dutMeasured(const DutStep& step)
{
    return std::all_of(step.measurers().begin(), step.measurers().end(),
                       [](const DutMeasurer* measurer) { return measurer->status() == BaseMeasurer::Measured; });
}

template<typename T, typename Check>
void measureCommand(MainQmlBackend* backend, const NumericIndex& index, Check check, bool (T::*slot)(),
                    bool (*measuredByIt)(const T&))
{
    bridgedCommand(backend, [backend, stepIndex = int(index.value), check, slot, measuredByIt] {
        T& step = *findStep<T>(backend, 0, stepIndex);
        check(step);
        measure(step, slot, measuredByIt);
    });
}

// An offset task whose step left the first setup meanwhile was dropped with it.
void requireStillListed(MainQmlBackend* backend, int stepIndex, const Step& step)
{
    if (stepAt(backend, 0, stepIndex) != &step)
        throw AutomationException(kExecutionError);
}

template<typename T, typename Change>
void stepSetting(MainQmlBackend* backend, const NumericIndex& index, Change change)
{
    bridgedCommand(backend, [backend, stepIndex = int(index.value), change] {
        change(*findStep<T>(backend, 0, stepIndex));
    });
}

// Off also takes the offset out of the results, as the page's switch does, so
// files written later match the flag. On applies the offset where `appliesOn` says
// that no other command would (offsets that are calculated, not entered); otherwise
// it only stores the flag.
template<typename T, typename AppliesOn>
void offsetSwitch(MainQmlBackend* backend, const NumericIndex& index, bool enabled, bool (T::*applied)() const,
                  void (T::*setApplied)(bool), void (T::*apply)(bool), AppliesOn appliesOn)
{
    bridgedCommand(backend, [backend, stepIndex = int(index.value), enabled, applied, setApplied, apply, appliesOn] {
        T& s = *findStep<T>(backend, 0, stepIndex);
        requireMeasured(s);
        if (enabled && appliesOn(s)) {
            require(runOffsetTask(s, [&s, apply] { (s.*apply)(true); }), kExecutionError);
            requireStillListed(backend, stepIndex, s);
            return;
        }
        if (!enabled && (s.*applied)() && runOffsetTask(s, [&s, apply] { (s.*apply)(false); }))
            return;
        (s.*setApplied)(enabled);
    });
}

template<typename T>
bool onlyStoresTheFlag(const T&)
{
    return false;
}

} // namespace

void measureDut(MainQmlBackend* backend, const NumericIndex& step)
{
    measureCommand<DutStep>(backend, step, [](DutStep&) {}, &DutStep::measureFromVna, &dutMeasured);
}

void measureReflectOpen(MainQmlBackend* backend, const NumericIndex& step)
{
    measureCommand<ReflectionStep>(
        backend, step, [](ReflectionStep& s) { require(s.openMeasurementEnable(), kOpenNotEnabled); },
        &ReflectionStep::measureOpenFromVna,
        &standardMeasured<ReflectionStep, &ReflectionStep::openMeasured>);
}

void measureReflectShort(MainQmlBackend* backend, const NumericIndex& step)
{
    measureCommand<ReflectionStep>(
        backend, step, [](ReflectionStep& s) { require(s.shortMeasurementEnable(), kShortNotEnabled); },
        &ReflectionStep::measureShortFromVna,
        &standardMeasured<ReflectionStep, &ReflectionStep::shortMeasured>);
}

void measureThru(MainQmlBackend* backend, const NumericIndex& step)
{
    measureCommand<TransmissionStep>(backend, step, [](TransmissionStep&) {}, &TransmissionStep::measureFromVna,
                                     &standardMeasured<TransmissionStep, &TransmissionStep::thruMeasured>);
}

void measureThruReflectOpen(MainQmlBackend* backend, const NumericIndex& step)
{
    measureCommand<TransmissionStep>(
        backend, step,
        [](TransmissionStep& s) {
            requireMeasured(s);
            require(s.appliedReflectsOffset(), kReflectOffsetNotEnabled);
            require(s.openMeasurementEnable(), kOpenNotEnabled);
        },
        &TransmissionStep::measureOpenFromVna,
        &standardMeasured<TransmissionStep, &TransmissionStep::openMeasured>);
}

void measureThruReflectShort(MainQmlBackend* backend, const NumericIndex& step)
{
    measureCommand<TransmissionStep>(
        backend, step,
        [](TransmissionStep& s) {
            requireMeasured(s);
            require(s.appliedReflectsOffset(), kReflectOffsetNotEnabled);
            require(s.shortMeasurementEnable(), kShortNotEnabled);
        },
        &TransmissionStep::measureShortFromVna,
        &standardMeasured<TransmissionStep, &TransmissionStep::shortMeasured>);
}

void applyReflectOffset(MainQmlBackend* backend, const NumericIndex& step, const double& picoseconds)
{
    bridgedCommand(backend, [backend, stepIndex = int(step.value), picoseconds] {
        ReflectionStep& s = *findStep<ReflectionStep>(backend, 0, stepIndex);
        requireMeasured(s);
        require(s.appliedFixtureOffset(), kOffsetNotEnabled);
        s.setOffset(picoseconds);
        require(runOffsetTask(s, [&s] { s.applyOffset(true); }), kExecutionError);
        requireStillListed(backend, stepIndex, s);
    });
}

void applyThruOffset(MainQmlBackend* backend, const NumericIndex& step, const double& left, const double& right)
{
    bridgedCommand(backend, [backend, stepIndex = int(step.value), left, right] {
        TransmissionStep& s = *findStep<TransmissionStep>(backend, 0, stepIndex);
        requireMeasured(s);
        require(s.appliedFixtureOffset(), kOffsetNotEnabled);
        s.setLeftOffset(left);
        s.setRightOffset(right);
        require(runOffsetTask(s, [&s] { s.applyThruOffset(true); }), kExecutionError);
        requireStillListed(backend, stepIndex, s);
    });
}

void stepCountQuery(MainQmlBackend* backend, DeviceFunctions* functions)
{
    functions->sendAnswer(
        bridgedQuery(backend, [backend] { return QString::number(firstSetup(backend)->steps().size()); }));
}

void deleteStepData(MainQmlBackend* backend, const NumericIndex& step)
{
    stepSetting<Step>(backend, step, [backend](Step& s) {
        if (qobject_cast<DutStep*>(&s))
            throw AutomationException(kDeleteError);
        clearStepData(s, *backend->getBackendWorker());
    });
}

void stepMeasuredQuery(MainQmlBackend* backend, DeviceFunctions* functions, const NumericIndex& step)
{
    functions->sendAnswer(bridgedQuery(backend, [backend, stepIndex = int(step.value)] {
        return formatBool(isMeasured(*findStep<Step>(backend, 0, stepIndex)));
    }));
}

void stepTypeQuery(MainQmlBackend* backend, DeviceFunctions* functions, const NumericIndex& step)
{
    functions->sendAnswer(bridgedQuery(backend, [backend, stepIndex = int(step.value)] {
        Step* s = findStep<Step>(backend, 0, stepIndex);
        if (qobject_cast<TransmissionStep*>(s))
            return QStringLiteral("TRANSMISSION");
        if (qobject_cast<ReflectionStep*>(s))
            return QStringLiteral("REFLECT");
        if (qobject_cast<DutStep*>(s))
            return QStringLiteral("DUT");
        throw AutomationException(kUnknownStepType);
    }));
}

void reflectApproximation(MainQmlBackend* backend, const NumericIndex& step, const bool& enabled)
{
    stepSetting<ReflectionStep>(backend, step, [enabled](ReflectionStep& s) { s.setUseCompensation(enabled); });
}

void reflectOffsetSwitch(MainQmlBackend* backend, const NumericIndex& step, const bool& enabled)
{
    offsetSwitch<ReflectionStep>(backend, step, enabled, &Step::appliedFixtureOffset, &Step::setAppliedFixtureOffset,
                                 &ReflectionStep::applyOffset, onlyStoresTheFlag<ReflectionStep>);
}

void reflectOpenEnable(MainQmlBackend* backend, const NumericIndex& step, const bool& enabled)
{
    stepSetting<ReflectionStep>(backend, step,
                                [enabled](ReflectionStep& s) { s.setOpenMeasurementEnable(enabled); });
}

void reflectShortEnable(MainQmlBackend* backend, const NumericIndex& step, const bool& enabled)
{
    stepSetting<ReflectionStep>(backend, step,
                                [enabled](ReflectionStep& s) { s.setShortMeasurementEnable(enabled); });
}

void thruOffsetSwitch(MainQmlBackend* backend, const NumericIndex& step, const bool& enabled)
{
    offsetSwitch<TransmissionStep>(backend, step, enabled, &Step::appliedFixtureOffset,
                                   &Step::setAppliedFixtureOffset, &TransmissionStep::applyThruOffset,
                                   onlyStoresTheFlag<TransmissionStep>);
}

void thruReflectOffsetSwitch(MainQmlBackend* backend, const NumericIndex& step, const bool& enabled)
{
    // Before both reflects are calculated, on only lets them be measured.
    offsetSwitch<TransmissionStep>(backend, step, enabled, &TransmissionStep::appliedReflectsOffset,
                                   &TransmissionStep::setAppliedReflectsOffset, &TransmissionStep::applyReflectOffset,
                                   [](const TransmissionStep& s) { return s.reflectCalculated() == Status::MEASURED; });
}

void thruReflectOpenEnable(MainQmlBackend* backend, const NumericIndex& step, const bool& enabled)
{
    stepSetting<TransmissionStep>(backend, step, [enabled](TransmissionStep& s) {
        requireMeasured(s);
        require(s.appliedReflectsOffset(), kReflectOffsetNotEnabled);
        s.setOpenMeasurementEnable(enabled);
    });
}

void thruReflectShortEnable(MainQmlBackend* backend, const NumericIndex& step, const bool& enabled)
{
    stepSetting<TransmissionStep>(backend, step, [enabled](TransmissionStep& s) {
        requireMeasured(s);
        require(s.appliedReflectsOffset(), kReflectOffsetNotEnabled);
        s.setShortMeasurementEnable(enabled);
    });
}

} // namespace Orlix::Automation
