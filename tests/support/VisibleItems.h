#pragma once

#include <QList>
#include <QObject>
#include <QQuickItem>
#include <QString>

// Every visible item of that name at or below root, in tree order. Rows made
// by views are children of their items only, declared parts of their objects
// only, so both lists are walked; a hidden item hides its whole subtree.
inline QList<QQuickItem*> visibleItemsNamed(QObject* root, const QString& name)
{
    QList<QQuickItem*> found;
    if (!root)
        return found;
    auto* item = qobject_cast<QQuickItem*>(root);
    if (item && !item->isVisible())
        return found;
    if (item && item->objectName() == name)
        found.append(item);
    QObjectList below = root->children();
    if (item) {
        for (QQuickItem* child : item->childItems()) {
            if (!below.contains(child))
                below.append(child);
        }
    }
    for (QObject* child : below) {
        for (QQuickItem* match : visibleItemsNamed(child, name)) {
            if (!found.contains(match))
                found.append(match);
        }
    }
    return found;
}
