#include "measurement/port/QmlFixturePort.h"

#include "measurement/port/CurveBuilders.h"

#include <QDebug>
#include <QMetaObject>
#include <QMetaType>

#include <exception>

namespace {

QVariant variantOf(const std::optional<double>& value)
{
    return value ? QVariant(*value) : QVariant();
}

} // namespace

QmlFixturePort::QmlFixturePort(QObject* parent)
    : Algorithms::FixturePort(parent)
{
    qRegisterMetaType<QVector<QPointF>*>("QVector<QPointF>*");
    // Direct: the copy is taken on the thread that wrote the port, before it writes again.
    const auto onChange = [this](void (Algorithms::FixturePort::*signal)(), int section) {
        connect(this, signal, this, [this, section] { copyChange(section); }, Qt::DirectConnection);
    };
    onChange(&FixturePort::uncorrectedSParametersChanged, PortSnapshot::SParameters);
    onChange(&FixturePort::impulseResponseChanged, PortSnapshot::Impulse);
    onChange(&FixturePort::gatingChanged, PortSnapshot::Gating);
    onChange(&FixturePort::stepResponseChanged, PortSnapshot::Step);
    onChange(&FixturePort::lenghtFixtureChanged, PortSnapshot::Length);
    onChange(&FixturePort::impedanceTransformChanged, PortSnapshot::Transform);
}

QVariant QmlFixturePort::length() const
{
    return variantOf(m_shown.length);
}

QVariant QmlFixturePort::lengthWithoutOffset() const
{
    return variantOf(m_shown.lengthWithoutOffset);
}

QVariant QmlFixturePort::impRespLength() const
{
    return variantOf(m_shown.impRespLength);
}

QVariant QmlFixturePort::fixtureImpedance() const
{
    return variantOf(m_shown.impedance);
}

QVariant QmlFixturePort::impedanceReferenceLength() const
{
    return variantOf(m_shown.impedanceReferenceLength);
}

QVariant QmlFixturePort::z0Transform() const
{
    return variantOf(m_shown.z0Transform);
}

QVariant QmlFixturePort::gatingValue() const
{
    return variantOf(m_shown.gatingValue);
}

QmlFixturePort::CalibrationStates QmlFixturePort::calibrationStateOf(int kind)
{
    CalibrationStates states;
    states.setFlag(ImpedanceConverted, kind == 1 || kind == 3 || kind == 6 || kind == 7);
    states.setFlag(OffsetApplied, kind == 2 || kind == 3 || kind == 5 || kind == 7);
    states.setFlag(DutCorrected, kind >= 4 && kind <= 7);
    return states;
}

void QmlFixturePort::copyChange(int section)
{
    // A present record is copied when it is announced. A record that has gone goes
    // along with whatever signal comes first: a clear announces its parts one by
    // one, and a rebuild in between must not show old curves beside cleared values.
    PortSnapshot copy;
    copy.sections = section & (PortSnapshot::Length | PortSnapshot::Transform);
    const auto take = [this, section, &copy](int part, const auto& record, auto& copied) {
        const bool wasHanded = m_handedRecords & part;
        if (record ? part != section : !wasHanded)
            return;
        copied = record;
        copy.sections |= part;
        m_handedRecords = record ? m_handedRecords | part : m_handedRecords & ~part;
    };
    take(PortSnapshot::SParameters, sParameters(), copy.sParameters);
    take(PortSnapshot::Impulse, impulseResponse(), copy.impulse);
    take(PortSnapshot::Gating, gating(), copy.gating);
    take(PortSnapshot::Step, stepResponse(), copy.step);
    copy.scalars = readScalars(*this);

    std::lock_guard lock(m_pendingMutex);
    m_pending.scalars = std::move(copy.scalars);
    if (copy.sections & PortSnapshot::SParameters)
        m_pending.sParameters = std::move(copy.sParameters);
    if (copy.sections & PortSnapshot::Impulse)
        m_pending.impulse = std::move(copy.impulse);
    if (copy.sections & PortSnapshot::Gating)
        m_pending.gating = std::move(copy.gating);
    if (copy.sections & PortSnapshot::Step)
        m_pending.step = std::move(copy.step);
    m_pending.sections |= copy.sections;
    if (m_pending.sections && !m_rebuildPosted) {
        m_rebuildPosted = true;
        QMetaObject::invokeMethod(this, [this] { rebuild(); }, Qt::QueuedConnection);
    }
}

void QmlFixturePort::rebuild()
{
    PortSnapshot taken;
    {
        std::lock_guard lock(m_pendingMutex);
        taken = std::exchange(m_pending, PortSnapshot());
        m_rebuildPosted = false;
    }
    const int sections = taken.sections;
    const PortScalars previous = std::exchange(m_shown, taken.scalars);
    const bool sChanged = sections & PortSnapshot::SParameters;

    if (sChanged)
        buildSParameterCurves(taken.sParameters);
    if (sections & PortSnapshot::Step)
        buildTimeCurve(m_stepResponse, taken.step, [](const auto& r) { return valueCurve(r.times, r.values); });
    if (sections & PortSnapshot::Impulse)
        buildTimeCurve(m_impulseResponse, taken.impulse,
                       [](const auto& r) { return magnitudeCurve(r.times, r.values); });
    if (sections & PortSnapshot::Gating)
        buildTimeCurve(m_gating, taken.gating, [](const auto& r) { return magnitudeCurve(r.times, r.values); });

    const CalibrationStates states = calibrationStateOf(m_shown.kind);
    const bool statesChanged = sChanged || states != m_calibrationState;
    if (statesChanged) {
        m_calibrationState = states;
        qDebug() << "Calibration state: converted" << states.testFlag(ImpedanceConverted) << "offset"
                 << states.testFlag(OffsetApplied) << "DUT" << states.testFlag(DutCorrected);
    }

    if (sChanged) {
        emit S11ChangedQml();
        emit S21ChangedQml();
        emit S12ChangedQml();
        emit S22ChangedQml();
    }
    if (statesChanged)
        emit calibrationStateChanged();
    if (sChanged || previous.isMeasured != m_shown.isMeasured || previous.isLowPass != m_shown.isLowPass)
        emit isMeasuredChanged();
    // A value may also change without its own signal (an impedance set before a run).
    const PortScalars& now = m_shown;
    if (sections & PortSnapshot::Step)
        emit stepResponseChangedQml();
    if (sections & PortSnapshot::Impulse || previous.impRespLength != now.impRespLength)
        emit impulseResponseChangedQml();
    if (sections & PortSnapshot::Gating)
        emit gatingChangedQml();
    if (sections & PortSnapshot::Gating || previous.gatingValue != now.gatingValue)
        emit gatingValueChangedQml();
    if (sections & PortSnapshot::Length || previous.length != now.length
        || previous.lengthWithoutOffset != now.lengthWithoutOffset)
        emit lengthChangedQml();
    if (sections & PortSnapshot::Transform || previous.z0Transform != now.z0Transform)
        emit z0TransformChangedQml();
    if (sections & (PortSnapshot::Step | PortSnapshot::Transform) || previous.impedance != now.impedance
        || previous.impedanceReferenceLength != now.impedanceReferenceLength)
        emit impedanceChangedQml();
}

void QmlFixturePort::buildSParameterCurves(const std::optional<Algorithms::SParametersTwoPort>& set)
{
    QVector<QPointF> s11, s21, s12, s22;
    if (set) {
        try {
            s11 = decibelCurve(set->frequencies(), set->s11());
            s21 = decibelCurve(set->frequencies(), set->s21());
            s12 = decibelCurve(set->frequencies(), set->s12());
            s22 = decibelCurve(set->frequencies(), set->s22());
        } catch (const std::exception& e) {
            emit error(QString::fromLatin1(e.what()));
            s11 = s21 = s12 = s22 = {};
        }
    }
    m_s11.swap(s11);
    m_s21.swap(s21);
    m_s12.swap(s12);
    m_s22.swap(s22);
}

template <typename Record, typename Build>
void QmlFixturePort::buildTimeCurve(QVector<QPointF>& curve, const std::optional<Record>& record, Build build)
{
    QVector<QPointF> built;
    if (record) {
        try {
            built = build(*record);
        } catch (const std::exception& e) {
            emit error(QString::fromLatin1(e.what()));
            built.clear();
        }
    }
    curve.swap(built);
}
