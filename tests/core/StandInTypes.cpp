#include "tests/core/StandInTypes.h"

#include "tests/core/StandInModels.h"

#include <QtQml>

void registerStandInTypes()
{
    static const bool done = [] {
        qmlRegisterUncreatableMetaObject(StandInCoreMeasureEnums::staticMetaObject, "CoreMeasureEnums", 1, 0,
                                         "CoreMeasureEnums", QStringLiteral("Enum type"));
        qmlRegisterUncreatableMetaObject(StandInMeasureEnums::staticMetaObject, "MeasureEnums", 1, 0,
                                         "MeasureEnums", QStringLiteral("Enum type"));
        qmlRegisterSingletonType<StandInUnitFormatter>("UnitFormatter", 1, 0, "UnitFormatter",
                                                       [](QQmlEngine*, QJSEngine*) -> QObject* {
                                                           return new StandInUnitFormatter;
                                                       });
        qRegisterMetaType<QVector<QPointF>*>("QVector<QPointF>*");
        qmlRegisterType<StandInTrace>("com.orlix.chart", 1, 0, "Trace");
        return true;
    }();
    Q_UNUSED(done);
}
