#pragma once

#include "analyzer/facade/SyncedVnaDevice.h"
#include "app/backend/MainQmlBackend.h"
#include "app/settings/Settings.h"
#include "measurement/fixtures/VNAFixtureConnection.h"
#include "measurement/setups/FixtureSetups.h"
#include "tests/analyzer/device/support/SimulatorSession.h"
#include "tests/support/StateFilesLock.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

#include <chrono>
#include <functional>
#include <memory>

// A backend in this process against the simulator (served by the test's thread),
// with its settings in a working directory of its own, the remote server on a free
// port, no pause between recalled setups, and every error and message collected.
class BackendSession : public SimulatorSession
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(lock.acquire());
        SimulatorSession::SetUp();
        ASSERT_TRUE(workingDirectory.isValid());
        previousDirectory = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(workingDirectory.path()));
        settings = std::make_unique<Settings>();
        settings->setIpAddress(QStringLiteral("127.0.0.1"));
        settings->setPort(simulator.port());
        // A quick, harmonic sweep.
        simulator.changeModel([](Simulator::AnalyzerModel& model) {
            model.channel(1).startFrequency = 50e6;
            model.channel(1).stopFrequency = 50e6 * 200;
            model.channel(1).points = 200;
        });
    }

    void TearDown() override
    {
        backend.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        settings.reset();
        QDir::setCurrent(previousDirectory);
        if (!temporaryName.isEmpty())
            QFile::remove(QDir(QCoreApplication::applicationDirPath()).filePath("tmp/tmp-" + temporaryName + ".sta"));
    }

    // A temporary setup of this test alone, named with a blank and a non-ASCII letter.
    void useTemporarySetup()
    {
        temporaryName = QString::fromUtf8("backend test \u00fc-%1").arg(QCoreApplication::applicationPid());
        settings->setLoadedStateFile(temporaryName);
    }

    void startBackend()
    {
        BackendOptions options;
        options.remotePort = 0;
        options.connectTimeLimit = std::chrono::milliseconds(250);
        options.recallPause = [this](std::chrono::milliseconds) { ++pauses; };
        backend = std::make_unique<MainQmlBackend>(settings.get(), nullptr, options);
        QObject::connect(backend.get(), &MainQmlBackend::error, [this](const QString& text) { errors << text; });
        QObject::connect(backend.get(), &MainQmlBackend::message, [this](const QString& text) { messages << text; });
    }

    // Serves events until the condition holds or the time is up.
    static bool waitFor(const std::function<bool()>& condition, int milliseconds = 3000)
    {
        QDeadlineTimer deadline(milliseconds);
        while (!condition() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return condition();
    }

    bool waitForPortsCount(int count)
    {
        return waitFor([this, count] { return backend->getVnaDevice()->portsCount() == count; });
    }

    // The analyzer's count has arrived and the first setup's fixtures took their
    // ports from it (announced after the cache was filled).
    bool waitForAssignedPorts(int count)
    {
        return waitForPortsCount(count)
            && waitFor([this] { return setups()->setup(0)->rightFixtureConn()->getAttachedVnaPort(0) == 1; });
    }

    // A measurement has ended for the analyzer once it has loaded its saved state
    // back (since the last clearLog()).
    bool measurementRestored() const
    {
        return !allLines().filter(QRegularExpression(QStringLiteral("^MMEMory:LOAD .*saveState"))).isEmpty();
    }

    FixtureSetups* setups() const { return backend->getFixtureSetups(); }
    NoltAlgorithmsSetup* setup(int row) const { return setups()->setup(row); }

    StateFilesLock lock;
    QTemporaryDir workingDirectory;
    QString previousDirectory;
    QString temporaryName;
    std::unique_ptr<Settings> settings;
    std::unique_ptr<MainQmlBackend> backend;
    QStringList errors;
    QStringList messages;
    int pauses = 0;
};
