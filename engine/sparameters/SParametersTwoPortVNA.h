#pragma once

#include "engine/sparameters/SParametersTwoPort.h"

#include <cstdint>
#include <utility>

namespace Algorithms {

// A two-port set with the zero-based analyzer ports that played port 1 and port 2.
class SParametersTwoPortVNA : public SParametersTwoPort
{
public:
    std::optional<std::uint64_t> firstPort() const { return m_firstPort; }
    std::optional<std::uint64_t> secondPort() const { return m_secondPort; }
    void setFirstPort(std::optional<std::uint64_t> port) { m_firstPort = port; }
    void setSecondPort(std::optional<std::uint64_t> port) { m_secondPort = port; }
    // Called together with mirror() so that data and indices stay paired.
    void swapPortIndices() { std::swap(m_firstPort, m_secondPort); }

private:
    std::optional<std::uint64_t> m_firstPort;
    std::optional<std::uint64_t> m_secondPort;
};

} // namespace Algorithms
