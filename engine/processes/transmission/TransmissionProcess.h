#pragma once

#include "engine/processes/base/IProcessMethod.h"
#include "engine/sparameters/SParametersOnePort.h"
#include "engine/sparameters/SParametersTwoPort.h"

#include <array>
#include <complex>
#include <vector>

namespace Algorithms {

class FixturePort;

// Turns a measured 2x-thru into the S-parameters of its two halves: the left half
// (port 1 of the thru, its set's port 1 at the analyzer) and the right half (port 2 of
// the thru, stored with its set's port 1 at the junction). The pipeline is fixed; the
// separation of the halves belongs to the method.
class TransmissionProcess : public IProcessMethod
{
    Q_OBJECT

public:
    using IProcessMethod::IProcessMethod;

    void setMeasuredData(const SParametersTwoPort& data);
    // Both ports must hold the analyzer port impedance; stored sets are turned into the
    // orientation above. A port's refusals are its own to tell (through its error()):
    // repeated here, its owner would hear each twice.
    bool setFixturesForCalculate(FixturePort* left, FixturePort* right);
    // Later calculations (offsets, the DUT) work on these ports, which hold what the
    // ports it calculated hold; nothing is checked or turned.
    void moveToPorts(FixturePort* leftPort, FixturePort* rightPort);

    // Re-gates the fixtures' outer reflections from reflections measured with the device
    // under test in place; only methods with a time gate have it.
    virtual bool calculateDUT(const SParametersOnePort& leftDut, const SParametersOnePort& rightDut);

    // Why a run would refuse a thru measured on this grid, as the run itself says it;
    // empty when the grid serves the method. Lets a measurement keep its earlier result
    // instead of replacing it with one that cannot be calculated.
    QString gridProblem(const std::vector<double>& frequencies) const;

protected:
    bool process() override;
    bool loadParameters() override;
    virtual void determineTimeMin() = 0;
    virtual bool checkFixtureDelay(double delay);
    // Whether the halves can only be separated on a grid that allows time responses.
    virtual bool needsTimeDomain() const;
    virtual bool extractFixtures() = 0;

    // timeMin = minus the left impulse delay, for methods without a time gate.
    void setTimeMinFromLeftDelay();
    // Forms both halves from the thru and the two outer reflections and stores them;
    // false when cancelled or when a port refuses its set. The reflections become the
    // halves' outer parameters.
    bool splitFixtureHalves(std::vector<std::complex<double>> gammaA, std::vector<std::complex<double>> gammaB);
    // The one-way delay of a half: half the thru's impulse delay, or half the delay of its
    // transmission's phase where no impulse response could be formed.
    double halfDelay() const;
    // S11, S12, S21 and S22 of one half on the measured grid.
    using HalfParameters = std::array<std::vector<std::complex<double>>, 4>;
    // False when a port refuses its set (the port said why).
    bool storeFixtureHalves(HalfParameters leftHalf, HalfParameters rightHalf);

    SParametersTwoPort measured;
    FixturePort* left = nullptr;
    FixturePort* right = nullptr;

private:
    static QString notLinearText();
    bool impulseStage();
    bool stepResponseStage();
    bool convertPorts();
};

} // namespace Algorithms
