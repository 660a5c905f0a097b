#pragma once

#include "analyzer/facade/SyncedVnaDevice.h"
#include "app/backend/MainQmlBackend.h"
#include "app/settings/Settings.h"
#include "tests/analyzer/device/support/SimulatorSession.h"

#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QVariant>

#include <functional>
#include <memory>

// The main page loaded as the program loads it, on a backend whose settings (in
// a fresh working folder) name a closed analyzer port until connectAnalyzer()
// moves it to the session's simulator. Every QML warning written while a test
// runs fails it.
class WindowSession : public SimulatorSession
{
protected:
    void SetUp() override;
    void TearDown() override;

    void connectAnalyzer();
    // Reads the analyzer once, ready or not, and lets its change signals reach the page.
    void refresh();
    static bool waitFor(const std::function<bool()>& condition);

    // The item with the given object name, anywhere in the window.
    QQuickItem* item(const QString& name) const;
    QVariant property(const QString& name, const char* property) const;
    void click(const QString& name);
    // Focuses the field, selects its text and types over it.
    void typeInto(const QString& name, const QString& text);
    // A window's shortcuts answer only while it is the active window, which windows
    // of tests side by side on one display take from each other.
    void pressShortcut(Qt::Key key);

    std::unique_ptr<Settings> settings;
    std::unique_ptr<MainQmlBackend> backend;
    QQuickWindow* window = nullptr;

private:
    QTemporaryDir m_workingDir;
    QString m_previousDir;
    std::unique_ptr<QQmlApplicationEngine> m_engine;
};
