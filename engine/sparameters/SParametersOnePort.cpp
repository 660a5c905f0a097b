#include "engine/sparameters/SParametersOnePort.h"

#include "engine/vectors/Interpolation.h"
#include "engine/vectors/VectorChecks.h"

namespace Algorithms {

bool SParametersOnePort::isValid() const
{
    return m_frequencies.size() == m_s11.size() && m_frequencies.size() >= 3;
}

void SParametersOnePort::resize(std::size_t n)
{
    m_frequencies.resize(n, 0.0);
    m_s11.resize(n, {0.0, 0.0});
}

bool SParametersOnePort::interpolate(const std::vector<double>& newFrequencies)
{
    if (!SParametersOnePort::isValid() || newFrequencies.size() < 3)
        return false;
    if (isEqualVector(m_frequencies, newFrequencies))
        return true;
    auto s11 = interpolateComplexVector(m_frequencies, m_s11, newFrequencies);
    if (s11.size() != newFrequencies.size())
        return false;
    m_frequencies = newFrequencies;
    m_s11 = std::move(s11);
    return true;
}

std::optional<std::size_t> SParametersOnePort::pointCount() const
{
    if (!isValid())
        return std::nullopt;
    return m_frequencies.size();
}

} // namespace Algorithms
