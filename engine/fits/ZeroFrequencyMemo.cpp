#include "engine/fits/ZeroFrequencyMemo.h"

namespace Algorithms {

namespace {

thread_local ZeroFrequencyMemo* innermost = nullptr;

} // namespace

ZeroFrequencyMemo::ZeroFrequencyMemo()
    : m_outer(innermost)
{
    innermost = this;
}

ZeroFrequencyMemo::~ZeroFrequencyMemo()
{
    innermost = m_outer;
}

ZeroFrequencyMemo* ZeroFrequencyMemo::current()
{
    return innermost;
}

std::optional<double> ZeroFrequencyMemo::find(const std::vector<std::complex<double>>& x, double fMax) const
{
    for (const Entry& entry : m_entries) {
        if (entry.fMax == fMax && entry.x == x)
            return entry.estimate;
    }
    return std::nullopt;
}

void ZeroFrequencyMemo::remember(const std::vector<std::complex<double>>& x, double fMax, double estimate)
{
    m_entries.push_back({x, fMax, estimate});
}

} // namespace Algorithms
