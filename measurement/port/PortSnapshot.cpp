#include "measurement/port/PortSnapshot.h"

#include "engine/port/FixturePortValues.h"
#include "engine/transforms/FrequencyGrid.h"

PortScalars readScalars(const Algorithms::FixturePort& port)
{
    PortScalars scalars;
    const auto& set = port.sParameters();
    scalars.isMeasured = port.isCalculated();
    scalars.isLowPass = set && Algorithms::isBandPassGrid(set->frequencies()) == false;
    if (set) {
        scalars.kind = port.currentSParametersKind().value_or(0);
        scalars.length = port.fixtureLength();
    }
    scalars.lengthWithoutOffset = port.defaultLength();
    if (port.impulseResponse())
        scalars.impRespLength = port.impulseResponse()->delay;
    scalars.impedance = Algorithms::fixtureImpedanceValue(port);
    scalars.impedanceReferenceLength = Algorithms::validStepResponseValue(port);
    if (port.conversionType() != Algorithms::Z0ConversionType::None)
        scalars.z0Transform = port.z0();
    scalars.gatingValue = Algorithms::fixtureGatingValue(port);
    return scalars;
}
