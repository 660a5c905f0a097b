#pragma once

#include "engine/port/FixturePort.h"
#include "measurement/port/PortSnapshot.h"

#include <QPointF>
#include <QVariant>
#include <QVector>

#include <mutex>

// The engine's fixture port as the charts and pages see it: point curves and
// scalars for QML. The engine writes the port on the backend worker; each change
// is copied there, on the writing thread, and handed to this object's thread,
// where the curves and scalars are rebuilt once per burst of changes. Every
// property serves that copy, never the engine's fields.
class QmlFixturePort : public Algorithms::FixturePort
{
    Q_OBJECT
    Q_PROPERTY(bool isMeasured READ isMeasured NOTIFY isMeasuredChanged)
    Q_PROPERTY(bool isLowPass READ isLowPass NOTIFY isMeasuredChanged)
    Q_PROPERTY(QVariant length READ length NOTIFY lengthChangedQml)
    Q_PROPERTY(QVariant lengthWithoutOffset READ lengthWithoutOffset NOTIFY lengthChangedQml)
    Q_PROPERTY(QVariant impRespLength READ impRespLength NOTIFY impulseResponseChangedQml)
    Q_PROPERTY(QVariant impedance READ fixtureImpedance NOTIFY impedanceChangedQml)
    Q_PROPERTY(QVariant impedanceReferenceLength READ impedanceReferenceLength NOTIFY impedanceChangedQml)
    Q_PROPERTY(QVariant z0Transform READ z0Transform NOTIFY z0TransformChangedQml)
    Q_PROPERTY(QVariant gatingValue READ gatingValue NOTIFY gatingValueChangedQml)
    Q_PROPERTY(QVector<QPointF>* stepResponse READ stepResponseCurve NOTIFY stepResponseChangedQml)
    Q_PROPERTY(QVector<QPointF>* S11 READ s11Curve NOTIFY S11ChangedQml)
    Q_PROPERTY(QVector<QPointF>* S21 READ s21Curve NOTIFY S21ChangedQml)
    Q_PROPERTY(QVector<QPointF>* S12 READ s12Curve NOTIFY S12ChangedQml)
    Q_PROPERTY(QVector<QPointF>* S22 READ s22Curve NOTIFY S22ChangedQml)
    Q_PROPERTY(QVector<QPointF>* impulseResponse READ impulseResponseCurve NOTIFY impulseResponseChangedQml)
    Q_PROPERTY(QVector<QPointF>* gating READ gatingCurve NOTIFY gatingChangedQml)
    Q_PROPERTY(CalibrationStates calibrationState READ calibrationState NOTIFY calibrationStateChanged)

public:
    // Which stored set is in force, from the current set's kind.
    enum CalibrationState {
        ImpedanceConverted = 2, // kinds 1, 3, 6, 7
        OffsetApplied = 4,      // kinds 2, 3, 5, 7
        DutCorrected = 8        // kinds 4, 5, 6, 7
    };
    Q_DECLARE_FLAGS(CalibrationStates, CalibrationState)
    Q_FLAG(CalibrationStates)

    explicit QmlFixturePort(QObject* parent = nullptr);

    bool isMeasured() const { return m_shown.isMeasured; }
    bool isLowPass() const { return m_shown.isLowPass; }
    QVariant length() const;
    QVariant lengthWithoutOffset() const;
    QVariant impRespLength() const;
    QVariant fixtureImpedance() const;
    QVariant impedanceReferenceLength() const;
    QVariant z0Transform() const;
    QVariant gatingValue() const;
    CalibrationStates calibrationState() const { return m_calibrationState; }

    // Stable addresses for the object's life.
    QVector<QPointF>* stepResponseCurve() { return &m_stepResponse; }
    QVector<QPointF>* s11Curve() { return &m_s11; }
    QVector<QPointF>* s21Curve() { return &m_s21; }
    QVector<QPointF>* s12Curve() { return &m_s12; }
    QVector<QPointF>* s22Curve() { return &m_s22; }
    QVector<QPointF>* impulseResponseCurve() { return &m_impulseResponse; }
    QVector<QPointF>* gatingCurve() { return &m_gating; }

    static CalibrationStates calibrationStateOf(int kind);

signals:
    void impedanceChangedQml();
    void z0TransformChangedQml();
    void gatingValueChangedQml();
    void stepResponseChangedQml();
    void impulseResponseChangedQml();
    void isMeasuredChanged();
    void gatingChangedQml();
    void calibrationStateChanged();
    void S11ChangedQml();
    void S12ChangedQml();
    void S21ChangedQml();
    void S22ChangedQml();
    // The engine's own length signal comes from its writing thread.
    void lengthChangedQml();

private:
    // On the writing thread.
    void copyChange(int section);
    // On this object's thread.
    void rebuild();
    void buildSParameterCurves(const std::optional<Algorithms::SParametersTwoPort>& set);
    template <typename Record, typename Build>
    void buildTimeCurve(QVector<QPointF>& curve, const std::optional<Record>& record, Build build);

    std::mutex m_pendingMutex;
    PortSnapshot m_pending;
    bool m_rebuildPosted = false;
    // The records last handed over present, as PortSnapshot sections; touched only
    // by the thread writing the port.
    int m_handedRecords = 0;

    PortScalars m_shown;
    CalibrationStates m_calibrationState;
    QVector<QPointF> m_stepResponse;
    QVector<QPointF> m_s11;
    QVector<QPointF> m_s21;
    QVector<QPointF> m_s12;
    QVector<QPointF> m_s22;
    QVector<QPointF> m_impulseResponse;
    QVector<QPointF> m_gating;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(QmlFixturePort::CalibrationStates)
