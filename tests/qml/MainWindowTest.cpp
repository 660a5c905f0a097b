#include "measurement/setups/FixtureSetups.h"
#include "measurement/setups/NoltAlgorithmsSetup.h"
#include "measurement/steps/Step.h"
#include "measurement/steps/TransmissionStep.h"
#include "remote/commands/NoltScpiCommands.h"
#include "remote/server/SocketRemoteControl.h"
#include "tests/qml/WindowSession.h"
#include "tests/support/VisibleItems.h"

#include <QAbstractItemModel>
#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <optional>
#include <thread>

namespace {

constexpr int StepsPage = 0;
constexpr int WaitingPage = 1;
constexpr int BusyPage = 2;
// Generous: the program answers at once unless its window's thread is stuck.
constexpr int AnswerTimeLimitMs = 20000;

// Asks the remote control from a thread of its own, while this one serves the window: the
// answer comes only when the window's thread is free to give it. No value when none comes
// within the time.
std::optional<QString> askAside(quint16 port, const QString& command)
{
    std::optional<QString> answer;
    std::atomic<bool> done{false};
    std::thread asker([&] {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        if (socket.waitForConnected(AnswerTimeLimitMs)) {
            socket.write((command + "\n").toLatin1());
            const QDeadlineTimer deadline(AnswerTimeLimitMs);
            while (!socket.canReadLine() && !deadline.hasExpired()
                   && socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
            }
            if (socket.canReadLine())
                answer = QString::fromLatin1(socket.readLine()).trimmed();
        }
        done = true;
    });
    // The asker gives up on its own in time; this thread serves the window meanwhile.
    const bool askerEnded = QTest::qWaitFor([&] { return done.load(); }, 3 * AnswerTimeLimitMs);
    asker.join();
    return askerEnded ? answer : std::nullopt;
}

class MainWindowTest : public WindowSession
{
protected:
    int shownPage() const { return property(QStringLiteral("mainLayout"), "currentIndex").toInt(); }
    QString status() const { return property(QStringLiteral("statusLabel"), "text").toString(); }
};

TEST_F(MainWindowTest, WaitsForAConnectedAndReadyAnalyzerBeforeTheWizard)
{
    EXPECT_EQ(status(), "VNA NOT CONNECTED");
    EXPECT_EQ(shownPage(), WaitingPage);
    EXPECT_TRUE(property(QStringLiteral("nextButton"), "visible").toBool());
    EXPECT_FALSE(property(QStringLiteral("nextButton"), "enabled").toBool());

    simulator.setReady(false);
    connectAnalyzer();
    ASSERT_TRUE(waitFor([&] { return status() == "VNA CONNECTED NOT READY"; })) << status().toStdString();
    EXPECT_EQ(shownPage(), WaitingPage);
    EXPECT_TRUE(property(QStringLiteral("statusLabel"), "hasError").toBool());

    simulator.setReady(true);
    refresh();
    ASSERT_TRUE(waitFor([&] { return shownPage() == StepsPage; }));
    EXPECT_TRUE(status().contains(QRegularExpression(QStringLiteral("^.+ SN:.+ SV:.+ Plug-in v1\\.4\\.1$"))))
        << status().toStdString();
    EXPECT_FALSE(property(QStringLiteral("statusLabel"), "hasError").toBool());
    EXPECT_TRUE(property(QStringLiteral("nextButton"), "enabled").toBool());
    EXPECT_FALSE(property(QStringLiteral("backButton"), "enabled").toBool());

    click(QStringLiteral("nextButton"));
    EXPECT_EQ(property(QStringLiteral("stepsPage"), "currentStep").toInt(), 1);
    EXPECT_TRUE(property(QStringLiteral("backButton"), "enabled").toBool());
}

TEST_F(MainWindowTest, StaysBusyUntilTheLastMeasuringStepHasFinished)
{
    connectAnalyzer();
    ASSERT_TRUE(waitFor([&] { return shownPage() == StepsPage; }));
    NoltAlgorithmsSetup* setup = backend->getFixtureSetups()->setup(0);
    // Two reflect steps, one per fixture.
    setup->setAbThruConnectionEnabled(false);
    QCoreApplication::processEvents();
    const auto steps = setup->steps().rows();
    ASSERT_GE(steps.size(), 2u);

    emit steps[0]->started();
    emit steps[1]->started();
    EXPECT_EQ(shownPage(), BusyPage);
    emit steps[0]->finished();
    EXPECT_EQ(shownPage(), BusyPage);
    emit steps[0]->finished();
    EXPECT_EQ(shownPage(), BusyPage);
    emit steps[1]->finished();
    EXPECT_EQ(shownPage(), StepsPage);

    // Losing the analyzer while measuring goes back to waiting.
    emit steps[0]->started();
    simulator.setReady(false);
    refresh();
    EXPECT_TRUE(waitFor([&] { return shownPage() == WaitingPage; }));
}

TEST_F(MainWindowTest, ListsNotificationsNewestFirst)
{
    emit backend->error(QStringLiteral("Not enough number of ports"));
    emit backend->message(QStringLiteral("Save setup was performed: C:/measurements/fixtures/board-17/left-and-right/a.sta"));

    auto* model = window->findChild<QAbstractItemModel*>(QStringLiteral("notificationModel"));
    ASSERT_NE(model, nullptr);
    ASSERT_EQ(model->rowCount(), 2);
    const int textRole = model->roleNames().key("text");
    const int typeRole = model->roleNames().key("type");
    const QRegularExpression minute(QStringLiteral("^\\d{1,2}:\\d\\d: "));
    EXPECT_TRUE(model->index(0, 0).data(textRole).toString().contains(minute));
    EXPECT_TRUE(model->index(0, 0).data(textRole).toString().endsWith("board-17/left-and-right/a.sta"));
    EXPECT_EQ(model->index(0, 0).data(typeRole).toString(), "message");
    EXPECT_TRUE(model->index(1, 0).data(textRole).toString().endsWith(": Not enough number of ports"));
    EXPECT_EQ(model->index(1, 0).data(typeRole).toString(), "error");

    // The list button opens the drawer and closes it again.
    auto* drawer = window->findChild<QObject*>(QStringLiteral("notificationDrawer"));
    ASSERT_NE(drawer, nullptr);
    click(QStringLiteral("notificationsButton"));
    ASSERT_TRUE(waitFor([&] { return drawer->property("opened").toBool(); }));
    // A long path wraps, leaving every row its close button.
    QQuickItem* list = visibleItemsNamed(window, QStringLiteral("notifications")).value(0);
    ASSERT_NE(list, nullptr);
    const QRectF listRect = list->mapRectToScene(QRectF(0, 0, list->width(), list->height()));
    const QList<QQuickItem*> closeButtons = visibleItemsNamed(window, QStringLiteral("closeButton"));
    ASSERT_EQ(closeButtons.size(), 2);
    for (QQuickItem* button : closeButtons)
        EXPECT_TRUE(listRect.contains(button->mapRectToScene(QRectF(0, 0, button->width(), button->height()))));
    click(QStringLiteral("notificationsButton"));
    EXPECT_TRUE(waitFor([&] { return !drawer->property("visible").toBool(); }));
}

// A damaged file of megabytes, one line of text or nothing but zero bytes, is refused in a
// notification that quotes only the start of it, zero bytes escaped, with its close button in
// sight; and the program answers the remote control meanwhile.
TEST_F(MainWindowTest, ADamagedFileOfMegabytesIsQuotedShortAndTheProgramKeepsAnswering)
{
    connectAnalyzer();
    ASSERT_TRUE(waitFor([&] { return shownPage() == StepsPage; }));
    // The command registry is per process and keeps its backend: ctest runs each test alone.
    Orlix::Automation::registerNoltScpiCommands(backend.get());
    auto* server = backend->getServerControl();
    const quint16 port = closedPort();
    server->setPort(port);
    ASSERT_TRUE(server->isListening());
    auto* thru = qobject_cast<TransmissionStep*>(backend->getFixtureSetups()->setup(0)->steps().rows().front().get());
    ASSERT_NE(thru, nullptr);
    auto* model = window->findChild<QAbstractItemModel*>(QStringLiteral("notificationModel"));
    ASSERT_NE(model, nullptr);
    const int textRole = model->roleNames().key("text");

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("damaged.s2p"));
    const std::pair<char, QString> contents[] = {{'\0', QStringLiteral("\\x00\\x00")}, {'x', QStringLiteral("xx")}};
    for (const auto& [byte, quoted] : contents) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(QByteArray(1536000, byte)), 1536000);
        file.close();
        const int rows = model->rowCount();
        QSignalSpy finished(thru, &Step::finished);
        thru->measureFromTouchstoneFile(path);
        EXPECT_EQ(askAside(port, QStringLiteral("NOLT:SYSTem:READy?")), QString("1"));
        ASSERT_TRUE(finished.count() > 0 || finished.wait(AnswerTimeLimitMs));
        ASSERT_TRUE(waitFor([&] { return model->rowCount() == rows + 1; }));
        const QString text = model->index(0, 0).data(textRole).toString();
        EXPECT_TRUE(text.contains(QStringLiteral("The file damaged.s2p is damaged: line 1: \"") + quoted))
            << text.left(200).toStdString();
        EXPECT_LE(text.size(), 200);
        EXPECT_FALSE(text.contains(QChar(0)));
    }

    click(QStringLiteral("notificationsButton"));
    auto* drawer = window->findChild<QObject*>(QStringLiteral("notificationDrawer"));
    ASSERT_NE(drawer, nullptr);
    ASSERT_TRUE(waitFor([&] { return drawer->property("opened").toBool(); }));
    QQuickItem* list = visibleItemsNamed(window, QStringLiteral("notifications")).value(0);
    ASSERT_NE(list, nullptr);
    QMetaObject::invokeMethod(list, "positionViewAtBeginning");
    const QRectF listRect = list->mapRectToScene(QRectF(0, 0, list->width(), list->height()));
    // Both rows, each with its close button, in the drawer at once.
    const QList<QQuickItem*> closeButtons = visibleItemsNamed(list, QStringLiteral("closeButton"));
    ASSERT_EQ(closeButtons.size(), 2);
    for (QQuickItem* button : closeButtons)
        EXPECT_TRUE(listRect.contains(button->mapRectToScene(QRectF(0, 0, button->width(), button->height()))));
}

TEST_F(MainWindowTest, PortFieldsTakeFinishedWholePortsFrom1To65535AndOtherwiseShowThePortInUseAndWhy)
{
    SyncedVnaDevice* device = backend->getVnaDevice();
    auto* server = backend->getServerControl();
    click(QStringLiteral("settingsButton"));
    ASSERT_TRUE(waitFor([&] { return item(QStringLiteral("analyzerPort")) != nullptr; }));
    EXPECT_TRUE(property(QStringLiteral("settingsButton"), "checked").toBool());
    const auto shown = [this](const char* field) { return property(field, "text").toString(); };
    const auto reason = [this](const char* field) {
        QQuickItem* line = item(QString::fromLatin1(field) + QStringLiteral("Refusal"));
        return line && line->isVisible() ? line->property("text").toString() : QString();
    };

    // Only the finished entry counts.
    const ushort analyzerPort = device->port();
    typeInto(QStringLiteral("analyzerPort"), QStringLiteral("7000"));
    EXPECT_EQ(device->port(), analyzerPort);
    QTest::keyClick(window, Qt::Key_Return);
    EXPECT_EQ(device->port(), 7000);
    EXPECT_EQ(settings->port, 7000u);
    for (const QString& refused : {QStringLiteral("0"), QStringLiteral("65536"), QStringLiteral("99999")}) {
        typeInto(QStringLiteral("analyzerPort"), refused);
        QTest::keyClick(window, Qt::Key_Return);
        EXPECT_EQ(device->port(), 7000) << refused.toStdString();
        EXPECT_EQ(settings->port, 7000u) << refused.toStdString();
        EXPECT_EQ(shown("analyzerPort"), "7000") << refused.toStdString();
        EXPECT_EQ(reason("analyzerPort"), "A port is a whole number from 1 to 65535; port 7000 stays in use.");
    }
    // Letters cannot be typed; typing again drops the reason, and leaving the field finishes the entry.
    typeInto(QStringLiteral("analyzerPort"), QStringLiteral("x5x"));
    EXPECT_EQ(shown("analyzerPort"), "5");
    EXPECT_EQ(reason("analyzerPort"), "");
    item(QStringLiteral("serverPort"))->forceActiveFocus();
    EXPECT_EQ(device->port(), 5);

    const int serverPort = closedPort();
    typeInto(QStringLiteral("serverPort"), QString::number(serverPort));
    QTest::keyClick(window, Qt::Key_Return);
    ASSERT_EQ(server->port(), serverPort);
    for (const QString& refused : {QStringLiteral("0"), QStringLiteral("65536"), QStringLiteral("99999")}) {
        typeInto(QStringLiteral("serverPort"), refused);
        item(QStringLiteral("analyzerPort"))->forceActiveFocus();
        EXPECT_EQ(server->port(), serverPort) << refused.toStdString();
        EXPECT_EQ(shown("serverPort"), QString::number(serverPort)) << refused.toStdString();
        EXPECT_EQ(reason("serverPort"),
                  QStringLiteral("A port is a whole number from 1 to 65535; port %1 stays in use.").arg(serverPort));
    }
    EXPECT_TRUE(server->isListening());

    // A port another program holds: the server stays where it listens.
    QTcpServer occupant;
    ASSERT_TRUE(occupant.listen(QHostAddress::LocalHost, 0));
    typeInto(QStringLiteral("serverPort"), QString::number(occupant.serverPort()));
    QTest::keyClick(window, Qt::Key_Return);
    EXPECT_EQ(server->port(), serverPort);
    EXPECT_TRUE(server->isListening());
    EXPECT_EQ(shown("serverPort"), QString::number(serverPort));
    EXPECT_TRUE(reason("serverPort").startsWith(QStringLiteral("Port %1 cannot be used (").arg(occupant.serverPort())))
        << reason("serverPort").toStdString();
}

TEST_F(MainWindowTest, F9TogglesTheTestModeWhereverTheFocusIs)
{
    connectAnalyzer();
    ASSERT_TRUE(waitFor([&] { return shownPage() == StepsPage; }));
    click(QStringLiteral("settingsButton"));
    ASSERT_TRUE(waitFor([&] { return item(QStringLiteral("analyzerAddress")) != nullptr; }));
    item(QStringLiteral("analyzerAddress"))->forceActiveFocus();

    pressShortcut(Qt::Key_F9);
    EXPECT_TRUE(waitFor([&] { return property(QStringLiteral("testModePage"), "visible").toBool(); }));
    EXPECT_FALSE(property(QStringLiteral("settingsButton"), "checked").toBool());

    pressShortcut(Qt::Key_F9);
    EXPECT_TRUE(waitFor([&] { return !property(QStringLiteral("testModePage"), "visible").toBool(); }));
    EXPECT_TRUE(property(QStringLiteral("stepsPage"), "visible").toBool());
}

} // namespace
