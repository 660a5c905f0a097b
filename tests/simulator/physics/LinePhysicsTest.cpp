#include "simulator/physics/ExampleFixtures.h"
#include "simulator/physics/FrequencyGrid.h"
#include "simulator/physics/ScatteringSets.h"
#include "simulator/physics/Standards.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Simulator::Physics;
using C = std::complex<double>;

namespace {

void expectNear(C actual, C expected, double tolerance)
{
    EXPECT_NEAR(actual.real(), expected.real(), tolerance);
    EXPECT_NEAR(actual.imag(), expected.imag(), tolerance);
}

} // namespace

TEST(LinePhysics, MatchedLosslessLineIsAPureDelay)
{
    const LineCascade line({{50.0, 123e-12, 0.0}});
    for (double f : {0.0, 1e9, 7.3e9}) {
        const auto s = line.scatteringAt(f);
        expectNear(s(0, 0), 0.0, 1e-14);
        expectNear(s(1, 0), std::polar(1.0, -2 * M_PI * f * 123e-12), 1e-12);
        expectNear(s(0, 1), s(1, 0), 1e-14);
    }
}

TEST(LinePhysics, LossIsInDecibelsPerGigahertz)
{
    const LineCascade line({{50.0, 100e-12, 0.5}});
    EXPECT_NEAR(20 * std::log10(std::abs(line.scatteringAt(4e9)(1, 0))), -2.0, 1e-9);
}

TEST(LinePhysics, QuarterWaveTransformerMatchesItsLoad)
{
    // A 70.7 ohm quarter-wave line turns a 100 ohm load into 50 ohm at 1 GHz.
    const double f = 1e9;
    const LineCascade transformer({{std::sqrt(50.0 * 100.0), 1.0 / (4 * f), 0.0}});
    const C load = reflectionOf(100.0, 50.0);
    EXPECT_NEAR(std::abs(terminate(transformer.scatteringAt(f), load)), 0.0, 1e-12);
    EXPECT_GT(std::abs(terminate(transformer.scatteringAt(2 * f), load)), 0.3);
}

TEST(LinePhysics, SteppedLinesAreTransparentAtZeroHertzAndPassive)
{
    const auto half = exampleLeftHalf();
    const auto dc = half.scatteringAt(0.0);
    expectNear(dc(0, 0), 0.0, 1e-14);
    expectNear(dc(1, 0), 1.0, 1e-14);
    for (double f : bandPassGrid(10e6, 40e9, 200)) {
        const auto s = half.scatteringAt(f);
        expectNear(s(0, 1), s(1, 0), 1e-12);
        const double power = std::norm(s(0, 0)) + std::norm(s(1, 0));
        EXPECT_LE(power, 1.0 + 1e-12);
        EXPECT_GT(std::abs(s(0, 0)), 0.0);
    }
    const LineCascade lossless({{50.0, 50e-12, 0.0}, {35.0, 70e-12, 0.0}, {60.0, 20e-12, 0.0}});
    const auto s = lossless.scatteringAt(3.3e9);
    EXPECT_NEAR(std::norm(s(0, 0)) + std::norm(s(1, 0)), 1.0, 1e-12);
}

TEST(LinePhysics, CascadeOfScatteringMatricesEqualsChainProduct)
{
    const auto left = exampleLeftHalf();
    const auto right = exampleRightHalf();
    std::vector<LineSection> joined = left.sections();
    const LineCascade rightFromInside = right.reversed();
    for (const auto& section : rightFromInside.sections())
        joined.push_back(section);
    const LineCascade whole(joined);
    const auto grid = lowPassGrid(50e6, 100);
    const auto thru = twoXThru(left, right, grid);
    ASSERT_TRUE(thru.isValid());
    for (std::size_t k = 0; k < grid.size(); k += 7) {
        const auto expected = whole.scatteringAt(grid[k]);
        expectNear(thru.s11()[k], expected(0, 0), 1e-12);
        expectNear(thru.s21()[k], expected(1, 0), 1e-12);
        expectNear(thru.s22()[k], expected(1, 1), 1e-12);
    }
}

TEST(LinePhysics, DeembeddingTheHalvesGivesTheDut)
{
    const auto left = exampleLeftHalf();
    const auto right = exampleRightHalf();
    const auto dut = exampleDut();
    const auto grid = bandPassGrid(100e6, 20e9, 57);
    const auto measured = dutInFixture(left, dut, right, grid);
    for (std::size_t k = 0; k < grid.size(); ++k) {
        const auto inner = deembed(matrixAt(measured, k), left.scatteringAt(grid[k]),
                                   reversed(right.scatteringAt(grid[k])));
        const auto truth = dut.scatteringAt(grid[k]);
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 2; ++c)
                expectNear(inner(r, c), truth(r, c), 1e-10);
    }
}

TEST(LinePhysics, ReflectStandards)
{
    const LineCascade none;
    const auto grid = lowPassGrid(1e9, 3);
    EXPECT_EQ(openStandard(none, grid).s11()[1], C(1.0, 0.0));
    EXPECT_EQ(shortStandard(none, grid).s11()[1], C(-1.0, 0.0));

    // The round trip through a matched line doubles its delay.
    const LineCascade line({{50.0, 80e-12, 0.0}});
    const auto open = openStandard(line, grid);
    for (std::size_t k = 0; k < grid.size(); ++k)
        expectNear(open.s11()[k], std::polar(1.0, -2 * M_PI * grid[k] * 160e-12), 1e-12);
    const auto shorted = shortStandard(line, grid);
    expectNear(shorted.s11()[0], -open.s11()[0], 1e-12);
}

TEST(LinePhysics, Grids)
{
    const auto low = lowPassGrid(10e6, 4);
    EXPECT_EQ(low, (std::vector<double>{10e6, 20e6, 30e6, 40e6}));
    const auto band = bandPassGrid(1e9, 2e9, 5);
    EXPECT_EQ(band.front(), 1e9);
    EXPECT_EQ(band.back(), 2e9);
    EXPECT_DOUBLE_EQ(band[2], 1.5e9);
    EXPECT_EQ(lowPassGrid(1.0, 0).size(), 0u);
}
