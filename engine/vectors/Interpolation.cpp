#include "engine/vectors/Interpolation.h"

#include "engine/vectors/VectorBuilding.h"

#include <QDebug>
#include <QtGlobal>

namespace Algorithms {

double interpolateDoubleValue(double x, double x1, double x2, double y1, double y2)
{
    if (qFuzzyCompare(x1, x2)) {
        qDebug() << "interpolateDoubleValue: Divide by Zero!";
        return -1.0;
    }
    return (x - x1) * (y2 - y1) / (x2 - x1) + y1;
}

namespace {

// interp1 on the samples y(0) ... y(count - 1), each formed only when it is used.
template <typename Sample>
double interpolateSamples(const std::vector<double>& x, std::size_t count, double xi, Sample y)
{
    const std::size_t n = x.size();
    if (n < 2)
        return -1.0;
    if (count != n || xi > x[n - 1] || x[0] > xi) {
        qDebug() << "ERROR INTERP1";
        return -1.0;
    }
    if (qFuzzyCompare(x[0], xi))
        return y(0);
    for (std::size_t k = 1; k < n; ++k) {
        if (qFuzzyCompare(x[k], xi))
            return y(k);
        if (x[k - 1] < xi && xi < x[k])
            return interpolateDoubleValue(xi, x[k - 1], x[k], y(k - 1), y(k));
    }
    qDebug() << "ERROR2 INTERP1";
    return -1.0;
}

} // namespace

double interp1(const std::vector<double>& x, const std::vector<double>& y, double xi)
{
    return interpolateSamples(x, y.size(), xi, [&y](std::size_t k) { return y[k]; });
}

double interp1Magnitude(const std::vector<double>& x, const std::vector<std::complex<double>>& y, double xi)
{
    return interpolateSamples(x, y.size(), xi, [&y](std::size_t k) { return std::abs(y[k]); });
}

namespace {

// Ascending without a step back (equal neighbours allowed); false at a NaN.
bool isAscending(const std::vector<double>& v)
{
    for (std::size_t k = 1; k < v.size(); ++k) {
        if (!(v[k] >= v[k - 1]))
            return false;
    }
    return true;
}

} // namespace

std::vector<double> interp1Complex(const std::vector<double>& x, const std::vector<double>& y,
                                   const std::vector<double>& xi)
{
    // The segment search runs forward only: a grid out of order would get values of
    // the wrong segments, or none.
    if (x.size() != y.size() || x.empty() || !isAscending(x) || !isAscending(xi))
        return {};
    const std::size_t last = x.size() - 1;
    std::vector<double> result;
    result.reserve(xi.size());
    std::size_t cursor = 0;
    for (double t : xi) {
        if (x[0] > t) {
            result.push_back(y[0]);
            continue;
        }
        if (t > x[last]) {
            result.push_back(y[last]);
            continue;
        }
        double value = 0.0;
        for (std::size_t j = cursor; j < last; ++j) {
            if (qFuzzyCompare(t, x[j])) {
                value = y[j];
            } else if (qFuzzyCompare(t, x[j + 1])) {
                value = y[j + 1];
            } else if (x[j] < t && t < x[j + 1]) {
                value = interpolateDoubleValue(t, x[j], x[j + 1], y[j], y[j + 1]);
            } else {
                continue;
            }
            cursor = j;
            break;
        }
        result.push_back(value);
    }
    return result;
}

std::vector<std::complex<double>> interpolateComplexVector(const std::vector<double>& x,
                                                           const std::vector<std::complex<double>>& y,
                                                           const std::vector<double>& xi)
{
    if (y.size() < x.size())
        return {};
    const auto parts = splitComplex({y.begin(), y.begin() + static_cast<std::ptrdiff_t>(x.size())});
    const auto re = interp1Complex(x, parts[0], xi);
    const auto im = interp1Complex(x, parts[1], xi);
    return makeComplex(re, im);
}

} // namespace Algorithms
