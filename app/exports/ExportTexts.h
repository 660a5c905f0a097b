#pragma once

#include "analyzer/files/TextFileWriting.h"

#include <QCoreApplication>
#include <QString>

#include <cerrno>
#include <optional>
#include <utility>

// The user-facing texts that several exports and the correction share.
namespace ExportTexts {

inline QString noCalculatedData()
{
    return QCoreApplication::translate("MainQmlBackend", "There is no calculated data");
}

// The operating system's reason for a failed file operation, as its error string gives
// it. Qt passes the system's words on untranslated: the common kinds read in the user's
// language, any other keeps the system's words.
inline QString systemReason(const QString& systemText)
{
    static const std::pair<int, const char*> kinds[] = {
        {EACCES, QT_TRANSLATE_NOOP("MainQmlBackend", "Permission denied")},
        {ENOENT, QT_TRANSLATE_NOOP("MainQmlBackend", "No such file or folder")},
        {EROFS, QT_TRANSLATE_NOOP("MainQmlBackend", "Read-only file system")},
        {ENOSPC, QT_TRANSLATE_NOOP("MainQmlBackend", "No space left on the disk")},
        {EEXIST, QT_TRANSLATE_NOOP("MainQmlBackend", "A file of that name exists")},
        {EISDIR, QT_TRANSLATE_NOOP("MainQmlBackend", "Is a folder")},
    };
    for (const auto& [code, text] : kinds) {
        if (systemText == qt_error_string(code))
            return QCoreApplication::translate("MainQmlBackend", text);
    }
    return systemText;
}

// Why the folder of the path cannot take a new file, or no value when it can (the name
// itself, or the file under it, is then at fault).
inline std::optional<QString> folderRefusal(const QString& filePath)
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
            .arg(failure.folder, systemReason(failure.systemReason));
    case Cause::Other:
        break;
    }
    return std::nullopt;
}

// Why the file at the path could not be written, as far as its folder tells.
inline QString fileCannotBeCreated(const QString& filePath)
{
    return folderRefusal(filePath).value_or(
        QCoreApplication::translate("MainQmlBackend", "File cannot be created. Path name contains invalid symbols"));
}

inline QString unknownReferenceImpedance()
{
    return QCoreApplication::translate("MainQmlBackend", "The reference impedance of the fixture port is unknown");
}

} // namespace ExportTexts
