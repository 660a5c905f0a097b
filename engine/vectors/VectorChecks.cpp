#include "engine/vectors/VectorChecks.h"

#include <QDebug>

#include <cmath>

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

// Whether all of the values are finite. x - x is 0 for a finite x and NaN otherwise, so one
// sum over the differences tells without a branch per value; four partial sums keep the
// additions independent. The routines test every result vector, so this runs often.
bool allFinite(const double* values, std::size_t count)
{
    double sums[4] = {0.0, 0.0, 0.0, 0.0};
    std::size_t k = 0;
    for (; k + 4 <= count; k += 4) {
        for (std::size_t lane = 0; lane < 4; ++lane)
            sums[lane] += values[k + lane] - values[k + lane];
    }
    for (; k < count; ++k)
        sums[0] += values[k] - values[k];
    return (sums[0] + sums[1]) + (sums[2] + sums[3]) == 0.0;
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
