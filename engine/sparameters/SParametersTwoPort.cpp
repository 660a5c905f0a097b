#include "engine/sparameters/SParametersTwoPort.h"

#include "engine/vectors/Interpolation.h"
#include "engine/vectors/VectorChecks.h"

namespace Algorithms {

bool SParametersTwoPort::isValid() const
{
    const std::size_t n = m_frequencies.size();
    return SParametersOnePort::isValid() && m_s12.size() == n && m_s21.size() == n && m_s22.size() == n;
}

void SParametersTwoPort::resize(std::size_t n)
{
    SParametersOnePort::resize(n);
    m_s12.resize(n, {0.0, 0.0});
    m_s21.resize(n, {0.0, 0.0});
    m_s22.resize(n, {0.0, 0.0});
}

bool SParametersTwoPort::interpolate(const std::vector<double>& newFrequencies)
{
    if (!SParametersTwoPort::isValid() || newFrequencies.size() < 3)
        return false;
    if (isEqualVector(m_frequencies, newFrequencies))
        return true;
    SParametersTwoPort copy;
    copy.m_s12 = interpolateComplexVector(m_frequencies, m_s12, newFrequencies);
    copy.m_s21 = interpolateComplexVector(m_frequencies, m_s21, newFrequencies);
    copy.m_s22 = interpolateComplexVector(m_frequencies, m_s22, newFrequencies);
    copy.m_s11 = interpolateComplexVector(m_frequencies, m_s11, newFrequencies);
    copy.m_frequencies = newFrequencies;
    if (!copy.isValid())
        return false;
    m_frequencies = std::move(copy.m_frequencies);
    m_s11 = std::move(copy.m_s11);
    m_s12 = std::move(copy.m_s12);
    m_s21 = std::move(copy.m_s21);
    m_s22 = std::move(copy.m_s22);
    return true;
}

void SParametersTwoPort::mirror()
{
    if (!isValid())
        return;
    std::swap(m_s11, m_s22);
    std::swap(m_s12, m_s21);
}

} // namespace Algorithms
