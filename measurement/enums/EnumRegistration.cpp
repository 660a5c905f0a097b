#include "measurement/enums/EnumRegistration.h"

#include "measurement/enums/MeasureEnums.h"

#include <QMetaType>
#include <QtQml>

void registerMeasureEnums()
{
    const QString reason = QStringLiteral("Enum type");
    qmlRegisterUncreatableMetaObject(MeasureEnums::staticMetaObject, "MeasureEnums", 1, 0, "MeasureEnums", reason);
    qmlRegisterUncreatableMetaObject(CoreMeasureEnums::staticMetaObject, "CoreMeasureEnums", 1, 0,
                                     "CoreMeasureEnums", reason);
    qRegisterMetaType<MeasureEnums::CorrectionMethod>("CorrectionMethod");
}
