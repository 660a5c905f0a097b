#include "engine/processes/reflect/ProcessTimeGateReflectOpenAndShort.h"

#include "engine/processes/transmission/ProcessTimeGate.h"

namespace Algorithms {

bool ProcessTimeGateReflectOpenAndShort::calculateDUT(const SParametersOnePort& dut)
{
    return regateFromDut(dut);
}

std::unique_ptr<TransmissionProcess> ProcessTimeGateReflectOpenAndShort::createTransmissionProcess() const
{
    return std::make_unique<ProcessTimeGate>();
}

} // namespace Algorithms
