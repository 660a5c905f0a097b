#include "engine/transforms/AnyLengthTransform.h"
#include "engine/transforms/FourierTransform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace Algorithms;

namespace {

using Complex = std::complex<double>;

// The defining sum in extended precision, with the exponent nk reduced modulo M exactly.
std::vector<Complex> directTransform(const std::vector<Complex>& x, FourierDirection direction)
{
    const std::size_t m = x.size();
    const long double sign = direction == FourierDirection::Forward ? -1.0L : 1.0L;
    const long double pi = 3.141592653589793238462643383279502884L;
    std::vector<std::complex<long double>> twiddles(m);
    for (std::size_t r = 0; r < m; ++r)
        twiddles[r] = std::polar(1.0L, sign * 2.0L * pi * static_cast<long double>(r) / static_cast<long double>(m));
    std::vector<Complex> result(m);
    for (std::size_t k = 0; k < m; ++k) {
        std::complex<long double> sum = 0.0L;
        for (std::size_t n = 0; n < m; ++n)
            sum += std::complex<long double>(x[n].real(), x[n].imag()) * twiddles[(n * k) % m];
        result[k] = Complex(static_cast<double>(sum.real()), static_cast<double>(sum.imag()));
    }
    return result;
}

} // namespace

// Lengths FFTW takes directly and lengths with a large prime factor (Bluestein's method):
// both give the transform of their own length to rounding, in both directions, and a
// length used again (its kernel kept) gives the same result again.
TEST(AnyLengthTransform, EqualsTheDefiningSumForEveryLength)
{
    std::mt19937 generator(7);
    std::normal_distribution<double> normal;
    for (std::size_t m : {1u, 2u, 7u, 1001u, 241u, 482u, 1601u, 2003u}) {
        std::vector<Complex> x(m);
        double scale = 0.0;
        for (auto& value : x) {
            value = {normal(generator), normal(generator)};
            scale += std::abs(value);
        }
        for (auto direction : {FourierDirection::Backward, FourierDirection::Forward}) {
            const auto expected = directTransform(x, direction);
            for (int pass = 0; pass < 2; ++pass) {
                FourierPlans plans;
                FourierBuffer buffer(m);
                std::copy(x.begin(), x.end(), buffer.data());
                transformAnyLength(buffer, direction, plans);
                double deviation = 0.0;
                for (std::size_t k = 0; k < m; ++k)
                    deviation = std::max(deviation, std::abs(buffer[k] - expected[k]));
                EXPECT_LT(deviation, 1e-14 * scale) << "length " << m << " pass " << pass;
            }
        }
    }
}

TEST(AnyLengthTransform, FactorsAndSmoothLengths)
{
    EXPECT_EQ(largestPrimeFactor(1), 1u);
    EXPECT_EQ(largestPrimeFactor(64), 2u);
    EXPECT_EQ(largestPrimeFactor(1001), 13u);
    EXPECT_EQ(largestPrimeFactor(20003), 241u);
    EXPECT_EQ(largestPrimeFactor(2003), 2003u);
    EXPECT_EQ(smoothLengthAtLeast(1), 1u);
    EXPECT_EQ(smoothLengthAtLeast(40005), 40320u);
    EXPECT_EQ(smoothLengthAtLeast(4001), 4032u);
    EXPECT_EQ(smoothLengthAtLeast(1025), 1029u);
}
