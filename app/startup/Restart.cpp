#include "app/startup/Restart.h"

#include <QCoreApplication>
#include <QProcess>
#include <QVariant>

namespace Startup {

bool isRestartRequested()
{
    return QCoreApplication::instance() && QCoreApplication::instance()->property("restart").toBool();
}

QStringList restartArguments(const QStringList& arguments)
{
    return arguments.mid(1);
}

bool startNewInstance()
{
    return QProcess::startDetached(QCoreApplication::applicationFilePath(),
                                   restartArguments(QCoreApplication::arguments()));
}

} // namespace Startup
