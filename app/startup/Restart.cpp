#include "app/startup/Restart.h"

#include <QCoreApplication>
#include <QProcess>
#include <QVariant>

namespace Startup {

QStringList restartArguments(const QStringList& arguments)
{
    return arguments.mid(1);
}

RestartRequest RestartRequest::take()
{
    RestartRequest request;
    request.m_requested = QCoreApplication::instance()->property("restart").toBool();
    request.m_program = QCoreApplication::applicationFilePath();
    request.m_arguments = restartArguments(QCoreApplication::arguments());
    return request;
}

bool RestartRequest::carryOut() const
{
    return !m_requested || QProcess::startDetached(m_program, m_arguments);
}

} // namespace Startup
