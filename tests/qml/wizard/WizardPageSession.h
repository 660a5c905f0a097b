#pragma once

#include "tests/app/support/BackendSession.h"
#include "tests/support/VisibleItems.h"

#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QStringList>

#include <memory>

// A wizard page shown in a window, reaching a backend on the simulator through
// the context property "backend" as in the application. Every warning of the
// declarative engine written while a test runs fails that test.
class WizardPageSession : public BackendSession
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the backend on an analyzer of `ports` ports and waits until the fixtures took theirs.
    void startOnAnalyzer(int ports);
    // Creates and shows qrc:/qml/pages/<name>.qml; null after reporting a failure.
    QQuickItem* showPage(const QString& name);

    // The visible item below root with the object name (the first in tree order).
    static QQuickItem* findVisible(QObject* root, const QString& name);

    // What the user's typing does to a text field: the text, then the end of the edit.
    static void typeAndFinish(QQuickItem* field, const QString& text);
    // What the user's keys do to a text field: all of it selected, the text typed key by
    // key (the field shows every key).
    void typeKeys(QQuickItem* field, const QString& text);
    // The same, then Return.
    void typeKeysAndReturn(QQuickItem* field, const QString& text);

    static QStringList takeQmlWarnings();

    std::unique_ptr<QQmlEngine> engine;
    std::unique_ptr<QQuickWindow> window;
    std::vector<std::unique_ptr<QQuickItem>> pages;
};
