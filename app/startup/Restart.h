#pragma once

#include <QStringList>

namespace Startup {

// Whether the backend asked for a restart (the application's "restart" property).
bool isRestartRequested();

// The arguments for the new instance: this run's, without the program path
// that QCoreApplication::arguments() lists first.
QStringList restartArguments(const QStringList& arguments);

// Starts the program anew, detached, with this run's arguments.
bool startNewInstance();

} // namespace Startup
