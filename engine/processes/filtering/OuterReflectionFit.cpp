#include "engine/processes/filtering/OuterReflectionFit.h"

#include "engine/fits/ExponentialFit.h"
#include "engine/processes/filtering/Concatenation.h"
#include "engine/timedomain/LowPassSamples.h"

#include <algorithm>

namespace Algorithms {

std::optional<std::vector<std::complex<double>>> fitOuterReflection(const std::vector<double>& frequencies,
                                                                    const std::vector<std::complex<double>>& values,
                                                                    const std::vector<double>& delays, bool lowPass,
                                                                    const std::function<bool()>& canceled)
{
    if (!lowPass) {
        const auto fit = fitExponentials(frequencies, values, delays);
        if (!fit || fit->size() < 2)
            return std::nullopt;
        return fit->front();
    }

    const LowPassSamples samples(frequencies, values, 0);
    const std::vector<double>& f = samples.frequencies();
    const std::vector<std::complex<double>>& S = samples.values();
    const std::size_t n = f.size();
    if (canceled())
        return std::nullopt;
    std::vector<std::complex<double>> negative(n);
    std::vector<double> negativeFrequencies(n);
    for (std::size_t i = 0; i < n; ++i) {
        negative[i] = std::conj(S[n - 1 - i]);
        negativeFrequencies[i] = -f[n - 1 - i];
    }
    const auto fit = fitExponentials(concatenate(negativeFrequencies, 0, f),
                                     concatenateComplex(negative, samples.zeroFrequencyValue(), S), delays);
    if (!fit || fit->size() < 2 || canceled())
        return std::nullopt;
    // The measured half, from the 0 Hz sample on where the grid has one.
    const std::size_t first = n + 1 - samples.leadingPoints();
    return std::vector<std::complex<double>>(fit->front().begin() + static_cast<std::ptrdiff_t>(first),
                                             fit->front().end());
}

} // namespace Algorithms
