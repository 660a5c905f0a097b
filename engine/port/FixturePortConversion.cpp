#include "engine/port/FixturePort.h"

#include "engine/impedance/ImpedanceConversion.h"
#include "engine/vectors/VectorChecks.h"

#include <array>
#include <complex>
#include <utility>
#include <vector>

namespace Algorithms {

namespace {

// The converter answers bad input with an all-zero point.
bool isConvertedPoint(const std::complex<double>* point)
{
    bool allZero = true;
    for (int k = 0; k < 4; ++k) {
        const std::complex<double> value = point[k];
        if (!isFiniteComplex(value))
            return false;
        if (value.real() * value.real() + value.imag() * value.imag() > 1e-24)
            allZero = false;
    }
    return !allZero;
}

} // namespace

std::optional<double> FixturePort::conversionTarget() const
{
    switch (m_conversionType) {
    case Z0ConversionType::System:
        return m_impedance;
    case Z0ConversionType::Fixture:
        return m_impedanceValue;
    case Z0ConversionType::User:
        return m_customImpedance;
    case Z0ConversionType::None:
        break;
    }
    return std::nullopt;
}

std::optional<double> FixturePort::convertToTarget(SParametersTwoPort& set)
{
    const QString invalidInput = tr("Invalid input data for impedance conversion");
    if (!m_stepResponse) {
        emit error(invalidInput);
        return std::nullopt;
    }
    if (!m_stepResponse->isValid() || !m_impedanceValue || !set.isValid() || !m_impedance) {
        emit error(invalidInput);
        return std::nullopt;
    }
    const std::optional<double> target = conversionTarget();
    if (!target) {
        emit error(m_conversionType == Z0ConversionType::User ? tr("Invalid custom impedance value.") : invalidInput);
        return std::nullopt;
    }

    const double fixtureEnd = m_stepResponse->impedance;
    const std::vector<double> from = m_mirrored ? std::vector<double>{fixtureEnd, *m_impedance}
                                                : std::vector<double>{*m_impedance, fixtureEnd};
    const std::vector<double> to{*target, *target};

    const std::size_t n = set.frequencies().size();
    // The converted values go to work vectors the thread keeps, which then trade places with
    // the set's: a set of this size in fresh memory costs more in page faults than its
    // conversion, and a failure leaves the set as it was.
    thread_local std::array<std::vector<std::complex<double>>, 4> work;
    for (auto& parameter : work)
        parameter.resize(n);
    // The reflection-coefficient formulation also handles a point without transmission.
    const ReferenceChange change(from, to);
    for (std::size_t i = 0; i < n; ++i) {
        const std::complex<double> point[4] = {set.s11()[i], set.s12()[i], set.s21()[i], set.s22()[i]};
        std::complex<double> converted[4];
        change.convert(point, converted);
        if (!isConvertedPoint(converted)) {
            emit error(tr("Invalid converted data. Check system and fixture impedances"));
            return std::nullopt;
        }
        for (std::size_t k = 0; k < 4; ++k)
            work[k][i] = converted[k];
    }
    std::swap(set.s11(), work[0]);
    std::swap(set.s12(), work[1]);
    std::swap(set.s21(), work[2]);
    std::swap(set.s22(), work[3]);
    return target;
}

bool FixturePort::convertImpedance()
{
    if (!m_sParameters) {
        emit error(tr("Invalid input data for impedance conversion"));
        return false;
    }
    const std::optional<double> target = convertToTarget(*m_sParameters);
    if (!target)
        return false;
    // Announced on every conversion: the data changed even when the reference kept its value.
    m_z0 = target;
    emit impedanceTransformChanged();
    return true;
}

} // namespace Algorithms
