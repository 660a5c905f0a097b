#include "engine/vectors/PhaseUnwrap.h"

#include <QtGlobal>

#include <cmath>

namespace Algorithms {

std::vector<double> unwrapPhase(const std::vector<double>& p)
{
    const std::size_t n = p.size();
    if (n < 2)
        return p;
    constexpr double pi = M_PI;
    std::vector<double> out(n);
    out[0] = p[0];
    double correction = 0.0;
    for (std::size_t k = 0; k + 1 < n; ++k) {
        const double d = p[k + 1] - p[k];
        double m = (d + pi) - std::floor((d + pi) / (2.0 * pi)) * 2.0 * pi - pi;
        if (qFuzzyCompare(m, -pi) && d > 0.0)
            m = pi;
        const double c = std::abs(d) < pi ? 0.0 : m - d;
        correction += c;
        out[k + 1] = p[k + 1] + correction;
    }
    return out;
}

} // namespace Algorithms
