#pragma once

#include "simulator/AnalyzerSimulator.h"
#include "tests/analyzer/device/support/QtPrinting.h"

#include <QString>
#include <QTcpServer>
#include <QStringList>

#include <gtest/gtest.h>

// A simulated analyzer listening on an ephemeral loopback port, served by the
// test's own thread (every wait of the code under test runs a nested event loop).
class SimulatorSession : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(simulator.listen()); }

    static QString host() { return QStringLiteral("127.0.0.1"); }

    // The lines received on the n-th connection (1-based) since the last clearLog().
    QStringList lines(int connection = 1) const
    {
        const QList<int> ids = simulator.connectionIds();
        return connection <= ids.size() ? simulator.receivedLines(ids[connection - 1]) : QStringList();
    }

    // The lines of every connection, one connection after the other in the
    // order they were opened: the main link's lines in order, also across a reconnect.
    QStringList allLines() const
    {
        QStringList all;
        for (const int id : simulator.connectionIds())
            all << simulator.receivedLines(id);
        return all;
    }

    // A loopback port with nothing listening: connecting to it is refused at once.
    static quint16 closedPort()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        const quint16 port = probe.serverPort();
        probe.close();
        return port;
    }

    Simulator::AnalyzerSimulator simulator;
};
