#include "engine/transforms/FrequencyGrid.h"

#include "engine/vectors/VectorChecks.h"

#include <QDebug>

#include <cmath>

namespace Algorithms {

namespace {

// Deviation allowed from the ideal grid, as a fraction of the step: covers frequencies
// written to files with few digits, while a changed step or a gap is far beyond it.
constexpr double gridTolerance = 0.01;

// The common step of an ascending evenly spaced grid of at least 2 finite points, or 0.
double evenStep(const std::vector<double>& f)
{
    const std::size_t n = f.size();
    const double step = (f.back() - f.front()) / static_cast<double>(n - 1);
    bool even = step > 0.0;
    for (std::size_t k = 0; even && k < n; ++k)
        even = std::abs(f[k] - (f.front() + static_cast<double>(k) * step)) <= gridTolerance * step;
    return even ? step : 0.0;
}

} // namespace

std::optional<bool> isBandPassGrid(const std::vector<double>& f)
{
    if (f.size() < 3 || !isValidVector(f))
        return std::nullopt;
    // A sweep that starts harmonically but changes its step later (a segmented sweep)
    // cannot be mirrored through 0 Hz either.
    const std::size_t first = hasZeroFrequencyPoint(f) ? 1 : 0;
    return std::abs(f[first + 1] - 2.0 * f[first]) > 1.0 || !isEvenlySpaced(f);
}

bool hasZeroFrequencyPoint(const std::vector<double>& f)
{
    return f.size() >= 3 && std::abs(f[0]) <= 1.0;
}

bool isEvenlySpaced(const std::vector<double>& f)
{
    return f.size() >= 2 && evenStep(f) > 0.0;
}

bool isTransformableGrid(const std::vector<double>& f, int kind)
{
    const std::size_t n = f.size();
    if (n < 2 || !isValidVector(f)) {
        qDebug() << "Time-domain transform refused: the frequency grid has too few or invalid points";
        return false;
    }
    const double step = evenStep(f);
    if (step == 0.0) {
        qDebug() << "Time-domain transform refused: the frequency grid is not evenly spaced";
        return false;
    }
    if (kind == 0 && std::abs(f.front() - step) > gridTolerance * step && !hasZeroFrequencyPoint(f)) {
        qDebug() << "Time-domain transform refused: the low-pass frequency grid is not harmonic";
        return false;
    }
    return true;
}

} // namespace Algorithms
