#include "tests/engine/port/PortRecords.h"

#include "engine/port/FixturePort.h"
#include "simulator/physics/FrequencyGrid.h"
#include "simulator/physics/LineCascade.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

#include <cmath>

using namespace Algorithms;
using Simulator::Physics::bandPassGrid;
using Simulator::Physics::LineCascade;
using Simulator::Physics::lowPassGrid;

namespace {

const LineCascade steppedHalf({{50.0, 80e-12, 0.1}, {42.0, 120e-12, 0.2}, {60.0, 100e-12, 0.1}});

// The half as computed against 50 ohm, with a step response that read `fixtureEnd` ohm
// at its junction.
void fill(FixturePort& port, const SParametersTwoPort& set, double fixtureEnd, double delay, bool doublePass)
{
    port.setZ0(50.0);
    port.setImpulseResponse(impulseRecord(delay, doublePass));
    port.setDefaultLength(delay / (doublePass ? 2.0 : 1.0));
    port.setFixtureLength(delay / (doublePass ? 2.0 : 1.0));
    port.setStepResponse(stepRecord(fixtureEnd));
    port.setImpedanceValue(fixtureEnd);
    port.setCalculatedData(set);
    port.setUncorrectedSParametersDefault(set);
}

double maxDifference(const std::vector<std::complex<double>>& a, const std::vector<std::complex<double>>& b)
{
    double d = 0.0;
    for (std::size_t i = 0; i < a.size(); ++i)
        d = std::max(d, std::abs(a[i] - b[i]));
    return d;
}

void expectSameSet(const SParametersTwoPort& actual, const SParametersTwoPort& expected, double tolerance)
{
    EXPECT_LT(maxDifference(actual.s11(), expected.s11()), tolerance);
    EXPECT_LT(maxDifference(actual.s12(), expected.s12()), tolerance);
    EXPECT_LT(maxDifference(actual.s21(), expected.s21()), tolerance);
    EXPECT_LT(maxDifference(actual.s22(), expected.s22()), tolerance);
}

} // namespace

TEST(FixturePortConversion, UserTargetGivesTheLineReferredToThatImpedance)
{
    const auto grid = lowPassGrid(50e6, 200);
    FixturePort port;
    fill(port, steppedHalf.sParameters(grid, 50.0), 50.0, 3e-10, false);
    port.setConversionType(Z0ConversionType::User);
    port.setCustomImpedance(75.0);
    QSignalSpy transform(&port, &FixturePort::impedanceTransformChanged);

    ASSERT_TRUE(port.convertImpedance());
    expectSameSet(*port.sParameters(), steppedHalf.sParameters(grid, 75.0), 1e-12);
    EXPECT_EQ(port.z0(), 75.0);
    EXPECT_EQ(transform.count(), 1);
}

TEST(FixturePortConversion, SystemTargetRefersTheJunctionToTheAnalyzerImpedanceAndAnnouncesIt)
{
    // The half as computed carries the fixture's 42 ohm at its junction; converted to the
    // system's 50 ohm its reference keeps the same value, yet the data change and the
    // conversion is announced.
    const auto grid = lowPassGrid(50e6, 100);
    const LineCascade line({{50.0, 200e-12, 0.1}});
    FixturePort port;
    fill(port, line.sParameters(grid, 50.0), 42.0, 4e-10, true);
    port.setConversionType(Z0ConversionType::System);
    QSignalSpy transform(&port, &FixturePort::impedanceTransformChanged);

    ASSERT_TRUE(port.convertImpedance());
    EXPECT_EQ(port.z0(), 50.0);
    EXPECT_EQ(transform.count(), 1);
    // Matched data [0, T; T, 0] moved from a 42 ohm to a 50 ohm reference at port 2, with
    // G = (50 - 42) / (50 + 42): S11 = G T^2, S12 = S21 = T sqrt(1 - G^2), S22 = -G.
    const double g = 8.0 / 92.0;
    const auto original = line.sParameters(grid, 50.0);
    const auto& converted = *port.sParameters();
    for (std::size_t i = 0; i < grid.size(); i += 9) {
        const std::complex<double> t = original.s21()[i];
        EXPECT_LT(std::abs(converted.s11()[i] - g * t * t), 1e-12);
        EXPECT_LT(std::abs(converted.s21()[i] - t * std::sqrt(1.0 - g * g)), 1e-12);
        EXPECT_LT(std::abs(converted.s12()[i] - t * std::sqrt(1.0 - g * g)), 1e-12);
        EXPECT_LT(std::abs(converted.s22()[i] + g), 1e-12);
    }
}

TEST(FixturePortConversion, MirroredPortConvertsItsAnalyzerEndAtPortTwo)
{
    const auto grid = lowPassGrid(50e6, 100);
    const auto reversedHalf = steppedHalf.reversed();
    FixturePort port;
    fill(port, reversedHalf.sParameters(grid, 50.0), 50.0, 3e-10, false);
    port.setMirrored(true);
    port.setConversionType(Z0ConversionType::Fixture);
    port.setImpedanceValue(30.0);
    ASSERT_TRUE(port.convertImpedance());
    expectSameSet(*port.sParameters(), reversedHalf.sParameters(grid, 30.0), 1e-12);
}

TEST(FixturePortConversion, FailuresNameTheirCauseAndLeaveSetAndReferenceAlone)
{
    const auto grid = lowPassGrid(50e6, 50);
    const auto set = steppedHalf.sParameters(grid);
    FixturePort port;
    QSignalSpy errors(&port, &FixturePort::error);

    port.setCalculatedData(set);
    EXPECT_FALSE(port.convertImpedance());
    EXPECT_EQ(errors.last().at(0).toString(), "Invalid input data for impedance conversion");

    fill(port, set, 50.0, 3e-10, false);
    port.setConversionType(Z0ConversionType::User);
    EXPECT_TRUE(port.setCustomImpedance(0.0));
    EXPECT_FALSE(port.convertImpedance());
    EXPECT_EQ(errors.last().at(0).toString(), "Invalid custom impedance value.");
    EXPECT_EQ(port.sParameters()->s11(), set.s11());
    EXPECT_EQ(port.z0(), 50.0);

    // No transmission at all: the converter answers with zeros for every point.
    SParametersTwoPort blocked = set;
    for (auto* v : {&blocked.s11(), &blocked.s12(), &blocked.s21(), &blocked.s22()})
        std::fill(v->begin(), v->end(), std::complex<double>(0.0, 0.0));
    port.setCalculatedData(blocked);
    port.setCustomImpedance(50.0);
    EXPECT_FALSE(port.convertImpedance());
    EXPECT_EQ(errors.last().at(0).toString(), "Invalid converted data. Check system and fixture impedances");
    EXPECT_EQ(port.z0(), 50.0);
    EXPECT_EQ(errors.count(), 3);
}

TEST(FixturePortOffset, ThruFilledPortScalesByTwiceTheOffset)
{
    // A matched 300 ps half of a 600 ps thru, shifted by -100 ps, is a 200 ps line.
    const auto grid = lowPassGrid(50e6, 400);
    const LineCascade line({{50.0, 300e-12, 0.4}});
    FixturePort port;
    fill(port, line.sParameters(grid), 50.0, 600e-12, true);
    QSignalSpy changed(&port, &FixturePort::uncorrectedSParametersChanged);

    ASSERT_TRUE(port.applyOffset(-100e-12));
    expectSameSet(*port.sParameters(), LineCascade({{50.0, 200e-12, 0.4 * 2.0 / 3.0}}).sParameters(grid), 1e-9);
    EXPECT_NEAR(*port.fixtureLength(), 200e-12, 1e-24);
    EXPECT_EQ(port.currentSParametersKind(), FixturePort::OffsetKind);
    EXPECT_EQ(changed.count(), 1);
}

TEST(FixturePortOffset, SinglePassDelayScalesByTheOffsetAndTurnsTheFarReflection)
{
    // A lossless 300 ps half whose DUT side reflects 0.2: 50 ps more line turns that
    // reflection by the round trip through the added line; the analyzer side stays.
    const auto grid = lowPassGrid(50e6, 300);
    SParametersTwoPort half = LineCascade({{50.0, 300e-12, 0.0}}).sParameters(grid);
    std::fill(half.s22().begin(), half.s22().end(), std::complex<double>(0.2, 0.0));
    FixturePort port;
    fill(port, half, 50.0, 300e-12, false);
    ASSERT_TRUE(port.applyOffset(50e-12));

    const auto longer = LineCascade({{50.0, 350e-12, 0.0}}).sParameters(grid);
    EXPECT_LT(maxDifference(port.sParameters()->s21(), longer.s21()), 1e-9);
    EXPECT_EQ(port.sParameters()->s12(), port.sParameters()->s21());
    EXPECT_EQ(port.sParameters()->s11(), half.s11());
    for (std::size_t i = 0; i < grid.size(); i += 37) {
        const auto expected = 0.2 * std::polar(1.0, -4.0 * M_PI * grid[i] * 50e-12);
        EXPECT_LT(std::abs(port.sParameters()->s22()[i] - expected), 1e-9);
    }
    EXPECT_NEAR(*port.fixtureLength(), 350e-12, 1e-24);
}

TEST(FixturePortOffset, ZeroOffsetRestoresTheConvertedSetElseTheDefault)
{
    const auto grid = lowPassGrid(50e6, 100);
    const auto set = steppedHalf.sParameters(grid);
    FixturePort port;
    fill(port, set, 50.0, 600e-12, true);
    ASSERT_TRUE(port.applyOffset(20e-12));
    ASSERT_TRUE(port.applyOffset(0.0));
    EXPECT_EQ(port.currentSParametersKind(), FixturePort::DefaultKind);
    EXPECT_EQ(port.sParameters()->s21(), set.s21());
    EXPECT_EQ(port.fixtureLength(), 300e-12);

    port.setConversionType(Z0ConversionType::User);
    port.setCustomImpedance(75.0);
    ASSERT_TRUE(port.convertImpedance());
    ASSERT_TRUE(port.setUncorrectedSParametersZConversion(*port.sParameters()));
    ASSERT_TRUE(port.applyOffset(20e-12));
    EXPECT_EQ(port.currentSParametersKind(), FixturePort::OffsetConvertedKind);
    EXPECT_EQ(port.z0(), 75.0);
    ASSERT_TRUE(port.applyOffset(0.0));
    EXPECT_EQ(port.currentSParametersKind(), FixturePort::ConvertedKind);
    expectSameSet(*port.sParameters(), steppedHalf.sParameters(grid, 75.0), 1e-12);
    EXPECT_EQ(port.z0(), 75.0);
    ASSERT_TRUE(port.selectDefaultSParameters());
    EXPECT_EQ(port.z0(), 50.0);
}

// Ports offset together are all asked before any takes its offset, so a port that
// refuses must not have changed.
TEST(FixturePortOffset, AFailedConversionLeavesThePortAsItWas)
{
    const auto grid = lowPassGrid(50e6, 100);
    FixturePort port;
    const auto set = steppedHalf.sParameters(grid);
    fill(port, set, 50.0, 600e-12, true);
    port.setConversionType(Z0ConversionType::User); // no custom impedance: conversion fails
    const std::optional<double> length = port.fixtureLength();
    QSignalSpy errors(&port, &FixturePort::error);
    QSignalSpy changes(&port, &FixturePort::uncorrectedSParametersChanged);

    EXPECT_FALSE(port.prepareOffset(-30e-12));
    EXPECT_FALSE(port.applyOffset(-30e-12));
    EXPECT_EQ(port.sParameters()->s21(), set.s21());
    EXPECT_EQ(port.currentSParametersKind(), FixturePort::DefaultKind);
    EXPECT_EQ(port.fixtureLength(), length);
    EXPECT_EQ(port.z0(), 50.0);
    EXPECT_EQ(errors.count(), 2);
    EXPECT_EQ(changes.count(), 0);
}

TEST(FixturePortOffset, RefusesWithoutDataOrWithAnUnusableOffset)
{
    FixturePort port;
    QSignalSpy errors(&port, &FixturePort::error);
    EXPECT_FALSE(port.applyOffset(1e-12));
    EXPECT_EQ(errors.last().at(0).toString(), "Offset was not performed. Check measured data for validity");

    const auto grid = lowPassGrid(50e6, 100);
    const auto set = steppedHalf.sParameters(grid);
    fill(port, set, 50.0, 600e-12, true);
    EXPECT_FALSE(port.applyOffset(std::numeric_limits<double>::infinity()));
    EXPECT_EQ(errors.last().at(0).toString(), "Offset was not performed. Check offset value");
    EXPECT_EQ(port.sParameters()->s21(), set.s21());
    EXPECT_EQ(port.currentSParametersKind(), FixturePort::DefaultKind);

    // Shortening the 300 ps half by 300 ps or more leaves no line to stretch; the port
    // keeps the set in force.
    ASSERT_TRUE(port.applyOffset(-100e-12));
    const SParametersTwoPort inForce = *port.sParameters();
    for (double offset : {-300e-12, -450e-12}) {
        EXPECT_FALSE(port.applyOffset(offset));
        EXPECT_EQ(errors.last().at(0).toString(),
                  "Offset was not performed. The offset must leave the fixture a positive electrical length");
        EXPECT_EQ(port.sParameters()->s21(), inForce.s21());
        EXPECT_EQ(port.currentSParametersKind(), FixturePort::OffsetKind);
        EXPECT_NEAR(*port.fixtureLength(), 200e-12, 1e-24);
    }
}

TEST(FixturePortOffset, BandPassGridIsNeverConverted)
{
    const auto grid = bandPassGrid(1e9, 10e9, 100);
    FixturePort port;
    fill(port, steppedHalf.sParameters(grid), 50.0, 600e-12, true);
    port.setConversionType(Z0ConversionType::User);
    port.setCustomImpedance(75.0);
    ASSERT_TRUE(port.applyOffset(10e-12));
    EXPECT_EQ(port.currentSParametersKind(), FixturePort::OffsetKind);
    EXPECT_EQ(port.z0(), 50.0);
}
