#include "simulator/physics/ScatteringSets.h"

namespace Simulator::Physics {

Algorithms::SParametersTwoPort sampleTwoPort(const std::vector<double>& frequencies,
                                             const std::function<ScatteringMatrix(double)>& network)
{
    Algorithms::SParametersTwoPort set;
    set.setFrequencies(frequencies);
    set.resize(frequencies.size());
    for (std::size_t k = 0; k < frequencies.size(); ++k) {
        const ScatteringMatrix s = network(frequencies[k]);
        set.s11()[k] = s(0, 0);
        set.s12()[k] = s(0, 1);
        set.s21()[k] = s(1, 0);
        set.s22()[k] = s(1, 1);
    }
    return set;
}

Algorithms::SParametersOnePort sampleOnePort(const std::vector<double>& frequencies,
                                             const std::function<std::complex<double>(double)>& reflection)
{
    Algorithms::SParametersOnePort set;
    set.setFrequencies(frequencies);
    set.resize(frequencies.size());
    for (std::size_t k = 0; k < frequencies.size(); ++k)
        set.s11()[k] = reflection(frequencies[k]);
    return set;
}

ScatteringMatrix matrixAt(const Algorithms::SParametersTwoPort& set, std::size_t index)
{
    ScatteringMatrix s;
    s << set.s11()[index], set.s12()[index], set.s21()[index], set.s22()[index];
    return s;
}

} // namespace Simulator::Physics
