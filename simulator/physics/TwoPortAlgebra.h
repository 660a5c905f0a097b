#pragma once

#include <Eigen/Core>

#include <complex>

namespace Simulator::Physics {

// One frequency point of a two-port scattering matrix, row-major
// (s(0,1) is S12: received at port 1, driven at port 2).
using ScatteringMatrix = Eigen::Matrix2cd;

// Chain matrix to scattering matrix, both ports referred to the real impedance z0.
ScatteringMatrix chainToScattering(const Eigen::Matrix2cd& abcd, double z0);

// Port 2 of a feeds port 1 of b.
ScatteringMatrix cascade(const ScatteringMatrix& a, const ScatteringMatrix& b);

// The network turned end for end (port 1 and port 2 exchanged).
ScatteringMatrix reversed(const ScatteringMatrix& s);

// Reflection seen at port 1 when port 2 is terminated by a load of reflection gammaLoad.
std::complex<double> terminate(const ScatteringMatrix& s, std::complex<double> gammaLoad);

// Reflection coefficient of an impedance against the real reference z0.
std::complex<double> reflectionOf(std::complex<double> impedance, double z0);

} // namespace Simulator::Physics

namespace Simulator::Physics {

// Transfer matrix [b1; a1] = T [a2; b2], so that a cascade multiplies: T(a then b) = T(a) T(b).
Eigen::Matrix2cd scatteringToTransfer(const ScatteringMatrix& s);
ScatteringMatrix transferToScattering(const Eigen::Matrix2cd& t);

// The network between two known fixture halves: total = left, inner, right in cascade.
ScatteringMatrix deembed(const ScatteringMatrix& total, const ScatteringMatrix& left, const ScatteringMatrix& right);

} // namespace Simulator::Physics
