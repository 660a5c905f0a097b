#include "engine/port/SafeDivision.h"

#include "engine/vectors/VectorChecks.h"

#include <cmath>
#include <limits>

namespace Algorithms {

std::complex<double> safeDivide(std::complex<double> a, std::complex<double> b)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    if (!isFiniteComplex(b) || (b.real() == 0.0 && b.imag() == 0.0))
        return {nan, nan};
    // Smith's method: scale by the larger part of the divisor.
    if (std::abs(b.real()) >= std::abs(b.imag())) {
        const double ratio = b.imag() / b.real();
        const double denominator = b.real() + b.imag() * ratio;
        return {(a.real() + a.imag() * ratio) / denominator, (a.imag() - a.real() * ratio) / denominator};
    }
    const double ratio = b.real() / b.imag();
    const double denominator = b.real() * ratio + b.imag();
    return {(a.real() * ratio + a.imag()) / denominator, (a.imag() * ratio - a.real()) / denominator};
}

} // namespace Algorithms
