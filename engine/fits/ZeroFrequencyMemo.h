#pragma once

#include <complex>
#include <optional>
#include <vector>

namespace Algorithms {

// While an instance lives, estimateDelay on its thread remembers each estimate it forms, so
// that a process run, whose stages ask for the 0 Hz value of the same responses several
// times, forms each one once. Instances nest; each thread has its own.
class ZeroFrequencyMemo
{
public:
    ZeroFrequencyMemo();
    ~ZeroFrequencyMemo();
    ZeroFrequencyMemo(const ZeroFrequencyMemo&) = delete;
    ZeroFrequencyMemo& operator=(const ZeroFrequencyMemo&) = delete;

    // The innermost living instance of the calling thread, or null.
    static ZeroFrequencyMemo* current();

    std::optional<double> find(const std::vector<std::complex<double>>& x, double fMax) const;
    void remember(const std::vector<std::complex<double>>& x, double fMax, double estimate);

private:
    struct Entry
    {
        std::vector<std::complex<double>> x;
        double fMax;
        double estimate;
    };
    std::vector<Entry> m_entries;
    ZeroFrequencyMemo* m_outer;
};

} // namespace Algorithms
