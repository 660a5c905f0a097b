#include "app/startup/LastWindowQuit.h"

#include "analyzer/threading/QuitNotice.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>

namespace Startup {

namespace {

bool isShownMainWindow(const QWindow* window)
{
    return window->isVisible() && !window->transientParent();
}

void quitNow()
{
    QuitNotice::notify();
    QCoreApplication::quit();
}

// Qt takes no notice when the window system destroys one of its windows: the window
// stays "visible" with nothing on the screen, and the program would live on unseen,
// holding its remote-control port.
class DestroyedWindowWatch : public QObject, public QAbstractNativeEventFilter
{
public:
    explicit DestroyedWindowWatch(QObject* parent)
        : QObject(parent)
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~DestroyedWindowWatch() override
    {
        if (QCoreApplication* application = QCoreApplication::instance())
            application->removeNativeEventFilter(this);
    }
    DestroyedWindowWatch(const DestroyedWindowWatch&) = delete;
    DestroyedWindowWatch& operator=(const DestroyedWindowWatch&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, long*) override
    {
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_DESTROY_NOTIFY)
            return false;
        const xcb_window_t destroyed = reinterpret_cast<const xcb_destroy_notify_event_t*>(event)->window;
        // Windows that Qt destroys itself are no longer shown by then.
        const auto isTheDestroyed = [destroyed](const QWindow* window) {
            return window->handle() && window->winId() == destroyed;
        };
        const QWindowList windows = QGuiApplication::topLevelWindows();
        const bool shownMainWindowGone = std::any_of(windows.begin(), windows.end(), [&](const QWindow* window) {
            return isShownMainWindow(window) && isTheDestroyed(window);
        });
        const bool anotherRemains = std::any_of(windows.begin(), windows.end(), [&](const QWindow* window) {
            return isShownMainWindow(window) && !isTheDestroyed(window);
        });
        if (shownMainWindowGone && !anotherRemains)
            quitNow();
        return false;
    }
};

} // namespace

void quitWithTheLastWindow(QObject* context)
{
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, context, [] {
        // A widget dialog (a file dialog) that closes is announced as the last window
        // when it was the last widget, although the main window still shows.
        const QWindowList windows = QGuiApplication::topLevelWindows();
        if (std::none_of(windows.begin(), windows.end(), isShownMainWindow))
            quitNow();
    });
    new DestroyedWindowWatch(context);
}

} // namespace Startup
