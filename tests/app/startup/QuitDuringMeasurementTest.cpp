#include "tests/simulator/support/ScpiTestClient.h"

#include <QDir>
#include <QElapsedTimer>
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

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

constexpr quint16 RemotePort = 5026;
// What a quit may take at most: the analyzer's budget once the program quits, and
// the teardown after it.
constexpr int QuitTimeLimitMs = 10000;

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

} // namespace

// The program as a user starts it, against an analyzer that never answers the
// operation-complete query: a thru measurement started over the remote control
// waits for good, and the user closes the window.
TEST(QuitDuringAMeasurement, ClosingTheWindowEndsTheProgramInTimeFreesTheRemotePortAndSavesTheSettings)
{
    WindowCloser closer;
    ASSERT_TRUE(closer.hasDisplay()) << "needs the test display";
    const RemotePortLock portLock;
    ASSERT_TRUE(portLock.held());
    ASSERT_TRUE(QTest::qWaitFor(remotePortIsFree, 60000)) << "another program holds the remote port";

    Program simulator;
    simulator.start(NOLT_SIMULATOR_PROGRAM, {"--port", "0", "--ports", "2"});
    const quint16 analyzerPort = announcedPort(simulator);
    ASSERT_NE(analyzerPort, 0);
    ScpiTestClient analyzer;
    ASSERT_TRUE(analyzer.connectTo(analyzerPort));
    analyzer.send("SIMulator:FAULt NOReply,*OPC?,-1");

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString settingsPath = QDir(folder.path()).filePath("settings/settings");
    {
        QSettings settings(settingsPath, QSettings::IniFormat);
        settings.setValue("Network/ipAddress", "127.0.0.1");
        settings.setValue("Network/port", analyzerPort);
    }

    Program nolt;
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

    ScpiTestClient remote;
    ASSERT_TRUE(QTest::qWaitFor([&remote] { return remote.connectTo(RemotePort, 500); }, 60000));
    // The preamble refuses measurements until the analyzer has answered.
    ASSERT_TRUE(QTest::qWaitFor([&remote] { return remote.query("NOLT:SYSTem:READy?", 5000) == QString("1"); }, 60000));
    remote.send("NOLT:CALCulate:STEP1:THRU");
    // The measurement has triggered its sweep and waits for the operation to complete.
    ASSERT_TRUE(
        QTest::qWaitFor([&analyzer] { return analyzer.query("TRIGger:SEQuence:SOURce?") == QString("BUS"); }, 60000));

    ASSERT_TRUE(QTest::qWaitFor([&] { return closer.close(nolt.processId()); }, 10000));
    QElapsedTimer quitting;
    quitting.start();
    ASSERT_TRUE(nolt.waitForFinished(QuitTimeLimitMs)) << "still running " << quitting.elapsed() << " ms after the close";
    ::testing::Test::RecordProperty("quitMs", static_cast<int>(quitting.elapsed()));
    EXPECT_EQ(nolt.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(nolt.exitCode(), 0);
    EXPECT_TRUE(remotePortIsFree());
    EXPECT_TRUE(QSettings(settingsPath, QSettings::IniFormat).contains("General/isDarkTheme"));
}
