#pragma once

#include <array>
#include <complex>
#include <cstddef>

namespace Algorithms {

// a * b without the NaN and infinity recovery of the standard operator, which keeps the
// operator out of vectorised loops; inputs here are finite or already lost.
inline std::complex<double> plainProduct(std::complex<double> a, std::complex<double> b)
{
    return {a.real() * b.real() - a.imag() * b.imag(), a.real() * b.imag() + a.imag() * b.real()};
}

// z / (j c) for a real c: the division by a pure imaginary number, without the general
// complex division's scaling.
inline std::complex<double> divideByImaginary(std::complex<double> z, double c)
{
    return {z.imag() / c, -z.real() / c};
}

// base^x as exp(x * log(base)), the principal branch, for a real exponent x.
std::complex<double> complexPower(std::complex<double> base, double exponent);

// out[k] = base^((first + k) * exponentStep) for k = 0 ... count-1. Each value is one exact
// power times one power from a short table, so the error stays at a few ulps for any count
// instead of growing like a running product. Blocks starting at multiples of 32 give the
// values of one call over the whole range.
void fillPowers(std::complex<double> base, double exponentStep, std::complex<double>* out, std::size_t count,
                std::size_t first = 0);

// The powers of fillPowers for callers that fill one series block by block: the short
// table is formed once.
class PowerSeries
{
public:
    PowerSeries(std::complex<double> base, double exponentStep);
    // out[k] = base^((first + k) * exponentStep), k = 0 ... count-1, as fillPowers.
    void fill(std::complex<double>* out, std::size_t count, std::size_t first = 0) const;

private:
    static constexpr std::size_t tableLength = 32;
    std::complex<double> m_logBase;
    double m_exponentStep;
    std::array<std::complex<double>, tableLength> m_table;
};

} // namespace Algorithms
