#pragma once

#include <QCoreApplication>
#include <QString>

// The user-facing texts that several exports and the correction share.
namespace ExportTexts {

inline QString noCalculatedData()
{
    return QCoreApplication::translate("MainQmlBackend", "There is no calculated data");
}

inline QString fileCannotBeCreated()
{
    return QCoreApplication::translate("MainQmlBackend", "File cannot be created. Path name contains invalid symbols");
}

inline QString unknownReferenceImpedance()
{
    return QCoreApplication::translate("MainQmlBackend", "The reference impedance of the fixture port is unknown");
}

} // namespace ExportTexts
