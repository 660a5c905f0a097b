#include "simulator/AnalyzerSimulator.h"

#include "simulator/dialect/AnalyzerCommands.h"
#include "simulator/dialect/ControlCommands.h"
#include "simulator/faults/FaultInjector.h"
#include "simulator/files/NetworkFile.h"
#include "simulator/instrument/SimulatedAnalyzer.h"
#include "simulator/physics/ExampleFixtures.h"
#include "simulator/scpi/ScpiCommandTable.h"
#include "simulator/server/ClientConnection.h"
#include "simulator/server/ReplyPlan.h"
#include "simulator/world/TouchstoneWorld.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <future>

namespace Simulator {

// Calls from other threads travel through a queue of our own, guarded by a
// standard mutex, and come back through a promise; the Qt event only wakes the
// simulator's thread. Thread checkers thus see every hand-over.
template <typename Function>
auto AnalyzerSimulator::onOwnThread(Function function) const
{
    if (QThread::currentThread() == thread())
        return function();
    std::packaged_task<decltype(function())()> task(std::move(function));
    auto result = task.get_future();
    {
        std::lock_guard<std::mutex> lock(m_callsMutex);
        m_calls.push_back([&task] { task(); });
    }
    QMetaObject::invokeMethod(const_cast<AnalyzerSimulator*>(this), "runQueuedCalls", Qt::QueuedConnection);
    return result.get();
}

void AnalyzerSimulator::runQueuedCalls()
{
    for (;;) {
        std::function<void()> call;
        {
            std::lock_guard<std::mutex> lock(m_callsMutex);
            if (m_calls.empty())
                return;
            call = std::move(m_calls.front());
            m_calls.pop_front();
        }
        call();
    }
}

AnalyzerSimulator::AnalyzerSimulator(int portCount, QObject* parent)
    : QObject(parent)
    , m_server(new QTcpServer(this))
    , m_commands(std::make_unique<ScpiCommandTable>())
    , m_faults(std::make_unique<FaultInjector>())
    , m_left(Physics::exampleLeftHalf())
    , m_right(Physics::exampleRightHalf())
    , m_dut(Physics::exampleDut())
{
    m_analyzer = new SimulatedAnalyzer(
        portCount, std::make_shared<FixtureWorld>(m_arrangement, m_left, m_right, m_dut), this);
    connect(m_analyzer, &SimulatedAnalyzer::sweepStarted, this, &AnalyzerSimulator::sweepStarted);
    connect(m_analyzer, &SimulatedAnalyzer::sweepFinished, this, [this](bool aborted) {
        for (const auto& entry : m_connections)
            entry.second->resumeWhenIdle();
        emit sweepFinished(aborted);
    });
    connect(m_server, &QTcpServer::newConnection, this, &AnalyzerSimulator::acceptConnections);

    addAnalyzerCommands(*m_commands, *m_analyzer, &readTwoPortFile);
    ControlTargets targets;
    targets.selectFixtureWorld = [this](FixtureWorld::Arrangement arrangement) { setWorld(arrangement); };
    targets.selectFileWorld = [this](const QString& path) { return setTouchstoneWorld(path); };
    targets.injectFault = [this](const Fault& fault) { return injectFault(fault); };
    targets.clearFaults = [this] { clearFaults(); };
    addControlCommands(*m_commands, *m_analyzer, std::move(targets));
}

AnalyzerSimulator::~AnalyzerSimulator()
{
    // The connections go first, so that nothing they do on closing reaches a
    // simulator whose members are already gone.
    for (const auto& entry : m_connections) {
        entry.second->disconnect(this);
        delete entry.second;
    }
}

bool AnalyzerSimulator::listen(quint16 port)
{
    return onOwnThread([this, port] { return m_server->listen(QHostAddress::LocalHost, port); });
}

quint16 AnalyzerSimulator::port() const
{
    return onOwnThread([this] { return m_server->isListening() ? m_server->serverPort() : quint16(0); });
}

void AnalyzerSimulator::close()
{
    onOwnThread([this] {
        m_server->close();
        dropConnections();
    });
}

void AnalyzerSimulator::dropConnections()
{
    onOwnThread([this] {
        const auto connections = m_connections;
        for (const auto& entry : connections)
            entry.second->drop();
    });
}

void AnalyzerSimulator::acceptConnections()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        const int id = m_nextConnectionId++;
        auto* connection = new ClientConnection(
            id, socket, [this](int connectionId, const QString& line) { return handleLine(connectionId, line); },
            [this] { return !m_analyzer->isSweeping(); }, this);
        m_connections.emplace(id, connection);
        m_connectionIds.append(id);
        m_received[id];
        m_rejected[id];
        connect(connection, &ClientConnection::lineReceived, this, [this](int connectionId, const QString& line) {
            m_received[connectionId].append(line);
            emit lineReceived(connectionId, line);
        });
        connect(connection, &ClientConnection::closed, this, [this](int connectionId) {
            const auto found = m_connections.find(connectionId);
            if (found == m_connections.end())
                return;
            found->second->deleteLater();
            m_connections.erase(found);
            emit connectionClosed(connectionId);
        });
        emit connectionOpened(id);
    }
}

ReplyPlan AnalyzerSimulator::handleLine(int connectionId, const QString& line)
{
    auto reject = [&](const QString& reason) {
        m_rejected[connectionId].append(line + " -> " + reason);
        emit lineRejected(connectionId, line, reason);
        return ReplyPlan{};
    };

    const auto parsed = ScpiLine::parse(line);
    if (!parsed) {
        if (line.trimmed().isEmpty())
            return {};
        return reject("Malformed header");
    }
    const auto match = m_commands->find(*parsed);
    if (!match)
        return reject("Undefined header");

    const auto fault = m_faults->take(match->entryIndex, parsed->isQuery);
    ReplyPlan plan;
    if (fault && fault->kind == Fault::Kind::DropConnection) {
        plan.dropConnection = true;
        return plan;
    }
    if (fault && fault->kind == Fault::Kind::Refused)
        return reject("Refused by an injected fault");

    const ScpiResult result = m_commands->entry(match->entryIndex).handler({*parsed, match->suffixes});
    switch (result.kind) {
    case ScpiResult::Kind::Done:
        return plan;
    case ScpiResult::Kind::Rejected:
        return reject(result.text);
    case ScpiResult::Kind::Reply:
        plan.reply = result.text;
        break;
    case ScpiResult::Kind::ReplyWhenIdle:
        plan.reply = result.text;
        plan.waitForIdle = true;
        break;
    }

    if (!fault)
        return plan;
    switch (fault->kind) {
    case Fault::Kind::NoReply:
        plan.reply.reset();
        break;
    case Fault::Kind::LateReply:
        plan.delayMs = fault->delayMs;
        break;
    case Fault::Kind::SplitReply:
        plan.segments = fault->segments;
        plan.segmentGapMs = fault->delayMs;
        break;
    case Fault::Kind::DoubledReply:
        plan.doubled = true;
        break;
    case Fault::Kind::DropConnection:
    case Fault::Kind::Refused:
        break;
    }
    return plan;
}

AnalyzerModel AnalyzerSimulator::model() const
{
    return onOwnThread([this] { return m_analyzer->model(); });
}

void AnalyzerSimulator::changeModel(const std::function<void(AnalyzerModel&)>& change)
{
    onOwnThread([this, &change] { change(m_analyzer->model()); });
}

void AnalyzerSimulator::setReady(bool ready)
{
    changeModel([ready](AnalyzerModel& model) { model.ready = ready; });
}

void AnalyzerSimulator::setPortCount(int count)
{
    changeModel([count](AnalyzerModel& model) { model.setPortCount(count); });
}

int AnalyzerSimulator::sweepTimeMs() const
{
    return onOwnThread([this] { return m_analyzer->sweepTimeMs(); });
}

void AnalyzerSimulator::setSweepTimeMs(int milliseconds)
{
    onOwnThread([this, milliseconds] { m_analyzer->setSweepTimeMs(milliseconds); });
}

bool AnalyzerSimulator::isSweeping() const
{
    return onOwnThread([this] { return m_analyzer->isSweeping(); });
}

void AnalyzerSimulator::setFixture(const Physics::LineCascade& left, const Physics::LineCascade& right,
                                   const Physics::LineCascade& dut)
{
    onOwnThread([&] {
        m_left = left;
        m_right = right;
        m_dut = dut;
        if (!m_fileWorld)
            rebuildFixtureWorld();
    });
}

void AnalyzerSimulator::setWorld(FixtureWorld::Arrangement arrangement)
{
    onOwnThread([this, arrangement] {
        m_arrangement = arrangement;
        m_fileWorld = false;
        rebuildFixtureWorld();
    });
}

void AnalyzerSimulator::rebuildFixtureWorld()
{
    m_analyzer->setWorld(std::make_shared<FixtureWorld>(m_arrangement, m_left, m_right, m_dut));
}

bool AnalyzerSimulator::setTouchstoneWorld(const QString& path)
{
    return onOwnThread([this, &path] {
        auto network = readNetworkFile(path);
        if (!network)
            return false;
        m_fileWorld = true;
        m_analyzer->setWorld(std::make_shared<TouchstoneWorld>(std::move(*network)));
        return true;
    });
}

QString AnalyzerSimulator::worldName() const
{
    return onOwnThread([this] { return m_analyzer->world().name(); });
}

QList<int> AnalyzerSimulator::connectionIds() const
{
    return onOwnThread([this] { return m_connectionIds; });
}

QStringList AnalyzerSimulator::receivedLines(int connectionId) const
{
    return onOwnThread([this, connectionId] {
        const auto found = m_received.find(connectionId);
        return found == m_received.end() ? QStringList() : found->second;
    });
}

QStringList AnalyzerSimulator::rejectedLines(int connectionId) const
{
    return onOwnThread([this, connectionId] {
        const auto found = m_rejected.find(connectionId);
        return found == m_rejected.end() ? QStringList() : found->second;
    });
}

void AnalyzerSimulator::clearLog()
{
    onOwnThread([this] {
        m_connectionIds.clear();
        m_received.clear();
        m_rejected.clear();
        for (const auto& entry : m_connections) {
            m_connectionIds.append(entry.first);
            m_received[entry.first];
            m_rejected[entry.first];
        }
    });
}

bool AnalyzerSimulator::injectFault(const Fault& fault)
{
    return onOwnThread([this, &fault] {
        if (fault.command.isEmpty()) {
            m_faults->add(fault, std::nullopt);
            return true;
        }
        const auto header = ScpiLine::parse(fault.command);
        const auto match = header ? m_commands->find(*header) : std::nullopt;
        if (!match)
            return false;
        m_faults->add(fault, match->entryIndex);
        return true;
    });
}

void AnalyzerSimulator::clearFaults()
{
    onOwnThread([this] { m_faults->clear(); });
}

} // namespace Simulator
