#include "engine/fits/ZeroFrequencyEstimate.h"

#include "engine/fits/ZeroFrequencyMemo.h"
#include "engine/transforms/ChirpZTransform.h"
#include "engine/transforms/ComplexArithmetic.h"
#include "engine/vectors/Ranges.h"
#include "engine/vectors/VectorChecks.h"

#include <Eigen/Dense>

#include <algorithm>
#include <cmath>
#include <limits>

namespace Algorithms {

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

bool allFinite(const std::vector<std::complex<double>>& x)
{
    return std::all_of(x.begin(), x.end(),
                       [](const std::complex<double>& z) { return std::isfinite(z.real()) && std::isfinite(z.imag()); });
}

double formEstimate(const std::vector<std::complex<double>>& x, double fMax)
{
    // Below 5 samples the window [-(2N)^2 / (4 fMax M), -2 / fMax] would run backwards.
    const std::size_t n = x.size();
    // A non-finite sample would spread through the transform into the estimate.
    if (n < 5 || !(fMax > 0.0) || !isFiniteValue(fMax) || !allFinite(x))
        return notANumber;
    const std::size_t m = 2 * n + 1;
    const double count = static_cast<double>(n);
    const double points = static_cast<double>(m);

    const double tStart = -(2.0 * count) * (2.0 * count) / (4.0 * fMax * points);
    const double tStop = -2.0 / fMax;
    const std::vector<double> t = colonRange(tStart, tStop, (tStop - tStart) / (2.0 * count));
    if (t.size() != m)
        return notANumber;
    // The times in natural samples, u = t / dt.
    const double dt = 2.0 * count / (2.0 * fMax * points);
    const double u0 = t[0] / dt;
    const double u1 = t[1] / dt;

    const std::complex<double> j(0.0, 1.0);
    const std::complex<double> a = std::exp(j * (2.0 * pi * u0 / points));
    const std::complex<double> w = std::exp(j * (2.0 * pi * (u1 - u0) / points));

    // The spectrum divided by j 2 pi k: the transform of the running integral. Its two-sided
    // sequence is conjugate-symmetric, so the sums take only its upper half: 0 at 0 Hz (left
    // out of the sums by a zero weight), then the samples.
    std::vector<std::complex<double>> upper(n + 1);
    upper[0] = 0.0;
    for (std::size_t i = 0; i < n; ++i)
        upper[1 + i] = divideByImaginary(x[i], 2.0 * pi * static_cast<double>(i + 1));
    std::vector<double> upperWeights(n + 1, 1.0);
    upperWeights[0] = 0.0;

    // Least-squares line b = p0 + p1 * (-u / M) through the normal equations, b being the
    // transform at the times u[0] + k (u[1] - u[0]): its right side needs only the sums of
    // b and of k b, which are formed without the transform itself.
    const ChirpZSums sums = symmetricChirpZSums(a, w, upper.data(), upperWeights.data(), n + 1);
    Eigen::Matrix2d normal = Eigen::Matrix2d::Zero();
    for (std::size_t k = 0; k < m; ++k) {
        const double column = -(t[k] / dt) / points;
        normal(0, 0) += 1.0;
        normal(0, 1) += column;
        normal(1, 1) += column * column;
    }
    normal(1, 0) = normal(0, 1);
    const Eigen::Vector2d right(sums.values, -(u0 * sums.values + (u1 - u0) * sums.indexWeighted) / points);
    const Eigen::Vector2d p = normal.inverse() * right;
    return p(1);
}

} // namespace

double estimateDelay(const std::vector<std::complex<double>>& x, double fMax)
{
    ZeroFrequencyMemo* memo = ZeroFrequencyMemo::current();
    if (memo) {
        if (const std::optional<double> known = memo->find(x, fMax))
            return *known;
    }
    const double estimate = formEstimate(x, fMax);
    if (memo)
        memo->remember(x, fMax, estimate);
    return estimate;
}

} // namespace Algorithms
