#include "tests/remote/server/ServerTestSupport.h"

#include <QSignalSpy>

namespace RemoteTest {
namespace {

using ServerSwitching = ServerTest;

TEST_F(ServerSwitching, ListensFromConstructionOnLoopback)
{
    EXPECT_TRUE(server->isEnabled());
    EXPECT_EQ(server->port(), port);
    TestClient client;
    ASSERT_TRUE(client.connectTo(port));
    EXPECT_EQ(client.query("*OPC?"), "1\n");
}

TEST_F(ServerSwitching, SwitchingOffClosesClientsAndSwitchingOnListensAgain)
{
    QSignalSpy enabledChanged(server.get(), &Orlix::Automation::RemoteControl::enabledChanged);
    TestClient client;
    ASSERT_TRUE(client.connectTo(port));
    ASSERT_EQ(client.query("*OPC?"), "1\n");

    server->setEnabled(false);
    EXPECT_TRUE(client.waitForDisconnection());
    TestClient refused;
    EXPECT_FALSE(refused.connectTo(port));

    server->setEnabled(true);
    server->setEnabled(true);
    EXPECT_EQ(enabledChanged.count(), 2);
    TestClient again;
    ASSERT_TRUE(again.connectTo(port));
    EXPECT_EQ(again.query("*OPC?"), "1\n");
}

TEST_F(ServerSwitching, ChangingThePortClosesClientsAndMovesTheServer)
{
    QSignalSpy portChanged(server.get(), &Orlix::Automation::RemoteControl::portChanged);
    QSignalSpy listening(server.get(), &Orlix::Automation::RemoteControl::listen);
    TestClient client;
    ASSERT_TRUE(client.connectTo(port));

    const int newPort = freePort();
    server->setPort(newPort);
    EXPECT_EQ(portChanged.count(), 1);
    EXPECT_EQ(listening.count(), 1);
    EXPECT_TRUE(client.waitForDisconnection());
    TestClient oldPort;
    EXPECT_FALSE(oldPort.connectTo(port));
    TestClient moved;
    ASSERT_TRUE(moved.connectTo(newPort));
    EXPECT_EQ(moved.query("*OPC?"), "1\n");
}

TEST_F(ServerSwitching, PortChangeWhileOffOnlyStoresThePort)
{
    server->setEnabled(false);
    QSignalSpy listening(server.get(), &Orlix::Automation::RemoteControl::listen);
    const int newPort = freePort();
    server->setPort(newPort);
    EXPECT_EQ(listening.count(), 0);
    server->setEnabled(true);
    EXPECT_EQ(listening.count(), 1);
    TestClient client;
    ASSERT_TRUE(client.connectTo(newPort));
}

TEST_F(ServerSwitching, APortInUseIsReportedAndTheServerRecoversOnTheNextChange)
{
    QTcpServer occupant;
    ASSERT_TRUE(occupant.listen(QHostAddress::LocalHost, 0));
    QSignalSpy errors(server.get(), &Orlix::Automation::RemoteControl::error);
    server->setPort(occupant.serverPort());
    ASSERT_EQ(errors.count(), 1);
    EXPECT_FALSE(errors.at(0).at(0).toString().isEmpty());
    EXPECT_TRUE(server->isEnabled());

    const int newPort = freePort();
    server->setPort(newPort);
    TestClient client;
    ASSERT_TRUE(client.connectTo(newPort));
    EXPECT_EQ(client.query("*OPC?"), "1\n");
}

TEST_F(ServerSwitching, APortOutsideTheTcpRangeIsRefusedAndListensNowhere)
{
    QSignalSpy errors(server.get(), &Orlix::Automation::RemoteControl::error);
    QSignalSpy listening(server.get(), &Orlix::Automation::RemoteControl::listen);
    TestClient client;
    ASSERT_TRUE(client.connectTo(port));

    for (const int invalid : {65536 + port, -1}) {
        server->setPort(invalid);
        EXPECT_EQ(server->port(), invalid);
    }
    EXPECT_EQ(errors.count(), 2);
    EXPECT_EQ(listening.count(), 0);
    EXPECT_TRUE(client.waitForDisconnection());
    TestClient oldPort;
    EXPECT_FALSE(oldPort.connectTo(port)) << "the old port is given up as with any port change";

    server->setPort(port);
    TestClient again;
    ASSERT_TRUE(again.connectTo(port));
    EXPECT_EQ(again.query("*OPC?"), "1\n");
}

} // namespace
} // namespace RemoteTest
