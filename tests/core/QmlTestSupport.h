#pragma once

#include "tests/support/VisibleItems.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQmlFileSelector>
#include <QQuickItem>
#include <QQuickWindow>
#include <QStringList>
#include <QUrl>
#include <QVariantMap>
#include <gtest/gtest.h>

#include <memory>

// Declarative test fixture: the style and singletons are set up once per
// process, as the application does, and every QML warning or error written
// while a test runs fails that test.
class QmlTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // An engine as the application has it, picking the "+noltstyle" variants.
    QQmlEngine& engine();
    // An engine without the style's file selector: the plain controls.
    QQmlEngine& plainEngine();

    // Creates the component at url (or from QML text) with the given initial
    // properties; the object lives until the test ends.
    QObject* create(QQmlEngine& engine, const QUrl& url, const QVariantMap& properties = {});
    QObject* createFromText(const QByteArray& qml, const QVariantMap& properties = {});

    static QUrl control(const QString& name);
    static QUrl styledControl(const QString& name);

    // Shows the item in a window, as views create their rows only there.
    QQuickWindow& show(QObject* item);

    // The QML warnings written so far; tests that expect one take it here.
    static QStringList takeWarnings();

private:
    QObject* instantiate(QQmlComponent& component, const QVariantMap& properties);

    std::unique_ptr<QQmlEngine> m_engine;
    std::unique_ptr<QQmlEngine> m_plainEngine;
    std::unique_ptr<QQuickItem> m_root;
    std::unique_ptr<QQuickWindow> m_window;
    std::vector<std::unique_ptr<QObject>> m_objects;
};
