#include "engine/processes/stages/BaseSetSelection.h"

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

} // namespace Algorithms
