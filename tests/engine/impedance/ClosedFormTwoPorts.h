#pragma once

#include "engine/impedance/Matrix2x2.h"
#include "simulator/physics/LineSection.h"

#include <cmath>
#include <complex>

// Closed-form two-ports for checking the engine against circuit theory: lines and
// lumped elements in ABCD form, and their scattering matrices referred to any real
// port impedances (one for each port).
namespace ClosedFormTwoPorts {

using Complex = std::complex<double>;
using Abcd = Algorithms::ComplexMatrix2x2;

inline constexpr double pi = 3.14159265358979323846;

// A line of characteristic impedance zc (ohms) and delay tau (s) at frequency f (Hz),
// with lossDbPerGHz of attenuation per GHz.
inline Abcd line(double zc, double tau, double f, double lossDbPerGHz = 0.0)
{
    return Simulator::Physics::LineSection{zc, tau, lossDbPerGHz}.chainMatrix(f);
}

inline Abcd seriesImpedance(Complex z)
{
    Abcd m;
    m << 1.0, z, 0.0, 1.0;
    return m;
}

inline Abcd shuntAdmittance(Complex y)
{
    Abcd m;
    m << 1.0, 0.0, y, 1.0;
    return m;
}

// Scattering matrix of an ABCD two-port with real reference impedances z1 and z2
// at ports 1 and 2 (power waves).
inline Algorithms::ComplexMatrix2x2 scattering(const Abcd& m, double z1, double z2)
{
    const Complex a = m(0, 0), b = m(0, 1), c = m(1, 0), d = m(1, 1);
    const Complex den = a * z2 + b + c * z1 * z2 + d * z1;
    const double root = std::sqrt(z1 * z2);
    Algorithms::ComplexMatrix2x2 s;
    s(0, 0) = (a * z2 + b - c * z1 * z2 - d * z1) / den;
    s(0, 1) = 2.0 * (a * d - b * c) * root / den;
    s(1, 0) = 2.0 * root / den;
    s(1, 1) = (-a * z2 + b - c * z1 * z2 + d * z1) / den;
    return s;
}

inline double maxDifference(const Algorithms::ComplexMatrix2x2& x, const Algorithms::ComplexMatrix2x2& y)
{
    return (x - y).cwiseAbs().maxCoeff();
}

} // namespace ClosedFormTwoPorts
