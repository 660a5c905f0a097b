#pragma once

#include "simulator/physics/LineCascade.h"
#include "simulator/world/World.h"

namespace Simulator {

// Two fixture halves between the analyzer's ports, connected as a standard or
// around a DUT. Analyzer ports 1 and 2 see the left and the right half; further
// pairs of ports (3 and 4, ...) see another copy of the same arrangement, an
// unpaired last port the left half alone.
class FixtureWorld : public World
{
public:
    enum class Arrangement
    {
        Thru,  // the halves joined directly (2x-thru)
        Open,  // each half open at its DUT side
        Short, // each half shorted at its DUT side
        Dut    // the DUT mounted between the halves
    };

    FixtureWorld(Arrangement arrangement, Physics::LineCascade left, Physics::LineCascade right,
                 Physics::LineCascade dut);

    QString name() const override;
    std::vector<Eigen::MatrixXcd> sParameters(const std::vector<double>& frequencies, int ports) const override;

private:
    Arrangement m_arrangement;
    Physics::LineCascade m_left;
    Physics::LineCascade m_right;
    Physics::LineCascade m_dut;
};

} // namespace Simulator
