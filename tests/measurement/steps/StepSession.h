#pragma once

#include "analyzer/threading/WorkerThread.h"
#include "engine/parameters/ProcessInputParameters.h"
#include "measurement/connections/ConnectionReflect.h"
#include "measurement/connections/ConnectionTransmisson.h"
#include "measurement/fixtures/Fixture.h"
#include "measurement/fixtures/VNAFixtureConnection.h"
#include "measurement/progress/ProgressManager.h"
#include "measurement/steps/ReflectionStep.h"
#include "measurement/steps/Step.h"
#include "measurement/steps/TransmissionStep.h"
#include "simulator/physics/FrequencyGrid.h"
#include "tests/analyzer/device/support/FacadeSession.h"
#include "tests/support/StateFilesLock.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// Steps measuring a simulated analyzer over TCP: a 2-port analyzer (by default)
// sweeping a low-pass grid of 25 MHz steps up to 20 GHz, fixtures "A" on port 1
// and "B" on port 2, a backend worker and a progress list. The simulator is served
// by the test's thread, which every analyzer measurement keeps busy in its wait.
// Files the test writes go to a folder of its own.
class StepSession : public FacadeSession
{
protected:
    static constexpr double GridStep = 25e6;
    static constexpr int GridPoints = 800;

    void SetUp() override
    {
        ASSERT_TRUE(lock.acquire());
        FacadeSession::SetUp();
        setSweep(GridStep, GridPoints);
        ASSERT_TRUE(refresh());
        ASSERT_TRUE(refresh());
        left = makeLaterDeleted<VNAFixtureConnection>(&fixtureA, device.get());
        right = makeLaterDeleted<VNAFixtureConnection>(&fixtureB, device.get());
        right->setAttachedVnaPort(0, 1);
        simulator.clearLog();
    }

    void TearDown() override
    {
        steps.clear();
        left.reset();
        right.reset();
        drain();
        worker.stop();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A harmonic sweep: start = step.
    void setSweep(double step, int points)
    {
        simulator.changeModel([step, points](Simulator::AnalyzerModel& model) {
            model.channel(1).startFrequency = step;
            model.channel(1).stopFrequency = step * points;
            model.channel(1).points = points;
        });
    }

    // Reconnects to the simulator as a 4-port analyzer with both fixtures of 2 ports; the
    // test cables them.
    void useFourPortAnalyzer()
    {
        simulator.setPortCount(4);
        device = std::make_unique<SyncedVnaDevice>(nullptr, ConnectLimit);
        device->setPort(simulator.port());
        ASSERT_TRUE(refresh());
        ASSERT_TRUE(refresh());
        left = makeLaterDeleted<VNAFixtureConnection>(&fixtureA, device.get());
        right = makeLaterDeleted<VNAFixtureConnection>(&fixtureB, device.get());
        fixtureA.setPortsCount(2);
        fixtureB.setPortsCount(2);
    }

    std::vector<double> grid() const { return Simulator::Physics::lowPassGrid(GridStep, GridPoints); }

    // Keeps the step for the test's life and sends its errors to `errors`.
    template <typename StepType>
    std::shared_ptr<StepType> keep(std::shared_ptr<StepType> step)
    {
        QObject::connect(step.get(), &Step::error, step.get(), [this](const QString& text) { errors << text; });
        steps.push_back(step);
        return step;
    }

    std::shared_ptr<ConnectionTransmisson> thruConnection()
    {
        return makeLaterDeleted<ConnectionTransmisson>(left.get(), right.get(), &params);
    }

    // A reflection step of the left fixture, kept at the ports' reference impedance.
    std::shared_ptr<ReflectionStep> reflectStep()
    {
        auto step = keep(makeLaterDeleted<ReflectionStep>(makeLaterDeleted<ConnectionReflect>(left.get(), &params),
                                                          left, device.get(), &worker, &progress));
        step->setConversionT(Algorithms::Z0ConversionType::None);
        return step;
    }

    // A reflection step of the left fixture with its open measured and calculated.
    void measureOpenReflect(std::shared_ptr<ReflectionStep>& step)
    {
        step = reflectStep();
        simulator.setWorld(Simulator::FixtureWorld::Arrangement::Open);
        ASSERT_TRUE(step->measureOpenFromVna());
        drain();
        ASSERT_EQ(step->calculated(), MeasureEnums::MeasureStatus::MEASURED) << errors.join("; ").toStdString();
    }

    // A 2x-thru step of the two fixtures, kept at the ports' reference impedance.
    std::shared_ptr<TransmissionStep> thruStep(std::shared_ptr<ConnectionTransmisson> connection)
    {
        auto step = keep(makeLaterDeleted<TransmissionStep>(std::move(connection), left, right, device.get(), &worker,
                                                            &progress));
        step->setConversionT(Algorithms::Z0ConversionType::None);
        return step;
    }

    // The 2x-thru step's thru and open measured and its reflect offsets calculated; the
    // simulator is left on the open.
    void measureThruAndOpen(TransmissionStep& step)
    {
        simulator.setWorld(Simulator::FixtureWorld::Arrangement::Thru);
        ASSERT_TRUE(step.measureFromVna());
        step.setOpenMeasurementEnable(true);
        simulator.setWorld(Simulator::FixtureWorld::Arrangement::Open);
        ASSERT_TRUE(step.measureOpenFromVna());
        drain();
        ASSERT_EQ(step.reflectCalculated(), MeasureEnums::MeasureStatus::MEASURED) << errors.join("; ").toStdString();
    }

    // The commands (not queries) the analyzer got since the last clearLog(), once
    // everything sent before has arrived.
    QStringList commandsReceived()
    {
        EXPECT_TRUE(refresh());
        QStringList commands;
        for (const QString& line : allLines()) {
            if (!line.contains('?'))
                commands << line;
        }
        return commands;
    }

    // A file of the given text in the test's folder.
    QString writeFile(const QString& name, const QByteArray& text)
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return file.fileName();
    }

    // Until every item posted to the worker so far has run, serving the simulator meanwhile.
    void drain()
    {
        bool done = false;
        worker.post([&done] { done = true; }, [&done] { done = true; });
        while (!done)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QCoreApplication::processEvents();
    }

    // Cancels as the busy page does once the analyzer starts the given one of its next
    // sweeps (counted from 1): the step learns of the cancel first, then the analyzer's
    // reading is cut short (that sweep is long enough for it on a loaded machine and
    // ends with the abort; the sweeps before it keep their length).
    void cancelDuringTheNextSweep(Step& step, int sweep = 1)
    {
        if (sweep == 1)
            simulator.setSweepTimeMs(2000);
        auto started = std::make_shared<int>(0);
        auto once = std::make_shared<QMetaObject::Connection>();
        *once = QObject::connect(&simulator, &Simulator::AnalyzerSimulator::sweepStarted, &simulator,
                                 [this, &step, once, started, sweep] {
                                     // A sweep's length is fixed as it starts.
                                     if (++*started == sweep - 1)
                                         simulator.setSweepTimeMs(2000);
                                     if (*started < sweep)
                                         return;
                                     QObject::disconnect(*once);
                                     step.interrupt();
                                     device->interrupt();
                                 });
    }

    // The texts of the progress rows, oldest first, with " (cancelled)" after a cancelled one.
    QStringList progressTexts()
    {
        QStringList texts;
        QAbstractListModel* model = progress.model();
        for (int row = 0; row < model->rowCount(); ++row) {
            auto* watcher = model->data(model->index(row), details::Base::ValueRole).value<ProgressWatcher*>();
            texts << watcher->progressText() + (watcher->isCanceled() ? " (cancelled)" : "");
        }
        return texts;
    }

    StateFilesLock lock;
    WorkerThread worker;
    ProgressManager progress;
    Algorithms::ProcessInputParameters params;
    Fixture fixtureA;
    Fixture fixtureB;
    std::shared_ptr<VNAFixtureConnection> left;
    std::shared_ptr<VNAFixtureConnection> right;
    std::vector<std::shared_ptr<Step>> steps;
    QStringList errors;
    QTemporaryDir dir;
};
