#pragma once

#include "engine/processes/reflect/ReflectProcessOpenAndShort.h"

namespace Algorithms {

// Open-and-short reflect method split by time gating; it re-gates the fixture's outer
// reflection from a measurement with the DUT as the single-standard method does.
class ProcessTimeGateReflectOpenAndShort : public ReflectProcessOpenAndShort
{
    Q_OBJECT

public:
    using ReflectProcessOpenAndShort::ReflectProcessOpenAndShort;

    bool calculateDUT(const SParametersOnePort& dut) override;

protected:
    std::unique_ptr<TransmissionProcess> createTransmissionProcess() const override;
};

} // namespace Algorithms
