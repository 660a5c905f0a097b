#include "engine/processes/filtering/OuterReflectionFit.h"

#include "engine/fits/ExponentialFit.h"
#include "engine/fits/ZeroFrequencyEstimate.h"
#include "engine/processes/filtering/Concatenation.h"

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

    const std::size_t n = frequencies.size();
    const double zeroFrequencyValue =
        estimateDelay(values, *std::max_element(frequencies.begin(), frequencies.end()));
    if (canceled())
        return std::nullopt;
    std::vector<std::complex<double>> negative(n);
    std::vector<double> negativeFrequencies(n);
    for (std::size_t i = 0; i < n; ++i) {
        negative[i] = std::conj(values[n - 1 - i]);
        negativeFrequencies[i] = -frequencies[n - 1 - i];
    }
    const auto fit = fitExponentials(concatenate(negativeFrequencies, 0, frequencies),
                                     concatenateComplex(negative, zeroFrequencyValue, values), delays);
    if (!fit || fit->size() < 2 || canceled())
        return std::nullopt;
    return std::vector<std::complex<double>>(fit->front().begin() + static_cast<std::ptrdiff_t>(n + 1),
                                             fit->front().end());
}

} // namespace Algorithms
