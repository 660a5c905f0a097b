#include "engine/parameters/ProcessInputParameters.h"
#include "engine/processes/base/ProcessFactory.h"
#include "engine/processes/transmission/TransmissionProcess.h"
#include "measurement/port/QmlFixturePort.h"
#include "simulator/physics/ExampleFixtures.h"
#include "simulator/physics/FrequencyGrid.h"
#include "simulator/physics/Standards.h"
#include "tests/measurement/support/WorkerRun.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <cmath>
#include <future>

using namespace Algorithms;

namespace {

// A 2x-thru of the simulator's example halves, extracted by time gating on a
// worker into two chart-ready ports that live on the GUI thread.
struct ThruOnWorker
{
    WorkerThread worker;
    ProcessInputParameters parameters;
    QmlFixturePort left;
    QmlFixturePort right;
    std::unique_ptr<TransmissionProcess> process{
        static_cast<TransmissionProcess*>(createProcessMethod(0, CalcMethod::TimeGating).release())};

    bool run(const std::vector<double>& grid)
    {
        const auto thru = Simulator::Physics::twoXThru(Simulator::Physics::exampleLeftHalf(),
                                                       Simulator::Physics::exampleRightHalf(), grid);
        bool done = false;
        runOnWorker(worker, [&] {
            for (QmlFixturePort* port : {&left, &right}) {
                port->clear();
                port->setConversionType(Z0ConversionType::System);
                port->setZ0(50.0);
            }
            process->setInputParameters(&parameters);
            process->setFixturesForCalculate(&left, &right);
            process->setMeasuredData(thru);
            done = process->run();
        });
        QCoreApplication::processEvents();
        return done;
    }
};

void expectCurve(const QVector<QPointF>& curve, const std::vector<double>& x, const std::vector<double>& y)
{
    ASSERT_EQ(static_cast<std::size_t>(curve.size()), x.size());
    ASSERT_EQ(x.size(), y.size());
    for (std::size_t i = 0; i < x.size(); ++i) {
        ASSERT_DOUBLE_EQ(curve[static_cast<int>(i)].x(), x[i]) << i;
        ASSERT_NEAR(curve[static_cast<int>(i)].y(), y[i], 1e-12 * (1.0 + std::abs(y[i]))) << i;
    }
}

std::vector<double> decibels(const std::vector<std::complex<double>>& values)
{
    std::vector<double> db;
    for (auto v : values)
        db.push_back(20.0 * std::log10(std::abs(v)));
    return db;
}

std::vector<double> magnitudes(const std::vector<std::complex<double>>& values)
{
    std::vector<double> m;
    for (auto v : values)
        m.push_back(std::abs(v));
    return m;
}

} // namespace

TEST(QmlFixturePort, CurvesAndScalarsOfAWorkerRunEqualTheEngineRecords)
{
    ThruOnWorker thru;
    ASSERT_TRUE(thru.run(Simulator::Physics::lowPassGrid(50e6, 400)));

    for (QmlFixturePort* port : {&thru.left, &thru.right}) {
        const SParametersTwoPort& set = *port->sParameters();
        expectCurve(*port->s11Curve(), set.frequencies(), decibels(set.s11()));
        expectCurve(*port->s21Curve(), set.frequencies(), decibels(set.s21()));
        expectCurve(*port->s12Curve(), set.frequencies(), decibels(set.s12()));
        expectCurve(*port->s22Curve(), set.frequencies(), decibels(set.s22()));
        expectCurve(*port->impulseResponseCurve(), port->impulseResponse()->times,
                    magnitudes(port->impulseResponse()->values));
        expectCurve(*port->stepResponseCurve(), port->stepResponse()->times, port->stepResponse()->values);
        ASSERT_TRUE(port->gating());
        expectCurve(*port->gatingCurve(), port->gating()->times, magnitudes(port->gating()->values));

        EXPECT_TRUE(port->isMeasured());
        EXPECT_TRUE(port->isLowPass());
        EXPECT_EQ(port->length(), QVariant(*port->fixtureLength()));
        EXPECT_EQ(port->lengthWithoutOffset(), QVariant(*port->defaultLength()));
        EXPECT_EQ(port->impRespLength(), QVariant(port->impulseResponse()->delay));
        EXPECT_EQ(port->fixtureImpedance(), QVariant(port->stepResponse()->impedance));
        EXPECT_EQ(port->impedanceReferenceLength(), QVariant(port->stepResponse()->position));
        EXPECT_EQ(port->z0Transform(), QVariant(*port->z0()));
        EXPECT_EQ(port->gatingValue(), QVariant(port->gating()->value));
        EXPECT_EQ(port->calibrationState(), QmlFixturePort::calibrationStateOf(*port->currentSParametersKind()));
    }
}

TEST(QmlFixturePort, ClearingOnTheWorkerEmptiesEverythingWithOneNotificationEach)
{
    ThruOnWorker thru;
    ASSERT_TRUE(thru.run(Simulator::Physics::lowPassGrid(50e6, 200)));
    QmlFixturePort& port = thru.left;
    ASSERT_EQ(port.calibrationState(), QmlFixturePort::ImpedanceConverted);

    const char* notifications[] = {
        SIGNAL(impedanceChangedQml()), SIGNAL(z0TransformChangedQml()),     SIGNAL(gatingValueChangedQml()),
        SIGNAL(stepResponseChangedQml()), SIGNAL(impulseResponseChangedQml()), SIGNAL(isMeasuredChanged()),
        SIGNAL(gatingChangedQml()),       SIGNAL(calibrationStateChanged()),   SIGNAL(S11ChangedQml()),
        SIGNAL(S12ChangedQml()),          SIGNAL(S21ChangedQml()),             SIGNAL(S22ChangedQml()),
        SIGNAL(lengthChangedQml())};
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (const char* signal : notifications)
        spies.push_back(std::make_unique<QSignalSpy>(&port, signal));

    // The GUI thread serves nothing during the burst, as when it is busy.
    std::promise<void> cleared;
    thru.worker.post([&port, &cleared] {
        port.clear();
        cleared.set_value();
    });
    cleared.get_future().wait();
    QCoreApplication::processEvents();

    for (std::size_t i = 0; i < spies.size(); ++i)
        EXPECT_EQ(spies[i]->count(), 1) << notifications[i];
    for (QVector<QPointF>* curve : {port.s11Curve(), port.s21Curve(), port.s12Curve(), port.s22Curve(),
                                    port.impulseResponseCurve(), port.stepResponseCurve(), port.gatingCurve()})
        EXPECT_TRUE(curve->isEmpty());
    EXPECT_FALSE(port.isMeasured());
    EXPECT_FALSE(port.isLowPass());
    for (const QVariant& value : {port.length(), port.lengthWithoutOffset(), port.impRespLength(),
                                  port.fixtureImpedance(), port.impedanceReferenceLength(), port.z0Transform(),
                                  port.gatingValue()})
        EXPECT_FALSE(value.isValid());
    EXPECT_EQ(port.calibrationState(), QmlFixturePort::CalibrationStates());
}
