#include "engine/port/FixturePortValues.h"

namespace Algorithms {

std::optional<double> fixtureGatingValue(const FixturePort& port)
{
    if (!port.gating())
        return std::nullopt;
    return port.gating()->value;
}

std::optional<double> fixtureImpedanceValue(const FixturePort& port)
{
    if (port.conversionType() == Z0ConversionType::None || !port.stepResponse())
        return std::nullopt;
    return port.stepResponse()->impedance;
}

std::optional<double> validStepResponseValue(const FixturePort& port)
{
    if (port.conversionType() == Z0ConversionType::None || !port.stepResponse() || !port.stepResponse()->isValid())
        return std::nullopt;
    return port.stepResponse()->position;
}

} // namespace Algorithms
