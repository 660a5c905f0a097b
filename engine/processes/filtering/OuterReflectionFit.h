#pragma once

#include <complex>
#include <functional>
#include <optional>
#include <vector>

namespace Algorithms {

// The first of the smooth components fitted at the given delays (the reflection at the
// analyzer end). On a harmonic grid the fit runs over the two-sided spectrum around the
// estimated 0 Hz value and keeps the measured half. Empty when the fit fails or
// canceled() answers true between its steps.
std::optional<std::vector<std::complex<double>>> fitOuterReflection(const std::vector<double>& frequencies,
                                                                    const std::vector<std::complex<double>>& values,
                                                                    const std::vector<double>& delays, bool lowPass,
                                                                    const std::function<bool()>& canceled);

} // namespace Algorithms
