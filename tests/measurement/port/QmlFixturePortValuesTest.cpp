#include "measurement/models/Zip.h"
#include "measurement/port/CurveBuilders.h"
#include "measurement/port/QmlFixturePort.h"

#include <QCoreApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Algorithms;

namespace {

using Complexes = std::vector<std::complex<double>>;

SParametersTwoPort twoPortSet(const std::vector<double>& frequencies, const Complexes& reflection,
                              const Complexes& transmission)
{
    SParametersTwoPort set;
    set.setFrequencies(frequencies);
    set.setS11(reflection);
    set.setS22(reflection);
    set.setS12(transmission);
    set.setS21(transmission);
    return set;
}

// Puts a set in force the way an offset of zero does, and serves the rebuild.
void selectSet(QmlFixturePort& port, const SParametersTwoPort& set)
{
    port.setUncorrectedSParametersDefault(set);
    port.setDefaultLength(1e-10);
    ASSERT_TRUE(port.selectDefaultSParameters());
    QCoreApplication::processEvents();
}

const std::vector<double> lowPass{10e6, 20e6, 30e6};
const Complexes halfMatched{{0.0, 0.0}, {0.0, 0.0}, {0.0, 0.0}};
const Complexes transmission{{0.9, 0.1}, {0.8, -0.3}, {0.1, -0.7}};

} // namespace

TEST(QmlFixturePort, AnIdealMatchedHalfKeepsItsCurvesWithTheZeroReflectionAtTheFloor)
{
    QmlFixturePort port;
    QSignalSpy errors(&port, &FixturePort::error);
    // Set up as a measurer does, without a signal of their own.
    port.setConversionType(Z0ConversionType::System);
    port.setZ0(50.0);
    QSignalSpy z0(&port, &QmlFixturePort::z0TransformChangedQml);
    selectSet(port, twoPortSet(lowPass, halfMatched, transmission));

    EXPECT_EQ(errors.count(), 0);
    EXPECT_EQ(z0.count(), 1);
    EXPECT_EQ(port.z0Transform(), QVariant(50.0));
    ASSERT_EQ(port.s11Curve()->size(), 3);
    ASSERT_EQ(port.s21Curve()->size(), 3);
    for (const QPointF& point : *port.s11Curve())
        EXPECT_EQ(point.y(), MagnitudeFloorDb);
    EXPECT_NEAR(port.s21Curve()->at(1).y(), 20.0 * std::log10(std::abs(transmission[1])), 1e-12);
    EXPECT_EQ(port.s21Curve()->at(2).x(), 30e6);
}

TEST(QmlFixturePort, ANonFiniteValueEmptiesAllFourCurvesWithAnError)
{
    QmlFixturePort port;
    selectSet(port, twoPortSet(lowPass, halfMatched, transmission));
    QSignalSpy errors(&port, &FixturePort::error);
    QSignalSpy s22(&port, &QmlFixturePort::S22ChangedQml);

    Complexes broken = transmission;
    broken[1] = {std::numeric_limits<double>::quiet_NaN(), 0.0};
    SParametersTwoPort set = twoPortSet(lowPass, halfMatched, transmission);
    set.setS21(broken);
    selectSet(port, set);

    ASSERT_EQ(errors.count(), 1);
    EXPECT_EQ(errors.at(0).at(0).toString(), QStringLiteral("SParam is inf or nan"));
    for (QVector<QPointF>* curve : {port.s11Curve(), port.s21Curve(), port.s12Curve(), port.s22Curve()})
        EXPECT_TRUE(curve->isEmpty());
    EXPECT_EQ(s22.count(), 1);
}

TEST(QmlFixturePort, LowPassFollowsTheCurrentGrid)
{
    const std::pair<std::vector<double>, bool> grids[] = {
        {{10e6, 20e6, 30e6}, true}, {{10e6, 20.5e6, 31e6}, false}};
    for (const auto& [grid, lowPassGrid] : grids) {
        QmlFixturePort port;
        const Complexes values(grid.size(), {0.5, 0.0});
        selectSet(port, twoPortSet(grid, values, values));
        EXPECT_EQ(port.isLowPass(), lowPassGrid) << grid[1];
    }
}

TEST(QmlFixturePort, CalibrationStateFollowsTheKindOfTheCurrentSet)
{
    QmlFixturePort port;
    QmlFixturePort::CalibrationStates none;
    emit port.uncorrectedSParametersChanged();
    QCoreApplication::processEvents();
    EXPECT_EQ(port.calibrationState(), none);

    using S = QmlFixturePort;
    const QmlFixturePort::CalibrationStates expected[] = {
        none,
        S::ImpedanceConverted,
        S::OffsetApplied,
        S::ImpedanceConverted | S::OffsetApplied,
        S::DutCorrected,
        S::OffsetApplied | S::DutCorrected,
        S::ImpedanceConverted | S::DutCorrected,
        S::ImpedanceConverted | S::OffsetApplied | S::DutCorrected,
    };
    selectSet(port, twoPortSet(lowPass, halfMatched, transmission));
    for (int kind = 0; kind < 8; ++kind) {
        port.setCurrentSParametersKind(kind);
        emit port.uncorrectedSParametersChanged();
        QCoreApplication::processEvents();
        EXPECT_EQ(port.calibrationState(), expected[kind]) << kind;
    }
}

TEST(CurveBuilders, MagnitudesAreLinearAndUnequalAxesAreRefusedBeforeAnyPoint)
{
    EXPECT_THROW(magnitudeCurve({1.0, 2.0}, {{1.0, 0.0}, {2.0, 0.0}, {3.0, 0.0}}),
                 Helpers::Ranges::details::zip_ranges_not_equal);
    const QVector<QPointF> curve = magnitudeCurve({1.0, 2.0}, {{3.0, 4.0}, {0.0, -2.0}});
    EXPECT_EQ(curve, (QVector<QPointF>{{1.0, 5.0}, {2.0, 2.0}}));
}
