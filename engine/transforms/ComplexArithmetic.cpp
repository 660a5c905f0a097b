#include "engine/transforms/ComplexArithmetic.h"

#include <algorithm>
#include <cmath>

namespace Algorithms {

namespace {

std::complex<double> exponential(std::complex<double> logBase, double exponent)
{
    return std::polar(std::exp(exponent * logBase.real()), exponent * logBase.imag());
}

} // namespace

std::complex<double> complexPower(std::complex<double> base, double exponent)
{
    return exponential(std::log(base), exponent);
}

void fillPowers(std::complex<double> base, double exponentStep, std::complex<double>* out, std::size_t count,
                std::size_t first)
{
    PowerSeries(base, exponentStep).fill(out, count, first);
}

PowerSeries::PowerSeries(std::complex<double> base, double exponentStep)
    : m_logBase(std::log(base))
    , m_exponentStep(exponentStep)
{
    for (std::size_t r = 0; r < tableLength; ++r)
        m_table[r] = exponential(m_logBase, static_cast<double>(r) * exponentStep);
}

void PowerSeries::fill(std::complex<double>* out, std::size_t count, std::size_t first) const
{
    for (std::size_t start = 0; start < count; start += tableLength) {
        const std::complex<double> head =
            exponential(m_logBase, static_cast<double>(first + start) * m_exponentStep);
        const std::size_t end = std::min(count, start + tableLength);
        for (std::size_t k = start; k < end; ++k)
            out[k] = plainProduct(head, m_table[k - start]);
    }
}

} // namespace Algorithms
