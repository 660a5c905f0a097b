#pragma once

#include "engine/processes/base/IProcessMethod.h"
#include "measurement/models/LaterDeleter.h"

#include <QCoreApplication>
#include <QString>

#include <memory>

// A process from the engine's factory as the kind a connection keeps. The process
// may still have queued signals in flight when its last holder lets go, so it is
// released through its thread's event loop. A missing process, or one of another
// kind, gives an empty pointer and a text for the user.
template <typename Process>
std::shared_ptr<Process> shareProcess(std::unique_ptr<Algorithms::IProcessMethod> process, QString& errorText)
{
    if (!process) {
        if (errorText.isEmpty())
            errorText = QCoreApplication::translate("SharedProcess", "No process for the chosen correction method");
        return nullptr;
    }
    auto* typed = qobject_cast<Process*>(process.get());
    if (!typed) {
        errorText = QCoreApplication::translate("SharedProcess", "The process does not fit this measurement");
        return nullptr;
    }
    process.release();
    return std::shared_ptr<Process>(typed, LaterDeleter());
}
