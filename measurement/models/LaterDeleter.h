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

// The shared owners alone decide the object's end: a parent given to its
// constructor would delete it a second time, and QML would collect a parentless
// object that a function handed to it.
template <typename T, typename... Args>
std::shared_ptr<T> makeLaterDeleted(Args&&... args)
{
    std::shared_ptr<T> object(new T(std::forward<Args>(args)...), LaterDeleter());
    object->setParent(nullptr);
    QQmlEngine::setObjectOwnership(object.get(), QQmlEngine::CppOwnership);
    return object;
}
