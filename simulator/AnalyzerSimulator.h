#pragma once

#include "simulator/faults/Fault.h"
#include "simulator/model/AnalyzerModel.h"
#include "simulator/physics/LineCascade.h"
#include "simulator/world/FixtureWorld.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>

class QTcpServer;

namespace Simulator {

class ClientConnection;
class FaultInjector;
class ScpiCommandTable;
class SimulatedAnalyzer;
struct ReplyPlan;

// A stand-in for the analyzer's measurement software: a SCPI server on TCP
// (127.0.0.1) that answers the analyzer dialect the application speaks, one
// reply line per query, on any number of simultaneous connections.
//
// Behind the ports lies a simulated world (by default the 2x-thru of two
// different fixture halves on ports 1 and 2), measured with the port
// impedances and, when the fixture simulator's de-embedding is switched on with
// files loaded, with those files removed. A triggered sweep takes simulated time
// (setSweepTimeMs); "*OPC?" answers "1" when it ends or is aborted, and holds
// the lines after it on its connection meanwhile, while "ABORt" on another
// connection is served at once. State and calibration files are written and read
// at the given paths before the next line is read.
//
// Behaviour of its own where the application fixes none:
// - choosing a port's de-embedding file ("...:PORT<n>:USER:FILename") reads the
//   Touchstone file at once (port 1 faces the analyzer) and switches that port's
//   de-embedding on; it applies while the channel's de-embedding switch and the
//   fixture simulator are on as well;
// - "SYSTem:PRESet" clears calibrations, traces and de-embedding and sets 50 ohm
//   ports; the port count, the limits and the save type stay;
// - a calibration is bookkeeping: it sets the status replies ("C", "C?" when the
//   sweep lies inside the calibrated one, "C!" beyond it) but measurements are exact;
// - with continuous sweep off, trace data are those of the last sweep as long as
//   the trace's definition and the grid are unchanged; otherwise what the channel
//   would measure now;
// - frequencies are kept within [minFrequency, maxFrequency] with start <= stop;
// - lines it cannot carry out get no reply and are listed by rejectedLines().
//
// Typical test use:
//     Simulator::AnalyzerSimulator simulator;
//     ASSERT_TRUE(simulator.listen());            // ephemeral port
//     socket.connectToHost("127.0.0.1", simulator.port());
//     ... send lines, read replies ...
//     EXPECT_EQ(simulator.receivedLines(simulator.connectionIds().front()), expectedLines);
//
// Threads: the object serves its connections on the thread it lives on, which
// must run an event loop. Every public function may be called from any thread:
// from another one it is carried out on the simulator's thread while the caller
// waits. Signals are emitted on the simulator's thread. AnalyzerSimulatorThread
// runs a simulator on a thread of its own.
class AnalyzerSimulator : public QObject
{
    Q_OBJECT

public:
    // A preset, fully calibrated analyzer with 1 to 9 ports.
    explicit AnalyzerSimulator(int portCount = 2, QObject* parent = nullptr);
    ~AnalyzerSimulator() override;

    // --- Server -------------------------------------------------------------
    // Listens on 127.0.0.1; port 0 picks a free one. False when the port is taken.
    bool listen(quint16 port = 0);
    // The listening port; 0 while not listening.
    quint16 port() const;
    // Stops listening and closes every connection (the analyzer disappears).
    void close();
    // Closes every connection but goes on listening.
    void dropConnections();

    // --- Analyzer model -----------------------------------------------------
    // A copy of the whole analyzer state (settings, channels, calibrations,
    // de-embedding, hardware).
    AnalyzerModel model() const;
    // Changes the state in place, e.g.
    //     simulator.changeModel([](AnalyzerModel& m) { m.channel(1).points = 11; });
    void changeModel(const std::function<void(AnalyzerModel&)>& change);
    // Shorthands: "SYST:READy?" answers "0" while not ready; the port count
    // (1 to 9) is hardware that a preset keeps.
    void setReady(bool ready);
    void setPortCount(int count);

    // Duration of one triggered sweep of one channel (default 20 ms).
    int sweepTimeMs() const;
    void setSweepTimeMs(int milliseconds);
    bool isSweeping() const;

    // --- World behind the ports ----------------------------------------------
    // The fixture halves (each from its analyzer side) and the DUT that the
    // fixture worlds are made of; by default Physics::exampleLeftHalf(),
    // exampleRightHalf() and exampleDut().
    void setFixture(const Physics::LineCascade& left, const Physics::LineCascade& right,
                    const Physics::LineCascade& dut);
    // Thru (default), open, short or DUT in fixture.
    void setWorld(FixtureWorld::Arrangement arrangement);
    // An N-port Touchstone file as the world; false (world unchanged) when unreadable.
    bool setTouchstoneWorld(const QString& path);
    // "THRU", "OPEN", "SHORT", "DUT" or "FILE".
    QString worldName() const;

    // --- Log ----------------------------------------------------------------
    // The connections accepted since the start (after clearLog(): those still open
    // and those accepted since), numbered from 1 in the order of acceptance, so
    // the application's main link is usually 1 and its abort link 2.
    QList<int> connectionIds() const;
    // Every line received on the connection, in order, without its "\n".
    QStringList receivedLines(int connectionId) const;
    // The lines the analyzer did not carry out, each as line + " -> " + reason.
    QStringList rejectedLines(int connectionId) const;
    void clearLog();

    // --- Faults -------------------------------------------------------------
    // False when the fault's command is not a header of the analyzer.
    bool injectFault(const Fault& fault);
    void clearFaults();

signals:
    void connectionOpened(int connectionId);
    void connectionClosed(int connectionId);
    void lineReceived(int connectionId, const QString& line);
    void lineRejected(int connectionId, const QString& line, const QString& reason);
    void sweepStarted();
    void sweepFinished(bool aborted);

private:
    Q_INVOKABLE void runQueuedCalls();
    void acceptConnections();
    ReplyPlan handleLine(int connectionId, const QString& line);
    void rebuildFixtureWorld();
    template <typename Function>
    auto onOwnThread(Function function) const;

    QTcpServer* m_server;
    SimulatedAnalyzer* m_analyzer;
    std::unique_ptr<ScpiCommandTable> m_commands;
    std::unique_ptr<FaultInjector> m_faults;
    std::map<int, ClientConnection*> m_connections;
    int m_nextConnectionId = 1;
    QList<int> m_connectionIds;
    std::map<int, QStringList> m_received;
    std::map<int, QStringList> m_rejected;
    Physics::LineCascade m_left;
    Physics::LineCascade m_right;
    Physics::LineCascade m_dut;
    FixtureWorld::Arrangement m_arrangement = FixtureWorld::Arrangement::Thru;
    bool m_fileWorld = false;
    mutable std::mutex m_callsMutex;
    mutable std::deque<std::function<void()>> m_calls;
};

} // namespace Simulator
