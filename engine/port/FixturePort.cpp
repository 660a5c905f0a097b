#include "engine/port/FixturePort.h"

#include "engine/transforms/FrequencyGrid.h"
#include "engine/vectors/VectorChecks.h"

#include <utility>

namespace Algorithms {

FixturePort::FixturePort(QObject* parent)
    : QObject(parent)
{
}

FixturePort::FixturePort(const FixturePort& other, QObject* parent)
    : QObject(parent)
    , m_mirrored(other.m_mirrored)
    , m_conversionType(other.m_conversionType)
    , m_impedance(other.m_impedance)
    , m_z0(other.m_z0)
    , m_sParameters(other.m_sParameters)
    , m_impulseResponse(other.m_impulseResponse)
    , m_stepResponse(other.m_stepResponse)
    , m_impedanceValue(other.m_impedanceValue)
    , m_customImpedance(other.m_customImpedance)
    , m_defaultSParameters(other.m_defaultSParameters)
    , m_defaultLength(other.m_defaultLength)
    , m_offsetLength(other.m_offsetLength)
    , m_zConvertedSParameters(other.m_zConvertedSParameters)
    , m_offsetSParameters(other.m_offsetSParameters)
    , m_zConvertedZ0(other.m_zConvertedZ0)
{
}

std::optional<bool> FixturePort::isBandPass() const
{
    if (!m_sParameters || !isValidVector(m_sParameters->frequencies()))
        return std::nullopt;
    return isBandPassGrid(m_sParameters->frequencies());
}

bool FixturePort::setImpulseResponse(ImpulseResponse response)
{
    if (!response.isValid()) {
        emit error(tr("Invalid impulse response. NaN or Inf value found. Check measured data for validity"));
        return false;
    }
    m_impulseResponse = std::move(response);
    emit impulseResponseChanged();
    return true;
}

bool FixturePort::setGating(Gating gating)
{
    if (!gating.isValid()) {
        emit error(tr("Invalid gating"));
        return false;
    }
    m_gating = std::move(gating);
    emit gatingChanged();
    return true;
}

bool FixturePort::setStepResponse(ReflectData::StepResponse response)
{
    if (!response.isValid()) {
        emit error(tr("Invalid step response. NaN or Inf value found. Check the measured data for validity"));
        return false;
    }
    m_stepResponse = std::move(response);
    emit stepResponseChanged();
    return true;
}

bool FixturePort::setCalculatedData(SParametersTwoPort data)
{
    // A set with a point that has no value (a division by a transmission of zero, say)
    // would reach the files and the analyzer as if it had been calculated.
    const bool finite = data.isValid() && isValidVector(data.frequencies()) && isValidComplexVector(data.s11())
        && isValidComplexVector(data.s12()) && isValidComplexVector(data.s21()) && isValidComplexVector(data.s22());
    if (!finite) {
        emit error(tr("Invalid calculated data. NaN or Inf value found. Check measured data for validity"));
        return false;
    }
    m_sParameters = std::move(data);
    return true;
}

bool FixturePort::setUncorrectedSParametersDefault(const SParametersTwoPort& data)
{
    if (!data.isValid()) {
        emit error(tr("Invalid uncorrected fixture SParameters default"));
        return false;
    }
    m_defaultSParameters = data;
    m_currentKind = DefaultKind;
    return true;
}

bool FixturePort::setUncorrectedSParametersZConversion(const SParametersTwoPort& data)
{
    if (!data.isValid()) {
        emit error(tr("Invalid uncorrected fixture SParameters z conversion"));
        return false;
    }
    m_currentKind = ConvertedKind;
    m_zConvertedSParameters = data;
    m_zConvertedZ0 = m_z0;
    return true;
}

bool FixturePort::setCustomImpedance(double impedance)
{
    // Setup files store 0 when the user has entered no impedance.
    if (impedance == 0.0) {
        m_customImpedance.reset();
        return true;
    }
    if (!isFiniteValue(impedance) || impedance < 0.0) {
        emit error(tr("Invalid custom impedance value."));
        return false;
    }
    m_customImpedance = impedance;
    return true;
}

bool FixturePort::setZ0(double impedance)
{
    if (!isFiniteValue(impedance)) {
        emit error(tr("Invalid Z0 impedance. It is recommended using the latest VNA software version"));
        return false;
    }
    if (m_z0 != impedance) {
        m_z0 = impedance;
        m_impedance = impedance;
    }
    return true;
}

void FixturePort::setFixtureLength(double length)
{
    m_fixtureLength = length;
    emit lenghtFixtureChanged();
}

void FixturePort::setImpedanceValue(double impedance)
{
    if (isFiniteValue(impedance) && impedance > 0.0)
        m_impedanceValue = impedance;
}

void FixturePort::setConversionType(Z0ConversionType type)
{
    m_conversionType = type;
}

void FixturePort::setReferenceImpedance(std::optional<double> z0)
{
    if (m_z0 == z0)
        return;
    m_z0 = z0;
    emit impedanceTransformChanged();
}

void FixturePort::selectSet(const SParametersTwoPort& set, int kind, std::optional<double> length,
                            std::optional<double> referenceImpedance)
{
    m_sParameters = set;
    m_currentKind = kind;
    m_fixtureLength = length;
    setReferenceImpedance(referenceImpedance);
    emit uncorrectedSParametersChanged();
    emit lenghtFixtureChanged();
}

bool FixturePort::selectDefaultSParameters()
{
    if (!m_defaultSParameters || !m_defaultLength)
        return false;
    selectSet(*m_defaultSParameters, DefaultKind, m_defaultLength, m_impedance);
    return true;
}

bool FixturePort::selectOffsetSParameters()
{
    if (!m_offsetSParameters || !m_offsetLength)
        return false;
    selectSet(*m_offsetSParameters, OffsetKind, m_offsetLength, m_impedance);
    return true;
}

bool FixturePort::mirrorSParameters()
{
    if (!m_sParameters || !m_sParameters->isValid())
        return false;
    m_sParameters->mirror();
    m_mirrored = !m_mirrored;
    return true;
}

bool FixturePort::isCalculated() const
{
    if (!m_sParameters || !m_sParameters->isValid() || !m_defaultSParameters || !m_defaultSParameters->isValid())
        return false;
    // A sweep that is not linear has no time responses to show.
    const bool timeDomain = isEvenlySpaced(m_sParameters->frequencies());
    if (timeDomain && (!m_impulseResponse || !m_impulseResponse->isValid()))
        return false;
    if (!m_stepResponse)
        return true;
    return m_stepResponse->isValid() && m_z0 && m_impedanceValue;
}

void FixturePort::clear()
{
    m_mirrored = false;
    m_conversionType = Z0ConversionType::System;
    m_impedance.reset();
    m_z0.reset();
    m_sParameters.reset();
    m_impulseResponse.reset();
    m_stepResponse.reset();
    m_impedanceValue.reset();
    m_customImpedance.reset();
    m_defaultSParameters.reset();
    m_defaultLength.reset();
    m_zConvertedSParameters.reset();
    m_zConvertedZ0.reset();
    m_offsetSParameters.reset();
    m_offsetLength.reset();
    m_gating.reset();
    announceAll();
}

template <typename Port>
void FixturePort::assignResults(Port&& other)
{
    m_mirrored = other.m_mirrored;
    m_currentKind = other.m_currentKind;
    m_conversionType = other.m_conversionType;
    m_impedance = other.m_impedance;
    m_z0 = other.m_z0;
    m_sParameters = std::forward<Port>(other).m_sParameters;
    m_impulseResponse = std::forward<Port>(other).m_impulseResponse;
    m_fixtureLength = other.m_fixtureLength;
    m_gating = std::forward<Port>(other).m_gating;
    m_stepResponse = std::forward<Port>(other).m_stepResponse;
    m_impedanceValue = other.m_impedanceValue;
    m_customImpedance = other.m_customImpedance;
    m_defaultSParameters = std::forward<Port>(other).m_defaultSParameters;
    m_defaultLength = other.m_defaultLength;
    m_offsetLength = other.m_offsetLength;
    m_zConvertedSParameters = std::forward<Port>(other).m_zConvertedSParameters;
    m_offsetSParameters = std::forward<Port>(other).m_offsetSParameters;
    m_zConvertedZ0 = other.m_zConvertedZ0;
    announceAll();
}

void FixturePort::takeResults(const FixturePort& other)
{
    if (&other != this)
        assignResults(other);
}

void FixturePort::takeResults(FixturePort&& other)
{
    if (&other != this)
        assignResults(std::move(other));
}

void FixturePort::announceAll()
{
    emit lenghtFixtureChanged();
    emit impulseResponseChanged();
    emit uncorrectedSParametersChanged();
    emit stepResponseChanged();
    emit impedanceTransformChanged();
    emit gatingChanged();
}

} // namespace Algorithms
