#include "engine/processes/reflect/ReflectProcessOpenAndShort.h"

#include "engine/port/FixturePort.h"
#include "engine/processes/transmission/TransmissionProcess.h"
#include "engine/transforms/FrequencyGrid.h"
#include "engine/vectors/Interpolation.h"
#include "engine/vectors/VectorChecks.h"

namespace Algorithms {

void ReflectProcessOpenAndShort::setInputData(const SParametersOnePort& open, const SParametersOnePort& shortStandard)
{
    measured = SParametersTwoPort();
    if (!open.isValid() || !shortStandard.isValid()) {
        emit error(tr("Invalid open and short input data"));
        return;
    }
    std::vector<std::complex<double>> shortReflection = shortStandard.s11();
    if (!isEqualVector(open.frequencies(), shortStandard.frequencies()))
        shortReflection = interpolateComplexVector(shortStandard.frequencies(), shortReflection, open.frequencies());
    if (shortReflection.size() != open.s11().size()) {
        emit error(tr("Invalid open and short input data"));
        return;
    }

    const std::size_t n = open.s11().size();
    std::vector<std::complex<double>> a(n);
    std::vector<std::complex<double>> b(n);
    for (std::size_t i = 0; i < n; ++i) {
        a[i] = ((open.s11()[i] + shortReflection[i]) + 1e-12) / 2.0;
        b[i] = ((open.s11()[i] - shortReflection[i]) + 1e-12) / 2.0;
    }
    measured.setFrequencies(open.frequencies());
    measured.setS11(a);
    measured.setS12(b);
    measured.setS21(b);
    measured.setS22(a);
}

QString ReflectProcessOpenAndShort::gridProblem(const std::vector<double>& frequencies) const
{
    if (!isBandPassGrid(frequencies))
        return tr("Reflection. Invalid input data");
    return createTransmissionProcess()->gridProblem(frequencies);
}

std::vector<double> ReflectProcessOpenAndShort::frequencies() const
{
    return measured.frequencies();
}

bool ReflectProcessOpenAndShort::process()
{
    if (!port || !measured.isValid() || !port->impedance() || !loadParameters()) {
        emit error(tr("Reflection. Invalid input data"));
        return false;
    }
    const std::unique_ptr<TransmissionProcess> inner = createTransmissionProcess();
    connect(inner.get(), &IProcessMethod::error, this, &IProcessMethod::error);
    inner->setInputParameters(parameters);
    inner->setMeasuredData(measured);
    inner->followCancellation(*this);

    // The mirror half goes into a scratch copy; the real port receives the left half.
    // The real port tells its own refusals; the copy has nobody else to tell them.
    FixturePort mirrorHalf(*port, nullptr);
    connect(&mirrorHalf, &FixturePort::error, this, &IProcessMethod::error);
    return inner->setFixturesForCalculate(port, &mirrorHalf) && inner->run();
}

} // namespace Algorithms
