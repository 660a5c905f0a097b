#include "engine/vectors/VectorChecks.h"

#include <QDebug>

#include <cmath>
#include <cstdint>
#include <cstring>

namespace Algorithms {

bool isEqualVector(const std::vector<double>& a, const std::vector<double>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!(std::abs(a[i] - b[i]) <= 1e-14))
            return false;
    }
    return true;
}

namespace {

// Whether all of the values are finite, from their bits: a value is not finite when its
// exponent field is all ones, and adding one to a full exponent field carries into the sign
// bit. Integer operations without a branch per value vectorise, where a sum of x - x is held
// up by the latency of the additions; the routines test every result vector, so this runs
// often.
bool allFinite(const double* values, std::size_t count)
{
    constexpr std::uint64_t exponentField = 0x7ff0000000000000u;
    constexpr std::uint64_t exponentOne = 0x0010000000000000u;
    std::uint64_t carries = 0;
    for (std::size_t k = 0; k < count; ++k) {
        std::uint64_t bits;
        std::memcpy(&bits, values + k, sizeof bits);
        carries |= (bits & exponentField) + exponentOne;
    }
    return (carries >> 63) == 0;
}

} // namespace

bool isValidVector(const std::vector<double>& v)
{
    if (v.empty())
        return false;
    if (!allFinite(v.data(), v.size())) {
        qDebug() << "Invalid vector detected";
        return false;
    }
    return true;
}

bool isValidComplexVector(const std::vector<std::complex<double>>& v)
{
    if (v.empty())
        return false;
    // A complex value is two doubles in a row.
    if (!allFinite(reinterpret_cast<const double*>(v.data()), 2 * v.size())) {
        qDebug() << "Invalid vector detected";
        return false;
    }
    return true;
}

std::optional<std::pair<double, double>> differencesFrom(double a, double b, double c)
{
    if (!isFiniteValue(a) || !isFiniteValue(b) || !isFiniteValue(c))
        return std::nullopt;
    return std::make_pair(c - a, b - a);
}

} // namespace Algorithms
