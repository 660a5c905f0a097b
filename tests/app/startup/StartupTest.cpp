#include "analyzer/threading/QuitNotice.h"
#include "app/settings/Settings.h"
#include "app/startup/Application.h"
#include "app/startup/DisplayScaling.h"
#include "app/startup/FileDialogPresentation.h"
#include "app/startup/InterfaceRegistration.h"
#include "app/startup/LastWindowQuit.h"
#include "app/startup/Localization.h"
#include "app/startup/Restart.h"
#include "app/startup/TerminateHandler.h"
#include "tests/support/FileDialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QWindow>
#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include <exception>
#include <memory>
#include <stdexcept>
#include <thread>

namespace {

// Settings in a fresh working folder, as the program finds them at start.
class StoredSettings : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_previous = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        m_previousScale = qgetenv("QT_SCALE_FACTOR");
        qputenv("QT_SCALE_FACTOR", "0.75");
    }
    void TearDown() override
    {
        qputenv("QT_SCALE_FACTOR", m_previousScale);
        QDir::setCurrent(m_previous);
    }

private:
    QTemporaryDir m_dir;
    QString m_previous;
    QByteArray m_previousScale;
};

TEST_F(StoredSettings, AStoredScalingSetsTheScaleFactorAndNoneLeavesTheEnvironment)
{
    {
        Settings fresh;
        Startup::applyStoredScaling(fresh);
        EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), "0.75");
        fresh.scalingFactor = QStringLiteral("1.25");
    }
    Settings stored;
    Startup::applyStoredScaling(stored);
    EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), "1.25");
}

QString pageText() { return QCoreApplication::translate("main", "VNA NOT CONNECTED"); }
QString controlText() { return QCoreApplication::translate("PageWithReturn", "Return"); }

TEST(Localization, ShortAndLongRussianOptionsTranslatePagesAndControls)
{
    Startup::initPageResources();
    for (const char* option : {"-r", "--russian"}) {
        Startup::Localization localization;
        ASSERT_TRUE(localization.parse({QStringLiteral("nolt"), QString::fromLatin1(option)}));
        localization.install();
        EXPECT_EQ(pageText(), QStringLiteral("ВАЦ НЕ ПОДКЛЮЧЕН")) << option;
        EXPECT_EQ(controlText(), QStringLiteral("Вернуться")) << option;
    }
    Startup::Localization english;
    ASSERT_TRUE(english.parse({QStringLiteral("nolt"), QStringLiteral("-e")}));
    english.install();
    EXPECT_EQ(pageText(), QStringLiteral("VNA NOT CONNECTED"));
    EXPECT_EQ(controlText(), QStringLiteral("Return"));
}

// A save dialog declared as the pages declare theirs, opened, and the widget dialog it shows.
void openSaveDialog(QQmlEngine& engine, std::unique_ptr<QObject>& dialog, QFileDialog*& shown)
{
    QQmlComponent component(&engine);
    component.setData("import QtQuick 2.15\nimport QtQuick.Dialogs 1.3\nFileDialog { selectExisting: false }", QUrl());
    dialog.reset(component.create());
    ASSERT_TRUE(dialog) << component.errorString().toStdString();
    QMetaObject::invokeMethod(dialog.get(), "open");
    shown = shownFileDialog();
    ASSERT_NE(shown, nullptr);
}

bool readsRussian(const QString& text)
{
    return text.contains(QRegularExpression(QStringLiteral("[А-Яа-я]")));
}

// Qt's own texts: the file dialogs the pages open and the system's reasons the settings page quotes.
TEST(Localization, ARussianRunShowsQtsOwnTextsInRussian)
{
    Startup::Localization russian;
    ASSERT_TRUE(russian.parse({QStringLiteral("nolt"), QStringLiteral("-r")}));
    russian.install();

    QTcpServer holder;
    ASSERT_TRUE(holder.listen(QHostAddress::LocalHost));
    QTcpServer second;
    ASSERT_FALSE(second.listen(QHostAddress::LocalHost, holder.serverPort()));
    EXPECT_TRUE(readsRussian(second.errorString())) << second.errorString().toStdString();

    QQmlEngine engine;
    std::unique_ptr<QObject> dialog;
    QFileDialog* shown = nullptr;
    ASSERT_NO_FATAL_FAILURE(openSaveDialog(engine, dialog, shown));
    const QList<QPushButton*> buttons = shown->findChildren<QPushButton*>();
    QStringList texts;
    for (QPushButton* button : buttons) {
        if (button->isVisible())
            texts << button->text().remove(QLatin1Char('&'));
    }
    for (QLabel* label : shown->findChildren<QLabel*>()) {
        if (label->isVisible() && !label->text().isEmpty())
            texts << label->text().remove(QLatin1Char('&'));
    }
    EXPECT_TRUE(texts.contains(QStringLiteral("Сохранить"))) << texts.join(", ").toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("Отмена"))) << texts.join(", ").toStdString();
    for (const char* english : {"Save", "Cancel", "Look in:", "File name:", "Files of type:"})
        EXPECT_FALSE(texts.contains(QString::fromLatin1(english))) << english;
    QMetaObject::invokeMethod(dialog.get(), "close");
}

// Qt's file dialogs keep their layout in the user's settings: a scratch copy for the test.
class ScratchDialogSettings
{
public:
    ScratchDialogSettings() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path()); }
    ~ScratchDialogSettings()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    }
    ScratchDialogSettings(const ScratchDialogSettings&) = delete;
    ScratchDialogSettings& operator=(const ScratchDialogSettings&) = delete;

private:
    QTemporaryDir m_dir;
};

// A save dialog declared as the pages declare theirs, shown in a Russian run.
TEST(FileDialogs, ARussianRunListsSizesAndDatesInRussianWithThePlacesAndColumnsWhole)
{
    const ScratchDialogSettings scratch;
    {
        // A user once narrowed the places.
        QSettings stored(QSettings::UserScope, QStringLiteral("QtProject"));
        stored.setValue(QStringLiteral("FileDialog/sidebarWidth"), 40);
        stored.setValue(QStringLiteral("FileDialog/viewMode"), QStringLiteral("Detail"));
        stored.setValue(QStringLiteral("FileDialog/shortcuts"),
                        QStringList{QStringLiteral("file:"), QUrl::fromLocalFile(QDir::homePath()).toString()});
    }
    Startup::Localization russian;
    ASSERT_TRUE(russian.parse({QStringLiteral("nolt"), QStringLiteral("-r")}));
    russian.install();
    QObject context;
    Startup::presentFileDialogs(&context);

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile file(folder.filePath(QStringLiteral("setup.sta")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write("fourteen bytes"), 14);
    file.close();
    QFile larger(folder.filePath(QStringLiteral("fixture_1.s2p")));
    ASSERT_TRUE(larger.open(QIODevice::WriteOnly));
    ASSERT_EQ(larger.write(QByteArray(33410, 'x')), 33410);
    larger.close();

    QQmlEngine engine;
    std::unique_ptr<QObject> dialog;
    QFileDialog* shown = nullptr;
    ASSERT_NO_FATAL_FAILURE(openSaveDialog(engine, dialog, shown));

    const QStringList names = listedFileNames(shown, folder.path());
    const int row = names.indexOf(QStringLiteral("setup.sta"));
    ASSERT_GE(row, 0);
    QTreeView* details = fileDetails(shown);
    const QAbstractItemModel* files = details->model();
    const QModelIndex root = details->rootIndex();
    EXPECT_EQ(files->index(row, 1, root).data().toString(), QStringLiteral("14 байт"));
    // Kilobytes of 1000 bytes, as their unit says.
    const int largerRow = names.indexOf(QStringLiteral("fixture_1.s2p"));
    ASSERT_GE(largerRow, 0);
    EXPECT_EQ(files->index(largerRow, 1, root).data().toString(), QStringLiteral("33,41 кБ"));
    EXPECT_EQ(files->index(row, 3, root).data().toString(),
              QFileInfo(file).lastModified().toString(QStringLiteral("dd.MM.yyyy HH:mm")));

    // Every place ("Компьютер" the longest) and every column shows whole.
    auto* places = shown->findChild<QListView*>(QStringLiteral("sidebar"));
    ASSERT_NE(places, nullptr);
    EXPECT_GE(places->viewport()->width(), places->sizeHintForColumn(0));
    EXPECT_GE(details->viewport()->width(), details->header()->length());
    QMetaObject::invokeMethod(dialog.get(), "close");
}

TEST(Restart, TheNewInstanceGetsTheArgumentsWithoutTheProgramPath)
{
    EXPECT_EQ(Startup::restartArguments({QStringLiteral("/opt/nolt/nolt"), QStringLiteral("-r")}),
              QStringList{QStringLiteral("-r")});
    EXPECT_TRUE(Startup::restartArguments({QStringLiteral("/opt/nolt/nolt")}).isEmpty());
}

bool portIsFree(quint16 port)
{
    QTcpServer probe;
    return probe.listen(QHostAddress::Any, port);
}

// The new instance must find the remote-control port free and the settings of
// the old one on disk, so the old window is gone before the restart starts it.
TEST_F(StoredSettings, ARestartStartsTheNewInstanceOnlyOnceTheOldOneHasLetGo)
{
    QTcpServer free;
    ASSERT_TRUE(free.listen(QHostAddress::Any));
    const quint16 port = free.serverPort();
    free.close();

    Startup::registerSharedInterface();
    Startup::initPageResources();
    bool serverWasUp = false;
    QTimer::singleShot(0, [&] {
        serverWasUp = !portIsFree(port);
        auto* window = QGuiApplication::topLevelWindows().value(0);
        auto* backend = window ? qmlEngine(window)->findChild<MainQmlBackend*>() : nullptr;
        ASSERT_NE(backend, nullptr);
        backend->setScaling(QStringLiteral("1.5"));
        backend->restart();
    });

    BackendOptions options;
    options.remotePort = port;
    options.connectTimeLimit = std::chrono::milliseconds(250);
    int started = 0;
    const int result = Startup::runInstance(
        [&options](Settings& settings) {
            Startup::WindowRun run = Startup::runWindow(settings, options);
            // This process goes on with the tests after the restart.
            qApp->setProperty("restart", false);
            return run;
        },
        [&](const QString& program, const QStringList& arguments) {
            ++started;
            EXPECT_EQ(program, QCoreApplication::applicationFilePath());
            EXPECT_EQ(arguments, QCoreApplication::arguments().mid(1));
            EXPECT_TRUE(portIsFree(port));
            EXPECT_EQ(Settings().scalingFactor, QStringLiteral("1.5"));
            return true;
        });
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(serverWasUp);
    EXPECT_EQ(started, 1);
}

// A file dialog is a widget: closing it announces the last window closed while the main
// window still shows. Only the main window's close ends the program. The announcement
// comes only inside the application's event loop.
TEST(LastWindowQuit, AClosedDialogLeavesTheProgramRunningAndTheLastWindowEndsIt)
{
    QObject context;
    Startup::quitWithTheLastWindow(&context);
    int told = 0;
    const QuitNotice::Observation observation = QuitNotice::observe([&told] { ++told; });
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    QWindow mainWindow;
    QFileDialog dialog;
    int toldAfterTheDialog = -1;
    QTimer::singleShot(0, &context, [&] {
        mainWindow.show();
        dialog.show();
        if (QTest::qWaitForWindowExposed(&dialog)) {
            dialog.close();
            toldAfterTheDialog = told;
        }
        mainWindow.close();
        // Ends the loop also where the close did not.
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    });
    QApplication::exec();
    EXPECT_EQ(lastClosed.count(), 2);
    EXPECT_EQ(toldAfterTheDialog, 0);
    EXPECT_EQ(told, 1);
}

// A window tool may destroy the window instead of asking it to close; the program
// must not live on without it.
TEST(LastWindowQuit, AMainWindowDestroyedFromOutsideEndsTheProgram)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs the X test display";
    QObject context;
    Startup::quitWithTheLastWindow(&context);
    int told = 0;
    const QuitNotice::Observation observation = QuitNotice::observe([&told] { ++told; });
    QWindow mainWindow;
    mainWindow.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainWindow));
    const std::unique_ptr<Display, int (*)(Display*)> display(XOpenDisplay(nullptr), XCloseDisplay);
    ASSERT_NE(display, nullptr);
    XDestroyWindow(display.get(), static_cast<Window>(mainWindow.winId()));
    XFlush(display.get());
    EXPECT_TRUE(QTest::qWaitFor([&told] { return told == 1; }, 10000));
}

TEST(TerminateHandlerDeathTest, AnExceptionOnAnotherThreadAbortsWithItsTextOnTheErrorOutput)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            std::set_terminate(Startup::terminateHandler);
            std::thread([] { throw std::runtime_error("sweep buffer lost"); }).join();
        },
        "The NOLT faces a problem, please restart application or contact your Administrator\\.\n"
        "sweep buffer lost");
}

} // namespace
