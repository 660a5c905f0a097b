#pragma once

#include "engine/processes/reflect/ReflectProcessOpenOrShort.h"

namespace Algorithms {

// Single-standard reflect method whose fixture reflection is the residual gated up to
// the standard, and which re-gates it later from a measurement with the DUT.
class ProcessTimeGateReflect : public ReflectProcessOpenOrShort
{
    Q_OBJECT

public:
    using ReflectProcessOpenOrShort::ReflectProcessOpenOrShort;

    bool calculateDUT(const SParametersOnePort& dut) override;

protected:
    bool extractFixture() override;
};

} // namespace Algorithms
