#pragma once

#include <complex>
#include <optional>
#include <vector>

namespace Algorithms {

// Sampled reflection coefficient: frequencies in Hz and S11 at each of them.
// Nothing enforces consistency on assignment; callers test isValid() first.
class SParametersOnePort
{
public:
    SParametersOnePort() = default;
    SParametersOnePort(const SParametersOnePort&) = default;
    SParametersOnePort(SParametersOnePort&&) = default;
    SParametersOnePort& operator=(const SParametersOnePort&) = default;
    SParametersOnePort& operator=(SParametersOnePort&&) = default;
    virtual ~SParametersOnePort() = default;

    // Equal lengths and at least 3 points.
    virtual bool isValid() const;
    // New points at the end are zero; points beyond n are dropped.
    virtual void resize(std::size_t n);
    // Re-grids the set; true when it now lies on newFrequencies. A failure changes nothing.
    virtual bool interpolate(const std::vector<double>& newFrequencies);

    const std::vector<double>& frequencies() const { return m_frequencies; }
    std::vector<double>& frequencies() { return m_frequencies; }
    const std::vector<std::complex<double>>& s11() const { return m_s11; }
    std::vector<std::complex<double>>& s11() { return m_s11; }
    void setFrequencies(const std::vector<double>& frequencies) { m_frequencies = frequencies; }
    void setS11(const std::vector<std::complex<double>>& s11) { m_s11 = s11; }

    std::optional<std::size_t> pointCount() const;

protected:
    std::vector<double> m_frequencies;
    std::vector<std::complex<double>> m_s11;
};

} // namespace Algorithms
