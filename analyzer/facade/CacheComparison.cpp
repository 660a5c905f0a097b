#include "analyzer/facade/CacheComparison.h"

#include <algorithm>
#include <cmath>

namespace CacheComparison {

bool fuzzyEqual(double a, double b)
{
    return std::abs(a - b) * 1e12 <= std::min(std::abs(a), std::abs(b));
}

bool knownAndEqual(const std::optional<double>& cached, double value)
{
    return cached && fuzzyEqual(*cached, value);
}

bool notBothKnownAndFuzzyEqual(const std::optional<double>& cached, const std::optional<double>& fresh)
{
    return !(cached && fresh && fuzzyEqual(*cached, *fresh));
}

} // namespace CacheComparison
