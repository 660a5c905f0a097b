#pragma once

#include "simulator/physics/FrequencyGrid.h"
#include "simulator/physics/LineCascade.h"
#include "simulator/physics/Standards.h"
#include "simulator/physics/TwoPortAlgebra.h"

#include <cmath>
#include <complex>
#include <vector>

namespace TimeDomainFixtures {

constexpr double pi = 3.14159265358979323846;
using Complex = std::complex<double>;

// 10 ... 20 GHz harmonic (50 MHz steps) and 1 ... 20 GHz band-pass grids.
inline std::vector<double> lowPass() { return Simulator::Physics::lowPassGrid(50e6, 400); }
inline std::vector<double> bandPass() { return Simulator::Physics::bandPassGrid(1e9, 20e9, 381); }

inline std::vector<Complex> delayedReflection(const std::vector<double>& f, double gamma, double tau)
{
    std::vector<Complex> s(f.size());
    for (std::size_t k = 0; k < f.size(); ++k)
        s[k] = std::polar(gamma, -2.0 * pi * f[k] * tau);
    return s;
}

inline std::vector<Complex> sum(std::vector<Complex> a, const std::vector<Complex>& b)
{
    for (std::size_t k = 0; k < a.size(); ++k)
        a[k] += b[k];
    return a;
}

// A 50 ohm line of 0.3 ns into a 40 ohm line of 0.5 ns, ended in 40 ohm: seen from the
// 50 ohm side, the only reflection is the impedance step's -1/9 after 0.6 ns.
inline std::vector<Complex> impedanceStep(const std::vector<double>& f, double lossDbPerGHz = 0.0)
{
    using namespace Simulator::Physics;
    const LineCascade line({{50.0, 0.3e-9, lossDbPerGHz}, {40.0, 0.5e-9, lossDbPerGHz}});
    return reflectStandard(line, reflectionOf(40.0, 50.0), f).s11();
}

} // namespace TimeDomainFixtures
