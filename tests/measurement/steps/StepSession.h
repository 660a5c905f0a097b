#pragma once

#include "analyzer/threading/WorkerThread.h"
#include "engine/parameters/ProcessInputParameters.h"
#include "measurement/connections/ConnectionReflect.h"
#include "measurement/connections/ConnectionTransmisson.h"
#include "measurement/fixtures/Fixture.h"
#include "measurement/fixtures/VNAFixtureConnection.h"
#include "measurement/progress/ProgressManager.h"
#include "measurement/steps/Step.h"
#include "simulator/physics/FrequencyGrid.h"
#include "tests/analyzer/device/support/FacadeSession.h"
#include "tests/support/StateFilesLock.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QStringList>

#include <memory>

// Steps measuring a simulated analyzer over TCP: a 2-port analyzer (by default)
// sweeping a low-pass grid of 25 MHz steps up to 20 GHz, fixtures "A" on port 1
// and "B" on port 2, a backend worker and a progress list. The simulator is served
// by the test's thread, which every analyzer measurement keeps busy in its wait.
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
};
