#include "simulator/physics/ExampleFixtures.h"

namespace Simulator::Physics {

LineCascade exampleLeftHalf()
{
    return LineCascade({{50.0, 40e-12, 0.05}, {43.0, 60e-12, 0.08}, {56.0, 90e-12, 0.1}, {48.0, 300e-12, 0.3}});
}

LineCascade exampleRightHalf()
{
    return LineCascade({{50.0, 30e-12, 0.05}, {58.0, 70e-12, 0.08}, {45.0, 80e-12, 0.1}, {51.0, 260e-12, 0.25}});
}

LineCascade exampleDut()
{
    return LineCascade({{50.0, 50e-12, 0.02}, {30.0, 40e-12, 0.05}, {70.0, 40e-12, 0.05}, {50.0, 50e-12, 0.02}});
}

} // namespace Simulator::Physics
