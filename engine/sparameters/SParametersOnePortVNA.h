#pragma once

#include "engine/sparameters/SParametersOnePort.h"

#include <cstdint>

namespace Algorithms {

// A reflection measured on one analyzer port (zero-based index).
class SParametersOnePortVNA : public SParametersOnePort
{
public:
    std::optional<std::uint64_t> port() const { return m_port; }
    void setPort(std::optional<std::uint64_t> port) { m_port = port; }

private:
    std::optional<std::uint64_t> m_port;
};

} // namespace Algorithms
