#pragma once

#include <cmath>
#include <complex>
#include <optional>
#include <utility>
#include <vector>

namespace Algorithms {

// Element-wise equality within 1e-14; used to skip re-gridding onto an unchanged grid.
bool isEqualVector(const std::vector<double>& a, const std::vector<double>& b);

// Inline: the validity checks call them once per sample of every result.
inline bool isFiniteValue(double x)
{
    return std::isfinite(x);
}
inline bool isFiniteComplex(const std::complex<double>& z)
{
    return isFiniteValue(z.real()) && isFiniteValue(z.imag());
}

// False for an empty vector; logs "Invalid vector detected" at the first non-finite element.
bool isValidVector(const std::vector<double>& v);
bool isValidComplexVector(const std::vector<std::complex<double>>& v);

// (c - a, b - a) when all three are finite.
std::optional<std::pair<double, double>> differencesFrom(double a, double b, double c);

} // namespace Algorithms
