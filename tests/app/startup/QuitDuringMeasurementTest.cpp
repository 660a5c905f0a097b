#include "tests/simulator/support/ScpiTestClient.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <memory>
#include <optional>
#include <string>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

constexpr quint16 RemotePort = 5026;
// What a quit may take at most: the analyzer's budget once the program quits, and
// the teardown after it.
constexpr int QuitTimeLimitMs = 10000;
// The same against an analyzer whose every reply is a second late.
constexpr int SlowQuitTimeLimitMs = 15000;

// Reads the port that the simulator announces on its first output line.
quint16 announcedPort(QProcess& program)
{
    if (!program.waitForReadyRead(10000))
        return 0;
    const auto match = QRegularExpression("listening on 127\\.0\\.0\\.1:(\\d+)").match(program.readAllStandardOutput());
    return match.hasMatch() ? static_cast<quint16>(match.captured(1).toUInt()) : 0;
}

// Held while the test owns the remote-control port: another test run on this
// machine (the acceptance walk of a suite run side by side) takes it the same way.
class RemotePortLock
{
public:
    RemotePortLock()
        : m_fd(::open(QDir(QDir::tempPath()).filePath("nolt-remote-port-5026.lock").toLocal8Bit().constData(),
                      O_CREAT | O_RDWR | O_CLOEXEC, 0666))
    {
        if (m_fd >= 0)
            m_held = ::flock(m_fd, LOCK_EX) == 0;
    }
    ~RemotePortLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    RemotePortLock(const RemotePortLock&) = delete;
    RemotePortLock& operator=(const RemotePortLock&) = delete;
    bool held() const { return m_held; }

private:
    int m_fd;
    bool m_held = false;
};

bool remotePortIsFree()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, RemotePort);
}

// The process's viewable top-level window that takes the close request, as a
// window manager's close button sends it; 0 while there is none.
class WindowCloser
{
public:
    WindowCloser() : m_display(XOpenDisplay(nullptr), XCloseDisplay) {}
    bool hasDisplay() const { return m_display != nullptr; }

    bool close(qint64 pid)
    {
        Display* display = m_display.get();
        const Window window = windowOf(pid);
        if (!window)
            return false;
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
        XSendEvent(display, window, False, NoEventMask, &event);
        XFlush(display);
        return true;
    }

private:
    Window windowOf(qint64 pid)
    {
        Display* display = m_display.get();
        const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
            return 0;
        Window found = 0;
        for (unsigned int i = 0; i < count && !found; ++i) {
            XWindowAttributes attributes{};
            if (!XGetWindowAttributes(display, children[i], &attributes) || attributes.map_state != IsViewable)
                continue;
            Atom type = 0;
            int format = 0;
            unsigned long items = 0;
            unsigned long after = 0;
            unsigned char* value = nullptr;
            if (XGetWindowProperty(display, children[i], pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &items,
                                   &after, &value)
                    == Success
                && value) {
                if (items == 1 && static_cast<qint64>(*reinterpret_cast<unsigned long*>(value)) == pid)
                    found = children[i];
                XFree(value);
            }
        }
        if (children)
            XFree(children);
        return found;
    }

    std::unique_ptr<Display, int (*)(Display*)> m_display;
};

class Program : public QProcess
{
public:
    ~Program() override
    {
        if (state() != NotRunning) {
            kill();
            waitForFinished(5000);
        }
    }
};

// The program as a user starts it against the simulator program, the remote
// control connected once the analyzer has answered; `analyzer` is a control
// connection to the simulator.
class QuitDuringAMeasurement : public ::testing::Test
{
protected:
    void TearDown() override { QFile::remove(temporarySetupPath()); }

    void SetUp() override
    {
        ASSERT_TRUE(closer.hasDisplay()) << "needs the test display";
        ASSERT_TRUE(portLock.held());
        ASSERT_TRUE(QTest::qWaitFor(remotePortIsFree, 60000)) << "another program holds the remote port";

        simulator.start(NOLT_SIMULATOR_PROGRAM, {"--port", "0", "--ports", "2"});
        const quint16 analyzerPort = announcedPort(simulator);
        ASSERT_NE(analyzerPort, 0);
        ASSERT_TRUE(analyzer.connectTo(analyzerPort));

        ASSERT_TRUE(folder.isValid());
        settingsPath = QDir(folder.path()).filePath("settings/settings");
        {
            QSettings settings(settingsPath, QSettings::IniFormat);
            settings.setValue("Network/ipAddress", "127.0.0.1");
            settings.setValue("Network/port", analyzerPort);
            // A temporary setup of this test alone, written when the program ends.
            settings.setValue("General/loadedStateFile", temporarySetupName);
        }
        QFile::remove(temporarySetupPath());

        nolt.setWorkingDirectory(folder.path());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // The window belongs on the display, where it can be closed like a user does.
        environment.remove("QT_QPA_PLATFORM");
#if defined(__SANITIZE_ADDRESS__)
        environment.insert("LD_PRELOAD", "/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so");
        environment.insert("ASAN_OPTIONS", "verify_asan_link_order=0");
#endif
        nolt.setProcessEnvironment(environment);
        nolt.setProcessChannelMode(QProcess::ForwardedChannels);
        nolt.start(NOLT_PROGRAM, QStringList());
        ASSERT_TRUE(nolt.waitForStarted(10000));

        ASSERT_TRUE(QTest::qWaitFor([this] { return remote.connectTo(RemotePort, 500); }, 60000));
        // The preamble refuses measurements until the analyzer has answered.
        ASSERT_TRUE(
            QTest::qWaitFor([this] { return remote.query("NOLT:SYSTem:READy?", 5000) == QString("1"); }, 60000));
    }

    // Starts a thru measurement over the remote control and returns once it has
    // triggered its sweep.
    void measureThruUntilTheSweep()
    {
        remote.send("NOLT:CALCulate:STEP1:THRU");
        ASSERT_TRUE(QTest::qWaitFor(
            [this] { return analyzer.query("TRIGger:SEQuence:SOURce?") == QString("BUS"); }, 60000));
    }

    // Closes the window as a user does; the milliseconds until the program ended,
    // or no value when it did not end within the limit.
    std::optional<qint64> closeTheWindow(int limitMs)
    {
        if (!QTest::qWaitFor([this] { return closer.close(nolt.processId()); }, 10000))
            return std::nullopt;
        QElapsedTimer quitting;
        quitting.start();
        if (!nolt.waitForFinished(limitMs))
            return std::nullopt;
        return quitting.elapsed();
    }

    // Beside the program, as the program keeps it.
    QString temporarySetupPath() const
    {
        return QFileInfo(NOLT_PROGRAM).dir().filePath("tmp/tmp-" + temporarySetupName + ".sta");
    }

    static std::string text(const std::optional<QString>& reply) { return reply.value_or("no reply").toStdString(); }

    const QString temporarySetupName = QString("quit test %1").arg(QCoreApplication::applicationPid());
    WindowCloser closer;
    const RemotePortLock portLock;
    Program simulator;
    ScpiTestClient analyzer;
    QTemporaryDir folder;
    QString settingsPath;
    Program nolt;
    ScpiTestClient remote;
};

} // namespace

// Against an analyzer that never answers the operation-complete query: the thru
// measurement waits for good, and the user closes the window.
TEST_F(QuitDuringAMeasurement, ClosingTheWindowEndsTheProgramInTimeFreesTheRemotePortAndSavesTheSettings)
{
    analyzer.send("SIMulator:FAULt NOReply,*OPC?,-1");
    ASSERT_NO_FATAL_FAILURE(measureThruUntilTheSweep());
    const std::optional<qint64> quitMs = closeTheWindow(QuitTimeLimitMs);
    ASSERT_TRUE(quitMs) << "still running after " << QuitTimeLimitMs << " ms";
    ::testing::Test::RecordProperty("quitMs", static_cast<int>(*quitMs));
    EXPECT_EQ(nolt.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(nolt.exitCode(), 0);
    EXPECT_TRUE(remotePortIsFree());
    EXPECT_TRUE(QSettings(settingsPath, QSettings::IniFormat).contains("General/isDarkTheme"));
}

// Every reply of the analyzer comes a second late from the moment the sweep runs:
// the quit puts the analyzer's sweep back as the measurement found it before
// anything else, writes the temporary setup with the time left, and ends in time.
TEST_F(QuitDuringAMeasurement, OnASlowAnalyzerTheSweepIsLeftAsItWasAndTheSetupIsWritten)
{
    const std::string source = text(analyzer.query("TRIGger:SEQuence:SOURce?"));
    const std::string continuous = text(analyzer.query("INITiate1:CONTinuous?"));
    analyzer.send("SIMulator:SWEep:TIME 8");
    ASSERT_NO_FATAL_FAILURE(measureThruUntilTheSweep());
    analyzer.send("SIMulator:FAULt LATE,,-1,1000");
    // The user closes the window a few seconds into the sweep, as the program's
    // periodic refresh of the analyzer's settings waits behind it.
    QTest::qWait(3000);
    const std::optional<qint64> quitMs = closeTheWindow(SlowQuitTimeLimitMs);
    ASSERT_TRUE(quitMs) << "still running after " << SlowQuitTimeLimitMs << " ms";
    ::testing::Test::RecordProperty("quitMs", static_cast<int>(*quitMs));
    analyzer.send("SIMulator:FAULt:CLEar");
    EXPECT_EQ(text(analyzer.query("TRIGger:SEQuence:SOURce?", 5000)), source);
    EXPECT_EQ(text(analyzer.query("INITiate1:CONTinuous?", 5000)), continuous);
    EXPECT_TRUE(QFile::exists(temporarySetupPath()));
}
