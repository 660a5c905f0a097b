#pragma once

#include "engine/processes/transmission/TransmissionProcess.h"

#include <optional>

namespace Algorithms {

// Separates each half's outer reflection from the thru's reflections by a time gate
// that ends at the junction, and re-gates it later from a measurement with the DUT.
class ProcessTimeGate : public TransmissionProcess
{
    Q_OBJECT

public:
    using TransmissionProcess::TransmissionProcess;

    bool calculateDUT(const SParametersOnePort& leftDut, const SParametersOnePort& rightDut) override;

protected:
    void determineTimeMin() override {}
    bool extractFixtures() override;

private:
    // Gates one DUT reflection up to the port's junction and puts it in place of the
    // port's outer reflection (S11 of the left half, S22 of the right half).
    bool regateOuterReflection(FixturePort& port, const SParametersOnePort& dut, bool outerIsS11);
    // Converts a low-pass set where asked and marks it as re-gated.
    bool finishDutSet(FixturePort& port);
};

} // namespace Algorithms
