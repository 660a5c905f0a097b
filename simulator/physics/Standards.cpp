#include "simulator/physics/Standards.h"

#include "simulator/physics/ScatteringSets.h"

namespace Simulator::Physics {

Algorithms::SParametersTwoPort twoXThru(const LineCascade& left, const LineCascade& right,
                                        const std::vector<double>& frequencies, double z0)
{
    return sampleTwoPort(frequencies, [&](double f) {
        return cascade(left.scatteringAt(f, z0), reversed(right.scatteringAt(f, z0)));
    });
}

Algorithms::SParametersTwoPort dutInFixture(const LineCascade& left, const LineCascade& dut, const LineCascade& right,
                                            const std::vector<double>& frequencies, double z0)
{
    return sampleTwoPort(frequencies, [&](double f) {
        return cascade(cascade(left.scatteringAt(f, z0), dut.scatteringAt(f, z0)), reversed(right.scatteringAt(f, z0)));
    });
}

Algorithms::SParametersOnePort reflectStandard(const LineCascade& half, std::complex<double> termination,
                                               const std::vector<double>& frequencies, double z0)
{
    return sampleOnePort(frequencies, [&](double f) { return terminate(half.scatteringAt(f, z0), termination); });
}

Algorithms::SParametersOnePort openStandard(const LineCascade& half, const std::vector<double>& frequencies, double z0)
{
    return reflectStandard(half, 1.0, frequencies, z0);
}

Algorithms::SParametersOnePort shortStandard(const LineCascade& half, const std::vector<double>& frequencies, double z0)
{
    return reflectStandard(half, -1.0, frequencies, z0);
}

} // namespace Simulator::Physics
