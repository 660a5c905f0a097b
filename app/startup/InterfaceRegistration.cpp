#include "app/startup/InterfaceRegistration.h"

#include "app/formatting/UnitFormatter.h"
#include "charts/registration/ChartRegistration.h"
#include "core/SharedControls.h"

#include <QtQml>

// Q_INIT_RESOURCE must be used outside of any namespace.
static void initPages()
{
    Q_INIT_RESOURCE(nolt_pages);
}

namespace Startup {

void registerSharedInterface()
{
    SharedControls::initResources();
    registerChartQmlTypes();
    SharedControls::registerSingletons();
    qmlRegisterSingletonType<UnitFormatter>("UnitFormatter", 1, 0, "UnitFormatter",
                                            [](QQmlEngine*, QJSEngine*) -> QObject* { return new UnitFormatter(); });
}

void initPageResources()
{
    initPages();
}

} // namespace Startup
