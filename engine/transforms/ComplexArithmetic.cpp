#include "engine/transforms/ComplexArithmetic.h"

#include <array>
#include <cmath>

namespace Algorithms {

namespace {

constexpr std::size_t tableLength = 32;

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
    const std::complex<double> logBase = std::log(base);
    std::array<std::complex<double>, tableLength> table;
    for (std::size_t r = 0; r < tableLength; ++r)
        table[r] = exponential(logBase, static_cast<double>(r) * exponentStep);
    for (std::size_t start = 0; start < count; start += tableLength) {
        const std::complex<double> head = exponential(logBase, static_cast<double>(first + start) * exponentStep);
        const std::size_t end = std::min(count, start + tableLength);
        for (std::size_t k = start; k < end; ++k)
            out[k] = plainProduct(head, table[k - start]);
    }
}

} // namespace Algorithms
