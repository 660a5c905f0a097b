#pragma once

#include "engine/port/Gating.h"
#include "engine/port/ImpulseResponse.h"
#include "engine/port/StepResponse.h"
#include "engine/port/Z0ConversionType.h"
#include "engine/sparameters/SParametersTwoPort.h"

#include <QObject>
#include <QString>

#include <optional>

namespace Algorithms {

// Everything the engine knows about one fixture half: the analyzer port's impedance,
// the conversion target, the time-domain results, the fixture length and the
// half's S-parameter sets (as computed, impedance-converted, offset, and the one in
// force). Validating setters refuse bad data with an error() text; each result has
// its own change signal, emitted on the calling thread.
class FixturePort : public QObject
{
    Q_OBJECT

public:
    // Kinds of the current S-parameter set.
    enum Kind {
        DefaultKind = 0,
        ConvertedKind = 1,
        OffsetKind = 2,
        OffsetConvertedKind = 3,
        DutBandPassKind = 4,
        DutBandPassOffsetKind = 5,
        DutLowPassKind = 6,
        DutLowPassOffsetKind = 7
    };

    explicit FixturePort(QObject* parent = nullptr);
    // A working copy without gating and fixture length, of kind 0.
    FixturePort(const FixturePort& other, QObject* parent);

    bool isMirrored() const { return m_mirrored; }
    const std::optional<ImpulseResponse>& impulseResponse() const { return m_impulseResponse; }
    const std::optional<Gating>& gating() const { return m_gating; }
    const std::optional<ReflectData::StepResponse>& stepResponse() const { return m_stepResponse; }
    std::optional<double> fixtureLength() const { return m_fixtureLength; }
    std::optional<double> defaultLength() const { return m_defaultLength; }
    std::optional<double> z0() const { return m_z0; }
    std::optional<double> impedance() const { return m_impedance; }
    std::optional<double> impedanceValue() const { return m_impedanceValue; }
    std::optional<double> customImpedance() const { return m_customImpedance; }
    std::optional<Z0ConversionType> conversionType() const { return m_conversionType; }
    std::optional<int> currentSParametersKind() const { return m_currentKind; }
    const std::optional<SParametersTwoPort>& sParameters() const { return m_sParameters; }
    // Empty without a current set or with a non-finite grid.
    std::optional<bool> isBandPass() const;

    bool setImpulseResponse(ImpulseResponse response);
    bool setGating(Gating gating);
    bool setStepResponse(ReflectData::StepResponse response);
    bool setCalculatedData(SParametersTwoPort data);
    bool setUncorrectedSParametersDefault(const SParametersTwoPort& data);
    bool setUncorrectedSParametersZConversion(const SParametersTwoPort& data);
    // Finite and positive, or 0 for no custom impedance.
    bool setCustomImpedance(double impedance);
    // The analyzer port's impedance, also the reference of the sets as computed.
    bool setZ0(double impedance);

    void setMirrored(bool mirrored) { m_mirrored = mirrored; }
    void setFixtureLength(double length);
    void setDefaultLength(double length) { m_defaultLength = length; }
    // Ignores a non-finite or non-positive impedance.
    void setImpedanceValue(double impedance);
    void setConversionType(Z0ConversionType type);
    // Marks the current set after a DUT re-gating (kinds 4 to 7).
    void setCurrentSParametersKind(int kind) { m_currentKind = kind; }

    bool selectDefaultSParameters();
    bool selectOffsetSParameters();
    // Turns the current set end for end and toggles the mirrored flag.
    bool mirrorSParameters();
    bool isCalculated() const;
    void clear();
    // Every result and setting of the other port, announced as a clear is: a measurement
    // calculates aside and puts its ports in place only once all of them succeeded. The
    // moving form leaves the other port's sets empty.
    void takeResults(const FixturePort& other);
    void takeResults(FixturePort&& other);

    // What an offset puts in force, worked out whole before the port takes any of it.
    struct PreparedOffset
    {
        SParametersTwoPort set;
        int kind = DefaultKind;
        std::optional<double> length;
        std::optional<double> referenceImpedance;
        // The shifted set before any conversion; none when the offset returns to the set as computed.
        std::optional<SParametersTwoPort> offsetSet;
    };

    // Renormalises the current set in place to the conversion target.
    bool convertImpedance();
    // The set, kind and length an offset of offset seconds would put in force, working
    // from the default set; none, with the reason emitted, when the port refuses it.
    // The port does not change, so ports offset together can all be asked first.
    std::optional<PreparedOffset> prepareOffset(double offset);
    void takeOffset(const PreparedOffset& prepared);
    // Moves the reference plane by offset seconds; a refusal leaves the port as it was.
    bool applyOffset(double offset);
    // Takes a DUT's re-gated reflections out (kinds 4 to 7): the set it started from is in
    // force again, as computed or offset and converted as it was before. Other kinds, and a
    // port without a set, stay. False, with the reason emitted and the port as it was, when
    // that set cannot be formed.
    bool withdrawDutReflections();

signals:
    void error(QString message);
    void impulseResponseChanged();
    void lenghtFixtureChanged();
    void uncorrectedSParametersChanged();
    void stepResponseChanged();
    void impedanceTransformChanged();
    void gatingChanged();

private:
    template <typename Port>
    void assignResults(Port&& other);
    void announceAll();
    std::optional<double> conversionTarget() const;
    // z0 follows the set in force, so the port never claims a reference its data lacks.
    void setReferenceImpedance(std::optional<double> z0);
    void selectSet(const SParametersTwoPort& set, int kind, std::optional<double> length,
                   std::optional<double> referenceImpedance);
    std::optional<SParametersTwoPort> offsetSet(double offset);
    // A set moved by an offset, of the given length, made ready to be put in force: converted
    // to the conversion target where the grid allows it. None when the conversion refuses.
    std::optional<PreparedOffset> preparedOffsetSet(const SParametersTwoPort& shifted, double length);
    // Converts the set to the conversion target; the target, or none with the reason
    // emitted and the set as it was.
    std::optional<double> convertToTarget(SParametersTwoPort& set);

    bool m_mirrored = false;
    int m_currentKind = DefaultKind;
    Z0ConversionType m_conversionType = Z0ConversionType::None;
    std::optional<double> m_impedance;
    std::optional<double> m_z0;
    std::optional<SParametersTwoPort> m_sParameters;
    std::optional<ImpulseResponse> m_impulseResponse;
    std::optional<double> m_fixtureLength;
    std::optional<Gating> m_gating;
    std::optional<ReflectData::StepResponse> m_stepResponse;
    std::optional<double> m_impedanceValue;
    std::optional<double> m_customImpedance;
    std::optional<SParametersTwoPort> m_defaultSParameters;
    std::optional<double> m_defaultLength;
    std::optional<double> m_offsetLength;
    std::optional<SParametersTwoPort> m_zConvertedSParameters;
    std::optional<SParametersTwoPort> m_offsetSParameters;
    // The reference impedance the converted set was stored with.
    std::optional<double> m_zConvertedZ0;
};

} // namespace Algorithms
