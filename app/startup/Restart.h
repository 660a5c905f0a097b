#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace Startup {

// The arguments for a new instance: this run's, without the program path that
// QCoreApplication::arguments() lists first (the new process gets its own).
QStringList restartArguments(const QStringList& arguments);

// Starts a program with its arguments; true when it started.
using InstanceStarter = std::function<bool(const QString& program, const QStringList& arguments)>;

// The product's starter: a detached process that outlives this one.
bool startDetached(const QString& program, const QStringList& arguments);

// A restart asked for by the backend (the application's "restart" property),
// taken while the application object exists and carried out once this
// instance has let go of the analyzer, the remote-control port and its files.
class RestartRequest
{
public:
    // Reads the request and this run's program and arguments.
    static RestartRequest take();

    bool isRequested() const { return m_requested; }
    // Starts the program anew through `start`; true when it started or none was asked for.
    bool carryOut(const InstanceStarter& start = startDetached) const;

private:
    bool m_requested = false;
    QString m_program;
    QStringList m_arguments;
};

} // namespace Startup
