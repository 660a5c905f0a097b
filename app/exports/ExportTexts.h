#pragma once

#include "analyzer/files/TextFileWriting.h"

#include <QCoreApplication>
#include <QString>

// The user-facing texts that several exports and the correction share.
namespace ExportTexts {

inline QString noCalculatedData()
{
    return QCoreApplication::translate("MainQmlBackend", "There is no calculated data");
}

// Why the file at the path could not be written, as far as its folder tells.
inline QString fileCannotBeCreated(const QString& filePath)
{
    using Cause = TextFileWriting::CreationFailure::Cause;
    const TextFileWriting::CreationFailure failure = TextFileWriting::creationFailure(filePath);
    switch (failure.cause) {
    case Cause::MissingFolder:
        return QCoreApplication::translate("MainQmlBackend", "The folder \"%1\" does not exist").arg(failure.folder);
    case Cause::NotAFolder:
        return QCoreApplication::translate("MainQmlBackend", "\"%1\" is not a folder").arg(failure.folder);
    case Cause::UnwritableFolder:
        return QCoreApplication::translate("MainQmlBackend", "The folder \"%1\" cannot be written: %2")
            .arg(failure.folder, failure.systemReason);
    case Cause::Other:
        break;
    }
    return QCoreApplication::translate("MainQmlBackend", "File cannot be created. Path name contains invalid symbols");
}

inline QString unknownReferenceImpedance()
{
    return QCoreApplication::translate("MainQmlBackend", "The reference impedance of the fixture port is unknown");
}

} // namespace ExportTexts
