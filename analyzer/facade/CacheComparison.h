#pragma once

#include <optional>

// The rules by which a refreshed value replaces (and announces) a cached one.
namespace CacheComparison {

// Relative equality to about 12 digits: |a - b| x 10^12 <= min(|a|, |b|).
bool fuzzyEqual(double a, double b);

// Known and fuzzily equal.
bool knownAndEqual(const std::optional<double>& cached, double value);

// Replaced when different, two unknown values counting as equal.
template <typename T>
bool differs(const std::optional<T>& cached, const std::optional<T>& fresh)
{
    return cached != fresh;
}

// Replaced unless both are known and equal: an unknown value is announced on every refresh.
template <typename T>
bool notBothKnownAndEqual(const std::optional<T>& cached, const std::optional<T>& fresh)
{
    return !(cached && fresh && *cached == *fresh);
}

bool notBothKnownAndFuzzyEqual(const std::optional<double>& cached, const std::optional<double>& fresh);

} // namespace CacheComparison
