#include "engine/port/FixturePort.h"

#include "engine/port/SafeDivision.h"
#include "engine/transforms/FrequencyGrid.h"
#include "engine/vectors/PhaseUnwrap.h"
#include "engine/vectors/VectorChecks.h"

#include <cmath>
#include <complex>
#include <vector>

namespace Algorithms {

// The default set with its transmission stretched to the new electrical length and
// the reflection of the end away from the analyzer rotated with it.
std::optional<SParametersTwoPort> FixturePort::offsetSet(double offset)
{
    const SParametersTwoPort& base = *m_defaultSParameters;
    const std::vector<std::complex<double>>& t = base.s21();
    const std::vector<std::complex<double>>& r = m_mirrored ? base.s11() : base.s22();

    const double delay = m_impulseResponse->delay;
    const double shift = m_impulseResponse->doublePass ? 2.0 * offset : offset;
    const double k = (delay + shift) / delay;
    // A length of zero or below would turn the fixture into gain and reversed phase.
    if (isFiniteValue(offset) && !(k > 0.0)) {
        emit error(tr("Offset was not performed. The offset must leave the fixture a positive electrical length"));
        return std::nullopt;
    }

    std::vector<double> phase(t.size());
    for (std::size_t i = 0; i < t.size(); ++i)
        phase[i] = std::atan2(t[i].imag(), t[i].real());
    phase = unwrapPhase(phase);

    std::vector<std::complex<double>> newT(t.size());
    std::vector<std::complex<double>> newR(t.size());
    for (std::size_t i = 0; i < t.size(); ++i) {
        newT[i] = std::polar(std::pow(std::abs(t[i]), k), k * phase[i]);
        newR[i] = r[i] * std::pow(safeDivide(newT[i], t[i]), 2.0);
    }
    if (!isValidComplexVector(newT) || !isValidComplexVector(newR)) {
        emit error(tr("Offset was not performed. Check offset value"));
        return std::nullopt;
    }

    SParametersTwoPort shifted = base;
    shifted.setS12(newT);
    shifted.setS21(newT);
    if (m_mirrored)
        shifted.setS11(newR);
    else
        shifted.setS22(newR);
    return shifted;
}

std::optional<FixturePort::PreparedOffset> FixturePort::prepareOffset(double offset)
{
    const QString invalidData = tr("Offset was not performed. Check measured data for validity");
    if (!m_sParameters || !m_sParameters->isValid() || !m_defaultSParameters || !m_defaultSParameters->isValid()) {
        emit error(invalidData);
        return std::nullopt;
    }

    // Fuzzy comparison against zero holds for an exact zero only. Going back to the set as
    // computed needs no delay, so it also serves halves from a sweep without time responses.
    if (offset == 0.0) {
        if (m_zConvertedSParameters)
            return PreparedOffset{*m_zConvertedSParameters, ConvertedKind, m_defaultLength, m_zConvertedZ0, {}};
        return PreparedOffset{*m_defaultSParameters, DefaultKind, m_defaultLength, m_impedance, {}};
    }
    if (!m_defaultLength || !m_impulseResponse || !m_impulseResponse->isValid()) {
        emit error(invalidData);
        return std::nullopt;
    }

    std::optional<SParametersTwoPort> shifted = offsetSet(offset);
    if (!shifted)
        return std::nullopt;
    if (!shifted->isValid()) {
        emit error(tr("Invalid uncorrected fixture SParameters offset"));
        return std::nullopt;
    }

    return preparedOffsetSet(*shifted, *m_defaultLength + offset);
}

std::optional<FixturePort::PreparedOffset> FixturePort::preparedOffsetSet(const SParametersTwoPort& shifted,
                                                                         double length)
{
    PreparedOffset prepared{shifted, OffsetKind, length, m_impedance, shifted};
    const std::vector<double>& grid = shifted.frequencies();
    if (m_conversionType != Z0ConversionType::None && isValidVector(grid) && isBandPassGrid(grid) == false) {
        prepared.referenceImpedance = convertToTarget(prepared.set);
        if (!prepared.referenceImpedance)
            return std::nullopt;
        prepared.kind = OffsetConvertedKind;
    }
    return prepared;
}

void FixturePort::takeOffset(const PreparedOffset& prepared)
{
    if (!prepared.offsetSet) {
        selectSet(prepared.set, prepared.kind, prepared.length, prepared.referenceImpedance);
        return;
    }
    m_sParameters = prepared.set;
    m_fixtureLength = prepared.length;
    m_offsetLength = prepared.length;
    m_currentKind = prepared.kind;
    m_offsetSParameters = prepared.offsetSet;
    if (prepared.kind == OffsetConvertedKind) {
        // Announced on every conversion: the data changed even when the reference kept its value.
        m_z0 = prepared.referenceImpedance;
        emit impedanceTransformChanged();
    } else {
        setReferenceImpedance(prepared.referenceImpedance);
    }
    emit uncorrectedSParametersChanged();
    emit impulseResponseChanged();
    emit lenghtFixtureChanged();
}

bool FixturePort::applyOffset(double offset)
{
    const std::optional<PreparedOffset> prepared = prepareOffset(offset);
    if (!prepared)
        return false;
    takeOffset(*prepared);
    return true;
}

bool FixturePort::withdrawDutReflections()
{
    // A cleared port keeps its kind but holds nothing to take out.
    if (!m_sParameters)
        return true;
    switch (m_currentKind) {
    case DutBandPassKind:
    case DutLowPassKind:
        // The stored set as computed (and converted), exactly what the half was before the DUT.
        return applyOffset(0.0);
    case DutBandPassOffsetKind:
    case DutLowPassOffsetKind: {
        if (!m_offsetSParameters || !m_offsetLength) {
            emit error(tr("The fixture's own S-parameters are missing. Measure the fixture again"));
            return false;
        }
        // Converted again as the offset converted it: the same set through the same steps.
        const std::optional<PreparedOffset> prepared = preparedOffsetSet(*m_offsetSParameters, *m_offsetLength);
        if (!prepared)
            return false;
        takeOffset(*prepared);
        return true;
    }
    default:
        return true;
    }
}

} // namespace Algorithms
