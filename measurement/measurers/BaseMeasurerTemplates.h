#pragma once

#include "measurement/connections/SharedProcess.h"
#include "measurement/measurers/BaseMeasurer.h"
#include "measurement/progress/TaskProgress.h"

template <typename Process>
std::shared_ptr<Process> BaseMeasurer::adoptProcess(std::unique_ptr<Algorithms::IProcessMethod> process,
                                                    QString errorText)
{
    std::shared_ptr<Process> shared = shareProcess<Process>(std::move(process), errorText);
    if (!shared) {
        emit error(errorText);
        return nullptr;
    }
    watchProcess(shared.get());
    return shared;
}

template <typename Sender>
void BaseMeasurer::forwardErrors(Sender* sender)
{
    // Direct: the flag is read when the text is emitted, not when it arrives.
    connect(
        sender, &Sender::error, this,
        [this](const QString& text) {
            if (CapturedErrors::take(text))
                return;
            if (!m_measuring || !interruptRequested())
                emit error(text);
        },
        Qt::DirectConnection);
}
