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

bool isValidVector(const std::vector<double>& v)
{
    if (v.empty())
        return false;
    for (double x : v) {
        if (!isFiniteValue(x)) {
            qDebug() << "Invalid vector detected";
            return false;
        }
    }
    return true;
}

bool isValidComplexVector(const std::vector<std::complex<double>>& v)
{
    if (v.empty())
        return false;
    for (const auto& z : v) {
        if (!isFiniteComplex(z)) {
            qDebug() << "Invalid vector detected";
            return false;
        }
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
