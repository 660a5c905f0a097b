#pragma once

#include <cmath>

namespace Orlix::Frontend {

// Chart values are equal when their difference is negligible against the
// smaller of them: 1e12 for doubles, 1e5 for the floats of the renderer.
inline bool fuzzyEqual(double a, double b)
{
    return std::fmin(std::fabs(a), std::fabs(b)) >= std::fabs(a - b) * 1e12;
}

inline bool fuzzyEqualFloat(double a, double b)
{
    return std::fmin(std::fabs(a), std::fabs(b)) >= std::fabs(a - b) * 100000.0;
}

} // namespace Orlix::Frontend
