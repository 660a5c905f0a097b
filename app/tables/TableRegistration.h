#pragma once

#include <QMetaType>
#include <QQmlEngine>
#include <QString>

// Makes a table type known to the interface, once per program: a declarative
// type under `module` 1.0 that the interface cannot create, and its pointer
// type under `pointerTypeName`.
template <typename Table>
void registerTableType(const char* module, const char* pointerTypeName)
{
    static const bool registered = [module, pointerTypeName] {
        qmlRegisterUncreatableType<Table>(module, 1, 0, module, QString());
        qRegisterMetaType<Table*>(pointerTypeName);
        return true;
    }();
    Q_UNUSED(registered)
}
