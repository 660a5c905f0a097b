#include "app/startup/TerminateHandler.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace Startup {

QString currentExceptionText()
{
    const std::exception_ptr current = std::current_exception();
    if (!current)
        return {};
    try {
        std::rethrow_exception(current);
    } catch (const std::exception& exception) {
        return QString::fromLocal8Bit(exception.what());
    } catch (...) {
        return QStringLiteral("Unknown exception type");
    }
}

void terminateHandler()
{
    const QString problem = QCoreApplication::translate(
        "Startup", "The NOLT faces a problem, please restart application or contact your Administrator.");
    const QString details = currentExceptionText();
    std::fprintf(stderr, "%s\n%s\n", problem.toLocal8Bit().constData(), details.toLocal8Bit().constData());
    std::fflush(stderr);

    // A widget may only be shown on the GUI thread of a widget application.
    const auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (application && QThread::currentThread() == application->thread()) {
        QMessageBox box(QMessageBox::Critical, QString(), problem);
        box.setDetailedText(details);
        box.exec();
    }
    std::abort();
}

} // namespace Startup
