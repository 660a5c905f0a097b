#include "engine/impedance/ImpedanceConversion.h"

#include "tests/engine/impedance/ClosedFormTwoPorts.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

using namespace Algorithms;
using namespace ClosedFormTwoPorts;

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

// A lossy, mismatched and deliberately non-reciprocal two-port: a 40-ohm line, a
// series resistor and a 63-ohm line, with a transmission made one-way by scaling B
// and D (so AD - BC != 1).
Abcd nonReciprocalNetwork(double f)
{
    Abcd m = line(40.0, 120e-12, f, 0.3) * seriesImpedance({8.0, 3.0}) * line(63.0, 75e-12, f, 0.3);
    m.col(1) *= Complex(0.7, 0.2);
    return m;
}

std::vector<double> frequencies()
{
    return {10e6, 500e6, 1.3e9, 4.7e9, 11e9, 19.9e9};
}

bool isZero(const ComplexMatrix2x2& m)
{
    return m.cwiseAbs().maxCoeff() == 0.0;
}

} // namespace

TEST(ImpedanceConversion, BothFormulationsGiveTheScatteringMatrixOfTheNewReferences)
{
    const std::vector<std::pair<std::vector<double>, std::vector<double>>> references = {
        {{50.0, 50.0}, {40.0, 40.0}}, {{50.0, 75.0}, {30.0, 100.0}}, {{25.0, 50.0}, {50.0, 25.0}}};
    for (const auto& [from, to] : references) {
        for (double f : frequencies()) {
            const Abcd network = nonReciprocalNetwork(f);
            const ComplexMatrix2x2 measured = scattering(network, from[0], from[1]);
            const ComplexMatrix2x2 expected = scattering(network, to[0], to[1]);
            const auto [viaTransfer, viaReflections] = convertImpedance2x2(measured, from, to);
            EXPECT_LT(maxDifference(viaTransfer, expected), 1e-12) << "f = " << f;
            EXPECT_LT(maxDifference(viaReflections, expected), 1e-12) << "f = " << f;
            EXPECT_LT(maxDifference(convertImpedanceByReflections(measured, from, to), viaReflections), 1e-15);
        }
    }
}

TEST(ImpedanceConversion, ThereAndBackReturnsTheOriginal)
{
    const std::vector<double> a = {50.0, 75.0}, b = {42.5, 18.0};
    for (double f : frequencies()) {
        const ComplexMatrix2x2 s = scattering(nonReciprocalNetwork(f), a[0], a[1]);
        const auto there = convertImpedance2x2(s, a, b);
        EXPECT_LT(maxDifference(convertImpedance2x2(there.first, b, a).first, s), 1e-13);
        EXPECT_LT(maxDifference(convertImpedance2x2(there.second, b, a).second, s), 1e-13);
    }
}

TEST(ImpedanceConversion, ALineReferredToItsOwnImpedanceIsMatched)
{
    const double tau = 230e-12;
    for (double f : frequencies()) {
        const Abcd fortyOhmLine = line(40.0, tau, f, 0.5);
        const ComplexMatrix2x2 at50 = scattering(fortyOhmLine, 50.0, 50.0);
        ASSERT_GT(std::abs(at50(0, 0)), 1e-3) << "the line must be mismatched to 50 ohms at f = " << f;

        const auto [viaTransfer, viaReflections] = convertImpedance2x2(at50, {50.0, 50.0}, {40.0, 40.0});
        // The transmission of a matched line is its propagation factor e^(-gamma l):
        // magnitude below 1 from the loss, phase -2 pi f tau.
        const Complex propagation = scattering(fortyOhmLine, 40.0, 40.0)(1, 0);
        EXPECT_LT(std::abs(propagation), 1.0);
        EXPECT_NEAR(std::remainder(std::arg(propagation) + 2.0 * pi * f * tau, 2.0 * pi), 0.0, 1e-9);
        for (const ComplexMatrix2x2& m : {viaTransfer, viaReflections}) {
            EXPECT_LT(std::abs(m(0, 0)), 1e-13);
            EXPECT_LT(std::abs(m(1, 1)), 1e-13);
            EXPECT_LT(std::abs(m(1, 0) - propagation), 1e-12);
            EXPECT_LT(std::abs(m(0, 1) - propagation), 1e-12);
        }
    }
}

TEST(ImpedanceConversion, EqualReferencesLeaveTheMatrixAsItIs)
{
    const ComplexMatrix2x2 s = scattering(nonReciprocalNetwork(2e9), 50.0, 50.0);
    const auto [first, second] = convertImpedance2x2(s, {50.0, 50.0}, {50.0, 50.0});
    EXPECT_LT(maxDifference(first, s), 1e-15);
    EXPECT_LT(maxDifference(second, s), 1e-15);
}

TEST(ImpedanceConversion, ImpedancesThatAreNoResistanceGiveTheZeroPair)
{
    const ComplexMatrix2x2 s = scattering(nonReciprocalNetwork(2e9), 50.0, 50.0);
    const std::vector<std::vector<double>> bad = {
        {0.0, 50.0},   {50.0, 0.0},  {-50.0, 50.0}, {50.0, -40.0}, {-50.0, -50.0},
        {notANumber, 50.0}, {50.0, inf}, {50.0}};
    for (const auto& z : bad) {
        const auto forward = convertImpedance2x2(s, {50.0, 50.0}, z);
        EXPECT_TRUE(isZero(forward.first) && isZero(forward.second));
        const auto backward = convertImpedance2x2(s, z, {50.0, 50.0});
        EXPECT_TRUE(isZero(backward.first) && isZero(backward.second));
        EXPECT_TRUE(isZero(convertImpedanceByReflections(s, {50.0, 50.0}, z)));
        EXPECT_TRUE(isZero(convertImpedanceByReflections(s, z, {50.0, 50.0})));
    }
}

TEST(ImpedanceConversion, NonFiniteDataGivesTheZeroPair)
{
    ComplexMatrix2x2 s = scattering(nonReciprocalNetwork(2e9), 50.0, 50.0);
    s(1, 0) = Complex(notANumber, 0.0);
    const auto result = convertImpedance2x2(s, {50.0, 50.0}, {40.0, 40.0});
    EXPECT_TRUE(isZero(result.first) && isZero(result.second));
}

TEST(ImpedanceConversion, AnIsolatorHasNoTransferMatrixButConvertsThroughReflections)
{
    // AD - BC = 0: no transmission from port 2 to port 1.
    Abcd isolator;
    isolator << Complex(0.6, 0.1), Complex(12.0, 4.0), Complex(0.01, 0.0), 0.0;
    isolator(1, 1) = isolator(0, 1) * isolator(1, 0) / isolator(0, 0);
    ComplexMatrix2x2 s = scattering(isolator, 50.0, 50.0);
    ASSERT_LT(std::abs(s(0, 1)), 1e-15);
    s(0, 1) = 0.0;

    const auto [viaTransfer, viaReflections] = convertImpedance2x2(s, {50.0, 50.0}, {30.0, 60.0});
    EXPECT_FALSE(std::isfinite(std::abs(viaTransfer(0, 1))) && std::isfinite(std::abs(viaTransfer(1, 0))));
    EXPECT_LT(maxDifference(viaReflections, scattering(isolator, 30.0, 60.0)), 1e-13);
}
