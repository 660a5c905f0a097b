#pragma once

#include "engine/processes/reflect/ReflectProcess.h"
#include "engine/sparameters/SParametersOnePort.h"
#include "engine/sparameters/SParametersTwoPort.h"

#include <memory>

namespace Algorithms {

class TransmissionProcess;

// One fixture half from an open and a short at its far end: their half sum and half
// difference are the reflection and transmission of the half joined to its own mirror
// image, and the matching 2x-thru method splits that virtual thru.
class ReflectProcessOpenAndShort : public ReflectProcess
{
    Q_OBJECT

public:
    using ReflectProcess::ReflectProcess;

    // The short is re-gridded onto the open's frequencies when they differ.
    void setInputData(const SParametersOnePort& open, const SParametersOnePort& shortStandard);
    // The virtual 2x-thru's process judges the open's grid.
    QString gridProblem(const std::vector<double>& frequencies) const override;

protected:
    bool process() override;
    std::vector<double> frequencies() const override;
    virtual std::unique_ptr<TransmissionProcess> createTransmissionProcess() const = 0;

    // The virtual 2x-thru.
    SParametersTwoPort measured;
};

} // namespace Algorithms
