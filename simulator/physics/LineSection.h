#pragma once

#include <Eigen/Core>

#include <complex>

namespace Simulator::Physics {

// A uniform transmission line: characteristic impedance, one-way delay and a
// conductor/dielectric loss that grows linearly with frequency, so the line is
// transparent and smooth at 0 Hz.
struct LineSection
{
    double impedance = 50.0;   // ohm
    double delay = 100e-12;    // s, one way
    double lossDbPerGHz = 0.0; // dB of attenuation per GHz over the whole section

    // Chain (ABCD) matrix of the section at a frequency in Hz.
    Eigen::Matrix2cd chainMatrix(double frequency) const;
    // Complex propagation term gamma * length at a frequency.
    std::complex<double> propagation(double frequency) const;
};

} // namespace Simulator::Physics
