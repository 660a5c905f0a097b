#include "charts/registration/ChartRegistration.h"

#include "charts/chart/Chart.h"
#include "charts/grids/NiceLabels.h"
#include "charts/grids/PolarGrid.h"
#include "charts/grids/SmithGrid.h"
#include "charts/grids/XYGrid.h"
#include "charts/traces/AbstractTrace.h"
#include "charts/traces/Trace.h"
#include "charts/traces/TraceDomain.h"

#include <QtQml>

namespace {

constexpr char uri[] = "com.orlix.chart";

void registerTypes()
{
    using namespace Orlix::Frontend;
    qRegisterMetaType<TraceDomain*>("TraceDomain*");
    // The interface hands traces to the chart's addTrace and removeTrace,
    // which it can call only with their parameter type known.
    qRegisterMetaType<AbstractTrace*>();

    qmlRegisterType<Trace>(uri, 1, 0, "Trace");
    qmlRegisterType<Chart>(uri, 1, 0, "Chart");
    qmlRegisterType<PolarGrid_>(uri, 1, 0, "PolarGrid");
    qmlRegisterType<SmithGrid>(uri, 1, 0, "SmithGrid");
    qmlRegisterType<XYGrid>(uri, 1, 0, "Grid");

    qmlRegisterUncreatableType<XYGrid>(uri, 1, 0, "GridLayoutMode",
                                       QStringLiteral("GridLayoutMode need only for enum. Cannot be instantiated."));
    qmlRegisterUncreatableType<TraceDomain>(uri, 1, 0, "TraceFormat",
                                            QStringLiteral("TraceFormat need only for enum. Cannot be instantiated."));

    qmlRegisterSingletonType<NiceLabels>(uri, 1, 0, "NiceLabels",
                                         [](QQmlEngine*, QJSEngine*) -> QObject* { return new NiceLabels; });
}

} // namespace

void registerChartQmlTypes()
{
    static const bool registered = (registerTypes(), true);
    Q_UNUSED(registered);
}
