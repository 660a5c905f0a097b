#include "app/startup/LastWindowQuit.h"

#include "analyzer/threading/QuitNotice.h"

#include <QGuiApplication>
#include <QWindow>

#include <algorithm>

namespace Startup {

void quitWithTheLastWindow(QObject* context)
{
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, context, [] {
        // A widget dialog (a file dialog) that closes is announced as the last window
        // when it was the last widget, although the main window still shows.
        const QWindowList windows = QGuiApplication::topLevelWindows();
        if (std::any_of(windows.begin(), windows.end(),
                        [](const QWindow* window) { return window->isVisible() && !window->transientParent(); }))
            return;
        QuitNotice::notify();
        QCoreApplication::quit();
    });
}

} // namespace Startup
