#include "engine/transforms/ChirpZTransform.h"
#include "engine/transforms/FourierTransform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace Algorithms;

namespace {

constexpr double pi = 3.14159265358979323846;
using Complex = std::complex<double>;
using LongComplex = std::complex<long double>;

LongComplex longPower(Complex base, long double exponent)
{
    const LongComplex b(base.real(), base.imag());
    return std::polar(std::pow(std::abs(b), exponent), exponent * std::arg(b));
}

// The defining sum, evaluated directly in extended precision (running products over n
// lose far less than the double-precision transform's own rounding).
std::vector<Complex> directSum(Complex a, Complex w, const std::vector<Complex>& x, const std::vector<double>& weights,
                               int shiftMode)
{
    const std::size_t n = x.size();
    const long double h = static_cast<long double>((n - 1) / 2);
    std::vector<Complex> result(n);
    for (std::size_t k = 0; k < n; ++k) {
        const LongComplex step = longPower(a, 1.0L) * longPower(w, static_cast<long double>(k));
        LongComplex power = 1.0L;
        LongComplex sum = 0.0L;
        for (std::size_t m = 0; m < n; ++m) {
            sum += LongComplex(x[m].real(), x[m].imag()) * static_cast<long double>(weights[m]) * power;
            power *= step;
        }
        if (shiftMode == 0)
            sum *= longPower(a, -h) * longPower(w, -h * k);
        result[k] = Complex(static_cast<double>(sum.real()), static_cast<double>(sum.imag()));
    }
    return result;
}

std::vector<Complex> randomSamples(std::size_t n, std::mt19937& generator)
{
    std::normal_distribution<double> normal;
    std::vector<Complex> x(n);
    for (auto& value : x)
        value = {normal(generator), normal(generator)};
    return x;
}

double maxDeviation(const std::vector<Complex>& a, const std::vector<Complex>& b)
{
    double deviation = 0.0;
    for (std::size_t k = 0; k < a.size(); ++k)
        deviation = std::max(deviation, std::abs(a[k] - b[k]));
    return deviation;
}

} // namespace

TEST(ChirpZTransform, MatchesDirectSumForAllLengthKinds)
{
    std::mt19937 generator(7);
    std::uniform_real_distribution<double> uniform(0.2, 1.0);
    for (std::size_t n : {1u, 2u, 3u, 16u, 17u, 1024u, 1025u}) {
        const auto x = randomSamples(n, generator);
        std::vector<double> weights(n);
        for (auto& value : weights)
            value = uniform(generator);
        // A contour on the unit circle off the DFT points, as the time-domain routines use it.
        const Complex a = std::polar(1.0, 0.37);
        const Complex w = std::polar(1.0, 2.0 * pi * 0.731 / static_cast<double>(n));
        for (int shiftMode : {0, 1}) {
            const auto fast = chirpZTransform(a, w, x, weights, shiftMode);
            const auto reference = directSum(a, w, x, weights, shiftMode);
            ASSERT_EQ(fast.size(), n);
            double scale = 0.0;
            for (const auto& value : reference)
                scale = std::max(scale, std::abs(value));
            EXPECT_LT(maxDeviation(fast, reference), 1e-11 * std::max(scale, 1.0))
                << "N = " << n << ", shift mode " << shiftMode;
        }
    }
}

TEST(ChirpZTransform, OffTheUnitCircleContour)
{
    std::mt19937 generator(11);
    const auto x = randomSamples(33, generator);
    const std::vector<double> weights(33, 1.0);
    const Complex a = std::polar(1.02, -0.4);
    const Complex w = std::polar(0.995, 0.05);
    for (int shiftMode : {0, 1})
        EXPECT_LT(maxDeviation(chirpZTransform(a, w, x, weights, shiftMode), directSum(a, w, x, weights, shiftMode)),
                  1e-11);
}

TEST(ChirpZTransform, UnitContourIsTheForwardDft)
{
    const std::size_t n = 12;
    std::mt19937 generator(3);
    const auto x = randomSamples(n, generator);
    const auto result = chirpZTransform(1.0, std::polar(1.0, -2.0 * pi / n), x, std::vector<double>(n, 1.0), 1);
    for (std::size_t k = 0; k < n; ++k) {
        Complex dft = 0.0;
        for (std::size_t m = 0; m < n; ++m)
            dft += x[m] * std::polar(1.0, -2.0 * pi * static_cast<double>(m * k % n) / n);
        EXPECT_LT(std::abs(result[k] - dft), 1e-12);
    }
}

TEST(ChirpZTransform, SingleSampleIsWeightedSample)
{
    const auto result = chirpZTransform(std::polar(1.0, 0.3), std::polar(1.0, 1.1), {{2.0, -1.0}}, {0.5}, 0);
    ASSERT_EQ(result.size(), 1u);
    EXPECT_NEAR(result[0].real(), 1.0, 1e-15);
    EXPECT_NEAR(result[0].imag(), -0.5, 1e-15);
}

// A spectrum in natural order (sample n at frequency index m = n - h) of a pulse delayed by
// tau samples: the shifted transform evaluates the inverse-transform sum at u0 + k * du, so it
// reaches the full sum N at the delay and is small half a period away.
TEST(ChirpZTransform, ShiftedTransformLocatesADelayedPulse)
{
    const std::size_t n = 201;
    const int h = 100;
    const double tau = 37.25;
    std::vector<Complex> x(n);
    for (std::size_t k = 0; k < n; ++k)
        x[k] = std::polar(1.0, -2.0 * pi * (static_cast<double>(k) - h) * tau / n);
    const double u0 = 30.0;
    const double du = 0.25;
    const auto result = chirpZTransform(std::polar(1.0, 2.0 * pi * u0 / n), std::polar(1.0, 2.0 * pi * du / n), x,
                                        std::vector<double>(n, 1.0), 0);
    const std::size_t atDelay = static_cast<std::size_t>((tau - u0) / du);
    EXPECT_NEAR(result[atDelay].real(), static_cast<double>(n), 1e-9);
    EXPECT_NEAR(result[atDelay].imag(), 0.0, 1e-9);
    EXPECT_LT(std::abs(result[atDelay + 40]), 0.05 * n); // ten samples later
}

TEST(ChirpZTransform, RefusesShortWeights)
{
    EXPECT_TRUE(chirpZTransform(1.0, 1.0, {{1.0, 0.0}, {2.0, 0.0}}, {1.0}, 0).empty());
    EXPECT_TRUE(chirpZTransform(1.0, 1.0, {}, {}, 0).empty());
}

// A conjugate-symmetric spectrum in natural order with symmetric weights: the half-spectrum
// evaluation gives the real values of the full sum, on lengths that make the half and the
// whole convolution differ in size.
TEST(ChirpZTransform, SymmetricTransformIsTheRealFullSum)
{
    std::mt19937 generator(5);
    std::uniform_real_distribution<double> uniform(0.2, 1.0);
    for (std::size_t h : {0u, 1u, 8u, 200u, 1000u}) {
        const std::size_t n = 2 * h + 1;
        const auto half = randomSamples(h + 1, generator);
        std::vector<Complex> x(n);
        std::vector<double> weights(n);
        x[h] = half[0].real();
        weights[h] = uniform(generator);
        for (std::size_t m = 1; m <= h; ++m) {
            x[h + m] = half[m];
            x[h - m] = std::conj(half[m]);
            weights[h + m] = weights[h - m] = uniform(generator);
        }
        const Complex a = std::polar(1.0, 2.0 * pi * -0.37 * static_cast<double>(h) / static_cast<double>(n));
        const Complex w = std::polar(1.0, 2.0 * pi * 0.731 / static_cast<double>(n));
        const auto reference = directSum(a, w, x, weights, 0);
        Algorithms::FourierPlans plans;
        const auto values = symmetricChirpZTransform(a, w, x, weights, plans);
        ASSERT_EQ(values.size(), n);
        double scale = 1.0;
        for (const auto& value : reference)
            scale = std::max(scale, std::abs(value));
        // a and w, rounded, lie an ulp off the unit circle, which the full sum's powers of up
        // to N^2 turn into about 1e-11 of the largest value.
        double sum = 0.0;
        double indexWeighted = 0.0;
        for (std::size_t k = 0; k < n; ++k) {
            EXPECT_NEAR(values[k], reference[k].real(), 1e-10 * scale) << "N = " << n << ", k = " << k;
            EXPECT_NEAR(reference[k].imag(), 0.0, 1e-10 * scale);
            sum += reference[k].real();
            indexWeighted += static_cast<double>(k) * reference[k].real();
        }
        // The sums over the values, in closed form.
        const auto sums = symmetricChirpZSums(a, w, x, weights);
        EXPECT_NEAR(sums.values, sum, 1e-10 * scale * n) << "N = " << n;
        EXPECT_NEAR(sums.indexWeighted, indexWeighted, 1e-10 * scale * n * n) << "N = " << n;
    }
    Algorithms::FourierPlans plans;
    EXPECT_TRUE(symmetricChirpZTransform(1.0, 1.0, {{1.0, 0.0}, {2.0, 0.0}}, {1.0, 1.0}, plans).empty());
    EXPECT_TRUE(std::isnan(symmetricChirpZSums(1.0, 1.0, {{1.0, 0.0}, {2.0, 0.0}}, {1.0, 1.0}).values));
}
