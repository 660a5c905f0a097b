#pragma once

#include "simulator/physics/LineCascade.h"

namespace Simulator::Physics {

// Realistic, deliberately different fixture halves (launch, impedance steps,
// loss) and a DUT, the simulator's default world.
LineCascade exampleLeftHalf();
LineCascade exampleRightHalf();
LineCascade exampleDut();

} // namespace Simulator::Physics
