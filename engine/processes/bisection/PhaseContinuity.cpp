#include "engine/processes/bisection/PhaseContinuity.h"

#include "engine/vectors/PhaseUnwrap.h"

#include <cmath>

namespace Algorithms {

std::vector<double> complexHypot(const std::vector<std::complex<double>>& v)
{
    std::vector<double> result(v.size());
    for (std::size_t i = 0; i < v.size(); ++i)
        result[i] = std::hypot(v[i].real(), v[i].imag());
    return result;
}

std::vector<double> complexArg(const std::vector<std::complex<double>>& v)
{
    std::vector<double> result(v.size());
    for (std::size_t i = 0; i < v.size(); ++i)
        result[i] = 2.0 * std::atan2(v[i].imag(), v[i].real());
    return result;
}

std::vector<std::complex<double>> complexExpCosSin(const std::vector<double>& phi)
{
    std::vector<std::complex<double>> result(phi.size());
    for (std::size_t i = 0; i < phi.size(); ++i)
        result[i] = {std::cos(phi[i] / 2.0), std::sin(phi[i] / 2.0)};
    return result;
}

std::vector<std::complex<double>> withContinuousSign(const std::vector<std::complex<double>>& v)
{
    const std::vector<double> magnitude = complexHypot(v);
    const std::vector<std::complex<double>> direction = complexExpCosSin(unwrapPhase(complexArg(v)));
    std::vector<std::complex<double>> result(v.size());
    for (std::size_t i = 0; i < v.size(); ++i)
        result[i] = magnitude[i] * direction[i];
    return result;
}

} // namespace Algorithms
