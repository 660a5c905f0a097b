#pragma once

#include "engine/processes/transmission/TransmissionProcess.h"

#include <optional>

namespace Algorithms {

// Separates each half's outer reflection from the thru's reflections by a least-squares
// fit of smooth components at the outer end and at the far end of the thru, then forms
// the halves as the time-gating method does. Refuses fixtures longer than 25 ns.
class ProcessFiltering : public TransmissionProcess
{
    Q_OBJECT

public:
    using TransmissionProcess::TransmissionProcess;

protected:
    void determineTimeMin() override { setTimeMinFromLeftDelay(); }
    bool checkFixtureDelay(double delay) override;
    bool extractFixtures() override;

private:
    // The component of a reflection at the outer end of its half; empty when the fit
    // fails or is cancelled.
    std::optional<std::vector<std::complex<double>>> outerReflection(const std::vector<std::complex<double>>& reflection,
                                                                     double delay);
};

} // namespace Algorithms
