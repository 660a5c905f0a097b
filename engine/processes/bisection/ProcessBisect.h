#pragma once

#include "engine/processes/transmission/TransmissionProcess.h"

namespace Algorithms {

// Splits the thru point by point into two reciprocal halves sharing one transmission,
// by a least-squares cascade fit; needs no time-domain separation, so any grid works.
class ProcessBisect : public TransmissionProcess
{
    Q_OBJECT

public:
    using TransmissionProcess::TransmissionProcess;

protected:
    void determineTimeMin() override { setTimeMinFromLeftDelay(); }
    bool needsTimeDomain() const override { return false; }
    bool extractFixtures() override;
};

} // namespace Algorithms
