#include "simulator/physics/LineCascade.h"

#include "simulator/physics/ScatteringSets.h"

#include <algorithm>

namespace Simulator::Physics {

LineCascade::LineCascade(std::vector<LineSection> sections)
    : m_sections(std::move(sections))
{
}

double LineCascade::totalDelay() const
{
    double delay = 0.0;
    for (const auto& section : m_sections)
        delay += section.delay;
    return delay;
}

LineCascade LineCascade::reversed() const
{
    return LineCascade({m_sections.rbegin(), m_sections.rend()});
}

ScatteringMatrix LineCascade::scatteringAt(double frequency, double z0) const
{
    Eigen::Matrix2cd chain = Eigen::Matrix2cd::Identity();
    for (const auto& section : m_sections)
        chain = chain * section.chainMatrix(frequency);
    return chainToScattering(chain, z0);
}

Algorithms::SParametersTwoPort LineCascade::sParameters(const std::vector<double>& frequencies, double z0) const
{
    return sampleTwoPort(frequencies, [&](double f) { return scatteringAt(f, z0); });
}

} // namespace Simulator::Physics
