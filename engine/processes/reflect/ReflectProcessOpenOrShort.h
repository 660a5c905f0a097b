#pragma once

#include "engine/processes/reflect/MaxSignalEliminationType.h"
#include "engine/processes/reflect/ReflectProcess.h"
#include "engine/sparameters/SParametersOnePort.h"

#include <complex>
#include <vector>

namespace Algorithms {

// One fixture half from a single open or short at its far end: the standard's
// reflection is separated from the fixture's own reflections in the time domain, and
// the half follows from the two and the ideal standard.
class ReflectProcessOpenOrShort : public ReflectProcess
{
    Q_OBJECT

public:
    using ReflectProcess::ReflectProcess;

    void setMeasuredData(const SParametersOnePort& data);
    // The measured standard is the short (otherwise the open).
    void setIsShort(bool isShortStandard);
    void setSignalType(MaxSignalEliminationType type);
    QString gridProblem(const std::vector<double>& frequencies) const override;

protected:
    bool process() override;
    std::vector<double> frequencies() const override;
    // Finds fixtureReflection, the fixture's outer reflection, from residual; reports
    // its own failure.
    virtual bool extractFixture() = 0;

    MaxSignalEliminationType signalType = MaxSignalEliminationType::ExponentialFit;
    bool isShort = false;
    SParametersOnePort measured;
    // The standard's reflection seen through the fixture.
    std::vector<std::complex<double>> standardReflection;
    // The measurement without the standard's reflection.
    std::vector<std::complex<double>> residual;
    std::vector<std::complex<double>> fixtureReflection;

private:
    static QString notLinearText();
    bool impulseStage();
    bool stepStage();
    bool separationStage();
    bool separateByExponentialFit();
    bool separateByTimeGate();
    bool fixtureSetStage();
};

} // namespace Algorithms
