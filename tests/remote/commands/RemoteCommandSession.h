#pragma once

#include "analyzer/facade/SyncedVnaDevice.h"
#include "remote/commands/GuiThreadBridge.h"
#include "remote/commands/NoltScpiCommands.h"
#include "remote/server/SocketRemoteControl.h"
#include "tests/app/support/BackendSession.h"
#include "tests/remote/server/ServerTestSupport.h"

#include <QRegularExpression>

#include <cmath>
#include <memory>
#include <vector>

// What one remote line left behind: its reply (empty when it sent none) and the
// code that the error queue held afterwards (0 for none).
struct RemoteOutcome
{
    QByteArray reply;
    int code = 0;
};

inline void PrintTo(const RemoteOutcome& outcome, std::ostream* out)
{
    *out << "reply \"" << outcome.reply.toStdString() << "\", code " << outcome.code;
}

// A backend against the simulator with the command set registered and its
// remote server on a free port, and remote clients connected to it.
class RemoteCommandSession : public BackendSession
{
protected:
    void TearDown() override
    {
        clients.clear();
        BackendSession::TearDown();
    }

    void startRemote()
    {
        startBackend();
        // The registry is per process and keeps its backend: each test runs in a
        // process of its own (as ctest runs them).
        static MainQmlBackend* registeredFor = nullptr;
        if (!registeredFor) {
            Orlix::Automation::registerNoltScpiCommands(backend.get());
            registeredFor = backend.get();
        }
        ASSERT_EQ(registeredFor, backend.get()) << "run each test in a process of its own";
        remotePort = RemoteTest::freePort();
        backend->getServerControl()->setPort(remotePort);
        client = connectClient();
        ASSERT_NE(client, nullptr);
    }

    // The analyzer answered, its sweep is known and the fixtures took their ports from
    // its count (a measurement begun before would end: its cabling changed).
    void startWithAnalyzer()
    {
        startRemote();
        ASSERT_TRUE(waitFor([this] {
            const SyncedVnaDevice* device = backend->getVnaDevice();
            return device->isReady() && device->portsCount() && device->stepFreq();
        }));
        ASSERT_TRUE(waitForAssignedPorts(*backend->getVnaDevice()->portsCount()));
    }

    RemoteTest::TestClient* connectClient()
    {
        clients.push_back(std::make_unique<RemoteTest::TestClient>());
        return clients.back()->connectTo(remotePort) ? clients.back().get() : nullptr;
    }

    // Sends the line, then reads the error queue.
    static RemoteOutcome run(RemoteTest::TestClient& on, const QByteArray& line, int timeoutMs = 5000)
    {
        on.send(line + "\nNOLT:SYSTem:ERRor?\n");
        RemoteOutcome outcome;
        QByteArray first = on.readLine(timeoutMs).trimmed();
        if (!isErrorEntry(first)) {
            outcome.reply = first;
            first = on.readLine(timeoutMs).trimmed();
        }
        outcome.code = codeOf(first);
        return outcome;
    }

    RemoteOutcome run(const QByteArray& line, int timeoutMs = 5000) { return run(*client, line, timeoutMs); }

    // A line's real reply, which must come without an error.
    double realReply(const QByteArray& line)
    {
        const RemoteOutcome outcome = run(line);
        EXPECT_EQ(outcome.code, 0) << line.toStdString();
        bool ok = false;
        const double value = outcome.reply.toDouble(&ok);
        EXPECT_TRUE(ok) << line.toStdString() << ": " << outcome.reply.toStdString();
        return value;
    }

    // A curve's values; every one must be a finite number.
    std::vector<double> curveReply(const QByteArray& line)
    {
        const RemoteOutcome outcome = run(line);
        EXPECT_EQ(outcome.code, 0) << line.toStdString();
        std::vector<double> values;
        for (const QByteArray& text : outcome.reply.split(',')) {
            bool ok = false;
            values.push_back(text.toDouble(&ok));
            EXPECT_TRUE(ok && std::isfinite(values.back())) << line.toStdString() << ": " << text.toStdString();
        }
        return values;
    }

    // Cancels as the busy page does once the analyzer starts its next sweep: the
    // steps learn of the cancel first, then the analyzer's reading is cut short (the
    // sweep is long enough for that on a loaded machine and ends with the abort).
    void cancelDuringTheNextSweep()
    {
        simulator.setSweepTimeMs(2000);
        auto once = std::make_shared<QMetaObject::Connection>();
        *once = QObject::connect(&simulator, &Simulator::AnalyzerSimulator::sweepStarted, &simulator, [this, once] {
            QObject::disconnect(*once);
            backend->getFixtureSetups()->interrupt();
            backend->getVnaDevice()->interrupt();
        });
    }

    static RemoteOutcome reply(const QByteArray& text) { return {text, 0}; }
    static RemoteOutcome done() { return {}; }
    static RemoteOutcome failed(int code) { return {{}, code}; }

    static bool isErrorEntry(const QByteArray& line)
    {
        return line == "0, No error" || QRegularExpression("^-\\d+, ").match(QString::fromLatin1(line)).hasMatch();
    }

    // -1 when the line is no error entry (nothing came back in time).
    static int codeOf(const QByteArray& entry)
    {
        if (!isErrorEntry(entry))
            return -1;
        return entry.startsWith('-') ? entry.mid(1, entry.indexOf(',') - 1).toInt() : 0;
    }

    int remotePort = 0;
    RemoteTest::TestClient* client = nullptr;
    std::vector<std::unique_ptr<RemoteTest::TestClient>> clients;
};

inline bool operator==(const RemoteOutcome& a, const RemoteOutcome& b)
{
    return a.reply == b.reply && a.code == b.code;
}
