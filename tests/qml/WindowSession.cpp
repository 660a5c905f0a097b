#include "tests/qml/WindowSession.h"

#include "app/startup/InterfaceRegistration.h"
#include "core/SharedControls.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QMutex>
#include <QMutexLocker>
#include <QQmlContext>
#include <QTest>

namespace {

// A sanitized build beside a full suite may take seconds to hear of its activation.
constexpr int activationTimeLimitMs = 30000;
constexpr int activationRequestMs = 2000;

// Makes the window the display's active one. A window that another test process shows
// meanwhile may take the focus from it after the request: it is asked again until the
// activation holds or the time is up.
bool activate(QQuickWindow* window)
{
    QDeadlineTimer deadline(activationTimeLimitMs);
    do {
        window->requestActivate();
        if (QTest::qWaitForWindowActive(window, activationRequestMs))
            return true;
    } while (!deadline.hasExpired());
    return false;
}

QMutex warningsMutex;
QStringList qmlWarnings;

// Only what the declarative engine and its layouts write: the analyzer link logs its own warnings.
void collectQmlWarnings(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    if (!message.contains(QLatin1String(".qml")) && !message.contains(QLatin1String("qrc:/"))
        && !message.startsWith(QLatin1String("Qt Quick Layouts")))
        return;
    QMutexLocker lock(&warningsMutex);
    qmlWarnings.append(message);
}

QStringList takeQmlWarnings()
{
    QMutexLocker lock(&warningsMutex);
    QStringList taken;
    taken.swap(qmlWarnings);
    return taken;
}

void setUpOnce()
{
    static const bool done = [] {
        Startup::registerSharedInterface();
        Startup::initPageResources();
        SharedControls::selectStyle();
        qInstallMessageHandler(collectQmlWarnings);
        return true;
    }();
    Q_UNUSED(done);
}

} // namespace

void WindowSession::SetUp()
{
    SimulatorSession::SetUp();
    setUpOnce();
    takeQmlWarnings();
    ASSERT_TRUE(m_workingDir.isValid());
    m_previousDir = QDir::currentPath();
    QDir::setCurrent(m_workingDir.path());

    settings = std::make_unique<Settings>();
    settings->setPort(closedPort());
    BackendOptions options;
    options.remotePort = 0;
    options.connectTimeLimit = std::chrono::milliseconds(250);
    backend = std::make_unique<MainQmlBackend>(settings.get(), nullptr, options);
    m_engine = std::make_unique<QQmlApplicationEngine>();
    m_engine->rootContext()->setContextProperty(QStringLiteral("backend"), backend.get());
    m_engine->rootContext()->setContextProperty(QStringLiteral("settings"), settings.get());
    m_engine->load(QUrl(QStringLiteral("qrc:/qml/main.qml")));
    ASSERT_EQ(m_engine->rootObjects().size(), 1);
    window = qobject_cast<QQuickWindow*>(m_engine->rootObjects().first());
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    ASSERT_TRUE(activate(window));
}

void WindowSession::TearDown()
{
    m_engine.reset();
    backend.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    settings.reset();
    QCoreApplication::processEvents();
    QDir::setCurrent(m_previousDir);
    const QStringList written = takeQmlWarnings();
    EXPECT_TRUE(written.isEmpty()) << written.join(QLatin1Char('\n')).toStdString();
}

void WindowSession::pressShortcut(Qt::Key key)
{
    ASSERT_TRUE(activate(window));
    QTest::keyClick(window, key);
}

void WindowSession::connectAnalyzer()
{
    backend->getVnaDevice()->setPort(simulator.port());
    // The connection's time limit is short for the closed port of the start; a
    // loaded machine may miss it, so a few more tries (quick when merely not ready).
    for (int attempt = 0; attempt < 4; ++attempt) {
        if (backend->getVnaDevice()->callAndWait(&SyncedVnaDevice::refresh))
            break;
    }
    QCoreApplication::processEvents();
}

void WindowSession::refresh()
{
    // False unless the analyzer is ready, which some tests want.
    backend->getVnaDevice()->callAndWait(&SyncedVnaDevice::refresh);
    QCoreApplication::processEvents();
}

bool WindowSession::waitFor(const std::function<bool()>& condition)
{
    return QTest::qWaitFor(condition, 2000);
}

QQuickItem* WindowSession::item(const QString& name) const
{
    return window->findChild<QQuickItem*>(name);
}

QVariant WindowSession::property(const QString& name, const char* property) const
{
    QQuickItem* found = item(name);
    return found ? found->property(property) : QVariant();
}

void WindowSession::click(const QString& name)
{
    QQuickItem* target = item(name);
    ASSERT_NE(target, nullptr) << name.toStdString();
    const QPointF centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, centre.toPoint());
}

void WindowSession::typeInto(const QString& name, const QString& text)
{
    QQuickItem* field = item(name);
    ASSERT_NE(field, nullptr) << name.toStdString();
    field->forceActiveFocus();
    QMetaObject::invokeMethod(field, "selectAll");
    for (const QChar character : text)
        QTest::keyClick(window, character.toLatin1());
}
