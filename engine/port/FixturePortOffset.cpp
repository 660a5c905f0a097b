#include "engine/port/FixturePort.h"

#include "engine/port/SafeDivision.h"
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

bool FixturePort::applyOffset(double offset)
{
    const QString invalidData = tr("Offset was not performed. Check measured data for validity");
    if (!m_sParameters || !m_sParameters->isValid() || !m_defaultSParameters || !m_defaultSParameters->isValid()) {
        emit error(invalidData);
        return false;
    }

    // Fuzzy comparison against zero holds for an exact zero only. Going back to the set as
    // computed needs no delay, so it also serves halves from a sweep without time responses.
    if (offset == 0.0) {
        if (m_zConvertedSParameters)
            selectSet(*m_zConvertedSParameters, ConvertedKind, m_defaultLength, m_zConvertedZ0);
        else
            selectSet(*m_defaultSParameters, DefaultKind, m_defaultLength, m_impedance);
        return true;
    }
    if (!m_defaultLength || !m_impulseResponse || !m_impulseResponse->isValid()) {
        emit error(invalidData);
        return false;
    }

    const std::optional<SParametersTwoPort> shifted = offsetSet(offset);
    if (!shifted)
        return false;
    // A set that fails here would leave nothing sound to fall back on, so nothing changes.
    if (!shifted->isValid()) {
        emit error(tr("Invalid uncorrected fixture SParameters offset"));
        return false;
    }

    const double length = *m_defaultLength + offset;
    m_sParameters = *shifted;
    m_fixtureLength = length;
    m_offsetLength = length;
    m_currentKind = OffsetKind;
    m_offsetSParameters = *shifted;
    setReferenceImpedance(m_impedance);

    if (m_conversionType != Z0ConversionType::None && isBandPass() == false) {
        if (!convertImpedance()) {
            selectSet(*shifted, OffsetKind, length, m_impedance);
            return false;
        }
        m_currentKind = OffsetConvertedKind;
    }

    emit uncorrectedSParametersChanged();
    emit impulseResponseChanged();
    emit lenghtFixtureChanged();
    return true;
}

} // namespace Algorithms
