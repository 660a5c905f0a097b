#include "engine/processes/base/IProcessMethod.h"

#include <QCoreApplication>
#include <QDebug>

#include <exception>
#include <new>

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
    // The engine reports failures, it never throws them at the thread that runs it.
    try {
        return process();
    } catch (const std::bad_alloc&) {
        emit error(tr("Not enough memory for the calculation"));
    } catch (const std::exception& exception) {
        qDebug() << "Calculation failed:" << exception.what();
        emit error(tr("The calculation failed"));
    }
    return false;
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
