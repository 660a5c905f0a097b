#pragma once

#include <cmath>
#include <limits>

namespace Orlix::Frontend {

// A double as the renderer's float: finite values beyond the float range
// saturate, since converting them would be undefined.
inline float saturatingFloat(double value)
{
    constexpr double largest = std::numeric_limits<float>::max();
    if (std::isfinite(value) && std::fabs(value) > largest)
        return value > 0 ? std::numeric_limits<float>::max() : std::numeric_limits<float>::lowest();
    return float(value);
}

} // namespace Orlix::Frontend
