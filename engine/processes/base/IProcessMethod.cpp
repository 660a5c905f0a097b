#include "engine/processes/base/IProcessMethod.h"

#include <QCoreApplication>

namespace Algorithms {

IProcessMethod::IProcessMethod(QObject* parent)
    : QObject(parent)
{
}

void IProcessMethod::setInputParameters(ProcessInputParameters* inputParameters)
{
    parameters = inputParameters;
}

bool IProcessMethod::run()
{
    if (!parameters)
        return false;
    struct ClearOnExit
    {
        std::atomic<bool>& flag;
        ~ClearOnExit() { flag = false; }
    } clearOnExit{canceled};
    canceled = false;
    return process();
}

void IProcessMethod::cancel()
{
    canceled = true;
    emit error(tr("The measurement was canceled"));
}

bool IProcessMethod::isCanceled()
{
    QCoreApplication::processEvents();
    return canceled || (cancelSource && cancelSource->canceled);
}

void IProcessMethod::followCancellation(const IProcessMethod& outer)
{
    cancelSource = &outer;
}

QString noisySignalText()
{
    static const QString text =
        IProcessMethod::tr("The signal is too noisy. Check fixture connections and repeat the measurement.");
    return text;
}

} // namespace Algorithms
