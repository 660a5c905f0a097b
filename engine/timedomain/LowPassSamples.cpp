#include "engine/timedomain/LowPassSamples.h"

#include "engine/fits/ZeroFrequencyEstimate.h"
#include "engine/transforms/FrequencyGrid.h"

#include <algorithm>

namespace Algorithms {

LowPassSamples::LowPassSamples(const std::vector<double>& f, const std::vector<std::complex<double>>& S, int kind)
    : m_f(&f)
    , m_S(&S)
{
    if (kind != 0 || f.empty() || S.size() != f.size())
        return;
    if (hasZeroFrequencyPoint(f)) {
        // The response of a real network is real at 0 Hz.
        m_split = true;
        m_zeroFrequencyValue = S.front().real();
        m_frequencies.assign(f.begin() + 1, f.end());
        m_values.assign(S.begin() + 1, S.end());
        return;
    }
    m_zeroFrequencyValue = estimateDelay(S, *std::max_element(f.begin(), f.end()));
}

} // namespace Algorithms
