#include "engine/transforms/KaiserWindow.h"

#include "engine/transforms/RecentValueCache.h"

#include <unsupported/Eigen/SpecialFunctions>

#include <cmath>

namespace Algorithms {

// I0 comes from Eigen's vectorised Bessel function: it agrees with std::cyl_bessel_i to a
// few ulps at a fraction of the cost, which matters for windows of 10^5 points.

namespace {

// The window values at the indices 0 ... (L - 1) / 2; the window is symmetric, so index j
// and L - 1 - j share one value.
struct KaiserHalf
{
    Eigen::ArrayXd values;
    // For an odd number of points 2N + 1: the sum over the whole window in the transform
    // order of a two-sided spectrum, the indices 0 ... N - 1 and then N ... 0.
    double twoSidedSum = 0.0;
    std::size_t bytes() const { return static_cast<std::size_t>(values.size()) * sizeof(double); }
};

struct KaiserKey
{
    std::size_t points;
    double beta;
    bool operator==(const KaiserKey& other) const { return points == other.points && beta == other.beta; }
};

double position(double index, double span)
{
    return (2.0 * index - span) / span;
}

KaiserHalf evaluateHalf(std::size_t points, double beta)
{
    const double span = static_cast<double>(points - 1);
    const std::size_t half = (points - 1) / 2 + 1;
    Eigen::ArrayXd arguments(static_cast<Eigen::Index>(half));
    for (std::size_t j = 0; j < half; ++j) {
        const double x = position(static_cast<double>(j), span);
        arguments[static_cast<Eigen::Index>(j)] = beta * std::sqrt(std::max(0.0, 1.0 - x * x));
    }
    KaiserHalf window{Eigen::bessel_i0(arguments) / Eigen::numext::bessel_i0(beta)};
    const auto centre = static_cast<Eigen::Index>(half - 1);
    for (Eigen::Index j = 0; j < centre; ++j)
        window.twoSidedSum += window.values[j];
    for (Eigen::Index j = centre; j >= 0; --j)
        window.twoSidedSum += window.values[j];
    return window;
}

// A calculation asks for the same few windows again and again (each transform of a process
// run, every run on the same grid); the Bessel function costs far more than the lookup.
std::shared_ptr<const KaiserHalf> halfWindow(std::size_t points, double beta)
{
    thread_local RecentValueCache<KaiserKey, KaiserHalf> cache(std::size_t(16) << 20);
    return cache.obtain({points, beta}, [&] { return evaluateHalf(points, beta); });
}

} // namespace

double kaiserWindowValue(double x, double beta)
{
    return Eigen::numext::bessel_i0(beta * std::sqrt(1.0 - x * x)) / Eigen::numext::bessel_i0(beta);
}

std::vector<double> kaiserWindow(const std::vector<double>& windowIndex, double beta)
{
    const std::size_t points = windowIndex.size();
    // I0(0) / I0(0): the rectangular window.
    if (points <= 1 || beta == 0.0)
        return std::vector<double>(points, 1.0);
    const double span = static_cast<double>(points - 1);
    const std::shared_ptr<const KaiserHalf> table = halfWindow(points, beta);
    const auto half = static_cast<double>(table->values.size());

    std::vector<double> window(points);
    for (std::size_t k = 0; k < points; ++k) {
        const double index = windowIndex[k];
        const double mirrored = std::min(index, span - index);
        // Whole indices within the table, tested by a round trip through an integer (floor
        // is a library call here).
        const auto whole = static_cast<Eigen::Index>(mirrored >= 0.0 && mirrored < half ? mirrored : -1.0);
        if (whole >= 0 && static_cast<double>(whole) == mirrored)
            window[k] = table->values[whole];
        else
            window[k] = kaiserWindowValue(position(index, span), beta);
    }
    return window;
}

std::vector<double> kaiserHalfWindow(std::size_t points, double beta)
{
    if (points == 0)
        return {};
    const std::size_t centre = (points - 1) / 2;
    if (points == 1 || beta == 0.0)
        return std::vector<double>(centre + 1, 1.0);
    // The table holds the indices 0 ... centre.
    const std::shared_ptr<const KaiserHalf> table = halfWindow(points, beta);
    std::vector<double> values(centre + 1);
    for (std::size_t k = 0; k <= centre; ++k)
        values[k] = table->values[static_cast<Eigen::Index>(centre - k)];
    return values;
}

double kaiserTwoSidedSum(std::size_t points, double beta)
{
    if (points == 0)
        return 0.0;
    // Sums of ones are exact.
    if (points == 1 || beta == 0.0)
        return static_cast<double>(points);
    return halfWindow(points, beta)->twoSidedSum;
}

} // namespace Algorithms
