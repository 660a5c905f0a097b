#include "app/startup/Restart.h"

#include <QCoreApplication>
#include <QProcess>
#include <QVariant>

namespace Startup {

QStringList restartArguments(const QStringList& arguments)
{
    return arguments.mid(1);
}

bool startDetached(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}

RestartRequest RestartRequest::take()
{
    RestartRequest request;
    request.m_requested = QCoreApplication::instance()->property("restart").toBool();
    request.m_program = QCoreApplication::applicationFilePath();
    request.m_arguments = restartArguments(QCoreApplication::arguments());
    return request;
}

bool RestartRequest::carryOut(const InstanceStarter& start) const
{
    return !m_requested || start(m_program, m_arguments);
}

} // namespace Startup
