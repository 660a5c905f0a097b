#pragma once

#include <QObject>
#include <QQmlEngine>

#include <memory>
#include <utility>

// Releases a QObject through its own thread's event loop, so that QML bindings,
// queued signals and running work that still reach it finish first. Objects held
// this way have no QObject parent: the last shared owner decides their end.
struct LaterDeleter
{
    void operator()(QObject* object) const
    {
        if (object)
            object->deleteLater();
    }
};

// A parentless object handed to QML by a function would otherwise become QML's
// to collect, behind its shared owners' backs.
template <typename T, typename... Args>
std::shared_ptr<T> makeLaterDeleted(Args&&... args)
{
    std::shared_ptr<T> object(new T(std::forward<Args>(args)...), LaterDeleter());
    QQmlEngine::setObjectOwnership(object.get(), QQmlEngine::CppOwnership);
    return object;
}
