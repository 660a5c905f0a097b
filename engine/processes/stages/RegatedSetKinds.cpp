#include "engine/processes/stages/RegatedSetKinds.h"

#include "engine/port/FixturePort.h"

namespace Algorithms {

bool returnToBaseSet(FixturePort& port)
{
    switch (*port.currentSParametersKind()) {
    case FixturePort::ConvertedKind:
    case FixturePort::DutBandPassKind:
    case FixturePort::DutLowPassKind:
        return port.selectDefaultSParameters();
    case FixturePort::OffsetConvertedKind:
    case FixturePort::DutBandPassOffsetKind:
    case FixturePort::DutLowPassOffsetKind:
        return port.selectOffsetSParameters();
    default:
        return true;
    }
}

void markRegatedSet(FixturePort& port, bool lowPass)
{
    const int kind = *port.currentSParametersKind();
    if (kind == FixturePort::DefaultKind)
        port.setCurrentSParametersKind(lowPass ? FixturePort::DutLowPassKind : FixturePort::DutBandPassKind);
    else if (kind == FixturePort::OffsetKind)
        port.setCurrentSParametersKind(lowPass ? FixturePort::DutLowPassOffsetKind
                                               : FixturePort::DutBandPassOffsetKind);
}

} // namespace Algorithms
