#include "tests/engine/port/PortRecords.h"

#include "engine/port/FixturePort.h"
#include "engine/port/FixturePortValues.h"
#include "simulator/physics/FrequencyGrid.h"
#include "simulator/physics/LineCascade.h"
#include "tests/support/MessageCapture.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Algorithms;
using Simulator::Physics::LineCascade;
using Simulator::Physics::lowPassGrid;

namespace {

const double notANumber = std::numeric_limits<double>::quiet_NaN();

// A port filled as a process leaves it: the half as computed is its default set.
void fill(FixturePort& port, const SParametersTwoPort& set, double delay, bool doublePass, double length)
{
    port.setZ0(50.0);
    port.setImpulseResponse(impulseRecord(delay, doublePass));
    port.setDefaultLength(length);
    port.setFixtureLength(length);
    port.setCalculatedData(set);
    port.setUncorrectedSParametersDefault(set);
}

QString lastError(const QSignalSpy& spy)
{
    return spy.isEmpty() ? QString() : spy.last().at(0).toString();
}

} // namespace

TEST(FixturePort, ValidatingSettersRefuseWithTheirTextsAndKeepTheOldValue)
{
    FixturePort port;
    QSignalSpy errors(&port, &FixturePort::error);

    ImpulseResponse bad = impulseRecord(1e-10, false);
    bad.values[1] = {notANumber, 0.0};
    EXPECT_FALSE(port.setImpulseResponse(bad));
    EXPECT_EQ(lastError(errors), "Invalid impulse response. NaN or Inf value found. Check measured data for validity");
    EXPECT_FALSE(port.impulseResponse());

    EXPECT_FALSE(port.setGating(Gating{{{1.0, 0.0}}, {0.0, 1.0}, 0.0}));
    EXPECT_EQ(lastError(errors), "Invalid gating");
    EXPECT_TRUE(port.setGating(Gating{{{1.0, 0.0}}, {0.0}, 0.5}));
    EXPECT_EQ(fixtureGatingValue(port), 0.5);

    ReflectData::StepResponse badStep = stepRecord(50.0);
    badStep.position = notANumber;
    EXPECT_FALSE(port.setStepResponse(badStep));
    EXPECT_EQ(lastError(errors), "Invalid step response. NaN or Inf value found. Check the measured data for validity");

    SParametersTwoPort shortSet = LineCascade({{50.0, 1e-10, 0.0}}).sParameters({1e9, 2e9, 3e9});
    shortSet.s21().pop_back();
    EXPECT_FALSE(port.setCalculatedData(shortSet));
    EXPECT_EQ(lastError(errors), "Invalid calculated data. NaN or Inf value found. Check measured data for validity");
    SParametersTwoPort infiniteSet = LineCascade({{50.0, 1e-10, 0.0}}).sParameters({1e9, 2e9, 3e9});
    infiniteSet.s22()[2] = {std::numeric_limits<double>::infinity(), 0.0};
    EXPECT_FALSE(port.setCalculatedData(infiniteSet));
    EXPECT_EQ(lastError(errors), "Invalid calculated data. NaN or Inf value found. Check measured data for validity");
    EXPECT_FALSE(port.sParameters());
    EXPECT_FALSE(port.setUncorrectedSParametersDefault(shortSet));
    EXPECT_EQ(lastError(errors), "Invalid uncorrected fixture SParameters default");
    EXPECT_FALSE(port.setUncorrectedSParametersZConversion(shortSet));
    EXPECT_EQ(lastError(errors), "Invalid uncorrected fixture SParameters z conversion");

    EXPECT_FALSE(port.setZ0(notANumber));
    EXPECT_EQ(lastError(errors), "Invalid Z0 impedance. It is recommended using the latest VNA software version");
    EXPECT_TRUE(port.setZ0(50.0));
    EXPECT_TRUE(port.setZ0(50.0));
    EXPECT_EQ(port.impedance(), 50.0);

    // A reference impedance must be a positive resistance; 0 stands for none.
    for (double invalid : {notANumber, -50.0, std::numeric_limits<double>::infinity()}) {
        EXPECT_FALSE(port.setCustomImpedance(invalid));
        EXPECT_EQ(lastError(errors), "Invalid custom impedance value.");
        port.setImpedanceValue(invalid);
    }
    port.setImpedanceValue(0.0);
    EXPECT_FALSE(port.impedanceValue());
    EXPECT_EQ(errors.count(), 11);
    EXPECT_TRUE(port.setCustomImpedance(60.0));
    EXPECT_TRUE(port.setCustomImpedance(0.0));
    EXPECT_FALSE(port.customImpedance());
    EXPECT_EQ(errors.count(), 11);
}

TEST(FixturePort, ClearResetsForANewRunAndSignalsInOrder)
{
    FixturePort port;
    const auto set = LineCascade({{50.0, 1e-10, 0.1}}).sParameters(lowPassGrid(1e8, 10));
    fill(port, set, 2e-10, true, 1e-10);
    port.setGating(Gating{{{1.0, 0.0}}, {0.0}, 0.5});
    port.setMirrored(true);

    QStringList order;
    QObject::connect(&port, &FixturePort::lenghtFixtureChanged, [&] { order << "length"; });
    QObject::connect(&port, &FixturePort::impulseResponseChanged, [&] { order << "impulse"; });
    QObject::connect(&port, &FixturePort::uncorrectedSParametersChanged, [&] { order << "sparameters"; });
    QObject::connect(&port, &FixturePort::stepResponseChanged, [&] { order << "step"; });
    QObject::connect(&port, &FixturePort::impedanceTransformChanged, [&] { order << "impedance"; });
    QObject::connect(&port, &FixturePort::gatingChanged, [&] { order << "gating"; });
    port.clear();

    EXPECT_EQ(order, QStringList({"length", "impulse", "sparameters", "step", "impedance", "gating"}));
    EXPECT_EQ(port.conversionType(), Z0ConversionType::System);
    EXPECT_EQ(port.fixtureLength(), 1e-10);
    EXPECT_FALSE(port.isMirrored());
    EXPECT_FALSE(port.sParameters());
    EXPECT_FALSE(port.impedance());
    EXPECT_FALSE(port.gating());
    EXPECT_FALSE(port.isCalculated());
}

TEST(FixturePort, CopyHasNoGatingNoLengthAndKindZero)
{
    FixturePort port;
    const auto set = LineCascade({{50.0, 1e-10, 0.1}}).sParameters(lowPassGrid(1e8, 10));
    fill(port, set, 2e-10, true, 1e-10);
    port.setGating(Gating{{{1.0, 0.0}}, {0.0}, 0.5});
    port.applyOffset(1e-11);
    ASSERT_EQ(port.currentSParametersKind(), FixturePort::OffsetKind);

    const FixturePort copy(port, nullptr);
    EXPECT_EQ(copy.currentSParametersKind(), 0);
    EXPECT_FALSE(copy.fixtureLength());
    EXPECT_FALSE(copy.gating());
    EXPECT_TRUE(copy.isCalculated());
    EXPECT_EQ(copy.impedance(), 50.0);
}

TEST(FixturePort, MirroringTurnsTheSetAndTogglesTheFlag)
{
    FixturePort port;
    EXPECT_FALSE(port.mirrorSParameters());
    const auto set = LineCascade({{50.0, 1e-10, 0.1}, {40.0, 1e-10, 0.1}}).sParameters(lowPassGrid(1e8, 10));
    port.setCalculatedData(set);
    ASSERT_TRUE(port.mirrorSParameters());
    EXPECT_TRUE(port.isMirrored());
    EXPECT_EQ(port.sParameters()->s11(), set.s22());
    EXPECT_EQ(port.sParameters()->s21(), set.s12());
    ASSERT_TRUE(port.mirrorSParameters());
    EXPECT_FALSE(port.isMirrored());
    EXPECT_EQ(port.sParameters()->s11(), set.s11());
}

TEST(FixturePort, SelectionNeedsTheStoredSetAndItsLength)
{
    FixturePort port;
    EXPECT_FALSE(port.selectDefaultSParameters());
    EXPECT_FALSE(port.selectOffsetSParameters());
    const auto set = LineCascade({{50.0, 1e-10, 0.1}}).sParameters(lowPassGrid(1e8, 10));
    fill(port, set, 2e-10, true, 1e-10);
    QSignalSpy changed(&port, &FixturePort::uncorrectedSParametersChanged);
    EXPECT_TRUE(port.selectDefaultSParameters());
    EXPECT_EQ(changed.count(), 1);
    EXPECT_FALSE(port.selectOffsetSParameters());
}

TEST(FixturePortValues, NeedConversionAndAStepResponse)
{
    FixturePort port;
    EXPECT_FALSE(fixtureGatingValue(port));
    port.setStepResponse(stepRecord(45.0));
    EXPECT_FALSE(fixtureImpedanceValue(port));
    EXPECT_FALSE(validStepResponseValue(port));
    port.setConversionType(Z0ConversionType::Fixture);
    EXPECT_EQ(fixtureImpedanceValue(port), 45.0);
    EXPECT_EQ(validStepResponseValue(port), 1e-10);
}

TEST(FixturePortRecords, RecordsTooShortOrOfUnequalLengthsSayWhyOnTheDebugChannel)
{
    MessageCapture capture;
    ImpulseResponse twoPoints = impulseRecord(1e-10, false);
    twoPoints.values.pop_back();
    twoPoints.times.pop_back();
    EXPECT_FALSE(twoPoints.isValid());
    EXPECT_EQ(capture.lines(), QStringList({"ImpulseResponse::isValid returned false"}));

    capture.lines().clear();
    EXPECT_FALSE((Gating{{{1.0, 0.0}}, {0.0, 1.0}, 0.0}.isValid()));
    EXPECT_EQ(capture.lines(), QStringList({"Gating::isValid returned false"}));

    capture.lines().clear();
    ReflectData::StepResponse unequal = stepRecord(45.0);
    unequal.times.pop_back();
    EXPECT_FALSE(unequal.isValid());
    EXPECT_EQ(capture.lines(), QStringList({"ReflectData::StepResponse::isValid returned false"}));
}
