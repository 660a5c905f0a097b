#include "simulator/physics/TwoPortAlgebra.h"

#include <Eigen/LU>

namespace Simulator::Physics {

ScatteringMatrix chainToScattering(const Eigen::Matrix2cd& abcd, double z0)
{
    const std::complex<double> a = abcd(0, 0);
    const std::complex<double> b = abcd(0, 1) / z0;
    const std::complex<double> c = abcd(1, 0) * z0;
    const std::complex<double> d = abcd(1, 1);
    const std::complex<double> den = a + b + c + d;
    ScatteringMatrix s;
    s(0, 0) = (a + b - c - d) / den;
    s(0, 1) = 2.0 * (abcd(0, 0) * abcd(1, 1) - abcd(0, 1) * abcd(1, 0)) / den;
    s(1, 0) = 2.0 / den;
    s(1, 1) = (-a + b - c + d) / den;
    return s;
}

ScatteringMatrix cascade(const ScatteringMatrix& a, const ScatteringMatrix& b)
{
    // Multiple reflections between the two networks sum to 1 / (1 - a22 b11).
    const std::complex<double> loop = 1.0 / (1.0 - a(1, 1) * b(0, 0));
    ScatteringMatrix s;
    s(0, 0) = a(0, 0) + a(0, 1) * a(1, 0) * b(0, 0) * loop;
    s(0, 1) = a(0, 1) * b(0, 1) * loop;
    s(1, 0) = a(1, 0) * b(1, 0) * loop;
    s(1, 1) = b(1, 1) + b(1, 0) * b(0, 1) * a(1, 1) * loop;
    return s;
}

ScatteringMatrix reversed(const ScatteringMatrix& s)
{
    ScatteringMatrix r;
    r << s(1, 1), s(1, 0), s(0, 1), s(0, 0);
    return r;
}

std::complex<double> terminate(const ScatteringMatrix& s, std::complex<double> gammaLoad)
{
    return s(0, 0) + s(0, 1) * s(1, 0) * gammaLoad / (1.0 - s(1, 1) * gammaLoad);
}

std::complex<double> reflectionOf(std::complex<double> impedance, double z0)
{
    return (impedance - z0) / (impedance + z0);
}

} // namespace Simulator::Physics

namespace Simulator::Physics {

Eigen::Matrix2cd scatteringToTransfer(const ScatteringMatrix& s)
{
    const std::complex<double> det = s.determinant();
    Eigen::Matrix2cd t;
    t << -det / s(1, 0), s(0, 0) / s(1, 0), -s(1, 1) / s(1, 0), 1.0 / s(1, 0);
    return t;
}

ScatteringMatrix transferToScattering(const Eigen::Matrix2cd& t)
{
    ScatteringMatrix s;
    s << t(0, 1) / t(1, 1), t.determinant() / t(1, 1), 1.0 / t(1, 1), -t(1, 0) / t(1, 1);
    return s;
}

ScatteringMatrix deembed(const ScatteringMatrix& total, const ScatteringMatrix& left, const ScatteringMatrix& right)
{
    const Eigen::Matrix2cd inner =
        scatteringToTransfer(left).inverse() * scatteringToTransfer(total) * scatteringToTransfer(right).inverse();
    return transferToScattering(inner);
}

} // namespace Simulator::Physics
