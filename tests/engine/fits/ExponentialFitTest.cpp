#include "engine/fits/ExponentialFit.h"

#include <Eigen/Dense>
#include <gtest/gtest.h>

#include <cmath>
#include <thread>

using namespace Algorithms;

namespace {

constexpr double pi = 3.14159265358979323846;
using Complex = std::complex<double>;
using Components = std::vector<std::vector<Complex>>;

std::vector<double> evenGrid(double start, double step, std::size_t count)
{
    std::vector<double> f(count);
    for (std::size_t k = 0; k < count; ++k)
        f[k] = start + step * static_cast<double>(k);
    return f;
}

// Smooth envelopes: complex cubic polynomials of frequency (in GHz), which any cubic
// B-spline basis over the band holds exactly.
std::vector<Complex> envelope(const std::vector<double>& f, Complex c0, Complex c1, Complex c2, Complex c3)
{
    std::vector<Complex> values(f.size());
    for (std::size_t i = 0; i < f.size(); ++i) {
        const double x = f[i] / 1e9;
        values[i] = c0 + x * (c1 + x * (c2 + x * c3));
    }
    return values;
}

std::vector<Complex> delayedSum(const std::vector<double>& f, const Components& envelopes, const std::vector<double>& tau)
{
    std::vector<Complex> y(f.size(), 0.0);
    for (std::size_t j = 0; j < tau.size(); ++j)
        for (std::size_t i = 0; i < f.size(); ++i)
            y[i] += envelopes[j][i] * std::polar(1.0, -2.0 * pi * f[i] * tau[j]);
    return y;
}

double maxError(const std::vector<Complex>& a, const std::vector<Complex>& b)
{
    double error = 0.0;
    for (std::size_t i = 0; i < a.size(); ++i)
        error = std::max(error, std::abs(a[i] - b[i]));
    return error;
}

struct FitCase
{
    std::vector<double> f;
    std::vector<double> tau;
    Components envelopes;
    std::vector<Complex> y;
};

FitCase reflectionsAtThreeDelays()
{
    FitCase c;
    c.f = evenGrid(10e6, 10e6, 2000); // 10 MHz ... 20 GHz
    c.tau = {0.0, 0.4e-9, 0.8e-9};
    c.envelopes = {envelope(c.f, {0.1, 0.02}, {-0.01, 0.0}, {0.0005, 0.0}, {0.0, -1e-5}),
                   envelope(c.f, {0.8, -0.1}, {-0.02, 0.01}, {0.0, 0.0003}, {1e-5, 0.0}),
                   envelope(c.f, {-0.3, 0.2}, {0.01, 0.0}, {-0.0004, 0.0001}, {0.0, 0.0})};
    c.y = delayedSum(c.f, c.envelopes, c.tau);
    return c;
}

} // namespace

TEST(ExponentialFit, SeparatesDelayedSmoothComponentsExactly)
{
    const FitCase c = reflectionsAtThreeDelays();
    const auto fit = fitExponentials(c.f, c.y, c.tau);
    ASSERT_TRUE(fit.has_value());
    ASSERT_EQ(fit->size(), 3u);
    for (std::size_t j = 0; j < 3; ++j) {
        ASSERT_EQ((*fit)[j].size(), c.f.size());
        EXPECT_LT(maxError((*fit)[j], c.envelopes[j]), 1e-9) << "component " << j;
    }
}

// The two-sided spectrum of a low-pass grid, as the filtering method fits it.
TEST(ExponentialFit, SeparatesComponentsOnTwoSidedSpectrum)
{
    const std::size_t n = 500;
    std::vector<double> f(2 * n + 1);
    for (std::size_t k = 0; k < f.size(); ++k)
        f[k] = (static_cast<double>(k) - static_cast<double>(n)) * 20e6;
    const std::vector<double> tau{0.0, 1.1e-9};
    const Components envelopes{envelope(f, {0.2, 0.0}, {0.0, -0.01}, {-0.001, 0.0}, {0.0, 0.0}),
                               envelope(f, {-0.5, 0.0}, {0.0, 0.03}, {0.002, 0.0}, {0.0, -0.0001})};
    const auto fit = fitExponentials(f, delayedSum(f, envelopes, tau), tau);
    ASSERT_TRUE(fit.has_value());
    EXPECT_LT(maxError((*fit)[0], envelopes[0]), 1e-9);
    EXPECT_LT(maxError((*fit)[1], envelopes[1]), 1e-9);
}

TEST(ExponentialFit, FixedNodeCountIsAnnouncedAndUsed)
{
    const FitCase c = reflectionsAtThreeDelays();
    testing::internal::CaptureStdout();
    const auto fixed = fitExponentials(c.f, c.y, c.tau, 0, 1, 7);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "FIXED VALUE of NumExp = 7\n");
    ASSERT_TRUE(fixed.has_value());
    EXPECT_LT(maxError((*fixed)[1], c.envelopes[1]), 1e-9);

    testing::internal::CaptureStdout();
    const auto unrefined = fitExponentials(c.f, c.y, c.tau, 0, 1, 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Refinement of NumExp is not used\n");
    ASSERT_TRUE(unrefined.has_value());
    EXPECT_LT(maxError((*unrefined)[2], c.envelopes[2]), 1e-9);
}

// Envelopes made of the sinc model's own basis (ten nodes over the band) come back exactly.
TEST(ExponentialFit, SincModelSeparatesItsOwnEnvelopes)
{
    FitCase c = reflectionsAtThreeDelays();
    const Eigen::MatrixXd basis(buildFitModel(c.f, 10, 1));
    for (std::size_t j = 0; j < 3; ++j) {
        Eigen::VectorXcd coefficients(10);
        for (Eigen::Index k = 0; k < 10; ++k)
            coefficients[k] = Complex(std::cos(0.7 * k + j), 0.5 * std::sin(1.3 * k - j));
        const Eigen::VectorXcd values = basis.cast<Complex>() * coefficients;
        c.envelopes[j].assign(values.data(), values.data() + values.size());
    }
    c.y = delayedSum(c.f, c.envelopes, c.tau);
    testing::internal::CaptureStdout();
    const auto fit = fitExponentials(c.f, c.y, c.tau, 1, 1, 10);
    testing::internal::GetCapturedStdout();
    ASSERT_TRUE(fit.has_value());
    for (std::size_t j = 0; j < 3; ++j)
        EXPECT_LT(maxError((*fit)[j], c.envelopes[j]), 1e-9) << "component " << j;
}

TEST(ExponentialFit, RefusesUnresolvableDelaysAndSingularSystems)
{
    const FitCase c = reflectionsAtThreeDelays();
    // Closer than 3 / band (150 ps on a 20 GHz band).
    EXPECT_FALSE(fitExponentials(c.f, c.y, {0.0, 0.1e-9, 0.2e-9}).has_value());
    // Further apart than the grid's time range (100 ns) shared among the components.
    EXPECT_FALSE(fitExponentials(c.f, c.y, {0.0, 40e-9, 80e-9}).has_value());
    // More basis functions than points: no fit, rather than finite noise.
    const auto small = evenGrid(1e9, 1e9, 12);
    const std::vector<double> tau{0.0, 0.3e-9};
    testing::internal::CaptureStdout();
    EXPECT_FALSE(fitExponentials(small, delayedSum(small, {std::vector<Complex>(12, 1.0), std::vector<Complex>(12, 1.0)}, tau),
                                 tau, 0, 1, 7)
                     .has_value());
    testing::internal::GetCapturedStdout();
    EXPECT_FALSE(fitExponentials(c.f, c.y, {0.0}).has_value());
    EXPECT_FALSE(fitExponentials(c.f, std::vector<Complex>(10), c.tau).has_value());
}

TEST(ExponentialFit, NodeCountSearch)
{
    // D(n) = 50 - (n - 7)^2 sampled at 4, 5 and 10: the parabola's vertex is n = 7.
    std::vector<double> table(10, 0.0);
    for (int n : {4, 5, 10})
        table[static_cast<std::size_t>(n - 1)] = 50.0 - (n - 7.0) * (n - 7.0);
    EXPECT_EQ(numExpSearchStep(table), 7.0);
    EXPECT_TRUE(std::isnan(numExpSearchStep(std::vector<double>{0.0, 0.0, 0.0, 3.0, 4.0})));

    // The refined count is a local maximum of the determinant, or the first estimate.
    const FitCase c = reflectionsAtThreeDelays();
    const auto delays = buildDelayTable(c.f, c.tau);
    const int first = 9;
    const int refined = refineNumExp(first, c.f, delays, 0);
    EXPECT_GE(refined, 4);
    if (refined != first) {
        const double here = logDetEstimate(refined, c.f, delays, 0);
        EXPECT_GE(here, logDetEstimate(refined - 1, c.f, delays, 0));
        EXPECT_GE(here, logDetEstimate(refined + 1, c.f, delays, 0));
    }
}

// Nothing of one fit may leak into another running at the same time.
TEST(ExponentialFit, ConcurrentFitsOnTwoThreads)
{
    const FitCase first = reflectionsAtThreeDelays();
    FitCase second;
    second.f = evenGrid(1e9, 5e6, 1500);
    second.tau = {0.2e-9, 1.5e-9};
    second.envelopes = {envelope(second.f, {0.3, 0.1}, {0.0, 0.01}, {0.0, 0.0}, {0.0, 0.0}),
                        envelope(second.f, {-0.2, 0.4}, {0.02, 0.0}, {0.0, -0.001}, {0.0, 0.0})};
    second.y = delayedSum(second.f, second.envelopes, second.tau);

    testing::internal::CaptureStdout();
    const auto expectedFirst = fitExponentials(first.f, first.y, first.tau);
    const auto expectedSecond = fitExponentials(second.f, second.y, second.tau);
    ASSERT_TRUE(expectedFirst && expectedSecond);
    bool firstSame = true;
    bool secondSame = true;
    std::thread one([&] {
        for (int run = 0; run < 6; ++run)
            firstSame = firstSame && fitExponentials(first.f, first.y, first.tau) == expectedFirst;
    });
    std::thread two([&] {
        for (int run = 0; run < 6; ++run)
            secondSame = secondSame && fitExponentials(second.f, second.y, second.tau) == expectedSecond;
    });
    one.join();
    two.join();
    testing::internal::GetCapturedStdout();
    EXPECT_TRUE(firstSame);
    EXPECT_TRUE(secondSame);
    EXPECT_LT(maxError((*expectedSecond)[1], second.envelopes[1]), 1e-9);
}
