#include "app/startup/LoopEndQuit.h"

#include "analyzer/threading/QuitNotice.h"

#include <QCoreApplication>

namespace Startup {

void tellTheQuitWhenTheMainLoopEnds(QObject* context)
{
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, context, &QuitNotice::notify);
}

} // namespace Startup
