#include "engine/transforms/FrequencyGrid.h"

#include "engine/vectors/VectorChecks.h"

#include <QDebug>

#include <cmath>

namespace Algorithms {

namespace {

// Deviation allowed from the ideal grid, as a fraction of the step: covers frequencies
// written to files with few digits, while a changed step or a gap is far beyond it.
constexpr double gridTolerance = 0.01;

} // namespace

std::optional<bool> isBandPassGrid(const std::vector<double>& f)
{
    if (f.size() < 3 || !isValidVector(f))
        return std::nullopt;
    return std::abs(f[1] - 2.0 * f[0]) > 1.0;
}

bool isTransformableGrid(const std::vector<double>& f, int kind)
{
    const std::size_t n = f.size();
    if (n < 2 || !isValidVector(f)) {
        qDebug() << "Time-domain transform refused: the frequency grid has too few or invalid points";
        return false;
    }
    const double step = (f.back() - f.front()) / static_cast<double>(n - 1);
    bool even = step > 0.0;
    for (std::size_t k = 0; even && k < n; ++k)
        even = std::abs(f[k] - (f.front() + static_cast<double>(k) * step)) <= gridTolerance * step;
    if (!even) {
        qDebug() << "Time-domain transform refused: the frequency grid is not evenly spaced";
        return false;
    }
    if (kind == 0 && std::abs(f.front() - step) > gridTolerance * step) {
        qDebug() << "Time-domain transform refused: the low-pass frequency grid is not harmonic";
        return false;
    }
    return true;
}

} // namespace Algorithms
