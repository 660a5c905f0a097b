#pragma once

#include "engine/processes/base/IProcessMethod.h"
#include "engine/sparameters/SParametersOnePort.h"

#include <vector>

namespace Algorithms {

class FixturePort;

// Turns reflect measurements at the far end of one fixture half into that half's
// S-parameters, stored in one port with its set's port 1 at the analyzer.
class ReflectProcess : public IProcessMethod
{
    Q_OBJECT

public:
    using IProcessMethod::IProcessMethod;

    // The port must hold the analyzer port impedance; a stored set is turned back to
    // face the analyzer with its port 1. The port tells its own refusals.
    bool setFixturesForCalculate(FixturePort* port);
    // Later calculations (the DUT) work on this port, which holds what the port it
    // calculated holds; nothing is checked or turned.
    void moveToPort(FixturePort* fixturePort) { port = fixturePort; }

    // Re-gates the fixture's outer reflection from a reflection measured with the device
    // under test in place; only methods with a time gate have it.
    virtual bool calculateDUT(const SParametersOnePort& dut);

    // Why a run would refuse standards measured on this grid (the open's, for a pair),
    // as the run itself says it; empty when the grid serves the method.
    virtual QString gridProblem(const std::vector<double>& frequencies) const = 0;

protected:
    bool loadParameters() override;
    virtual std::vector<double> frequencies() const = 0;

    // The DUT calculation of the time-gating reflect methods.
    bool regateFromDut(const SParametersOnePort& dut);

    FixturePort* port = nullptr;
};

} // namespace Algorithms
