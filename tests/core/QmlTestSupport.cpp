#include "tests/core/QmlTestSupport.h"

#include "core/SharedControls.h"
#include "tests/core/StandInTypes.h"

#include <QCoreApplication>
#include <QMutex>
#include <QMutexLocker>
#include <QTest>

namespace {

QMutex warningsMutex;
QStringList warnings;

void collectWarnings(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    QMutexLocker lock(&warningsMutex);
    warnings.append(message);
}

void setUpOnce()
{
    static const bool done = [] {
        SharedControls::initResources();
        SharedControls::registerSingletons();
        registerStandInTypes();
        SharedControls::selectStyle();
        qInstallMessageHandler(collectWarnings);
        // The controls module adds the style's file selector when it is first
        // imported; in the application the main page imports it before it
        // names any shared control.
        QQmlEngine engine;
        QQmlComponent controls(&engine);
        controls.setData("import QtQuick.Controls 2.15\nControl { }", QUrl());
        delete controls.create();
        return true;
    }();
    Q_UNUSED(done);
}

} // namespace

void QmlTest::SetUp()
{
    setUpOnce();
    takeWarnings();
    m_root = std::make_unique<QQuickItem>();
}

void QmlTest::TearDown()
{
    m_objects.clear();
    m_root.reset();
    m_window.reset();
    m_engine.reset();
    m_plainEngine.reset();
    QCoreApplication::processEvents();
    const QStringList written = takeWarnings();
    EXPECT_TRUE(written.isEmpty()) << written.join(QLatin1Char('\n')).toStdString();
}

QQmlEngine& QmlTest::engine()
{
    if (!m_engine) {
        m_engine = std::make_unique<QQmlEngine>();
        new QQmlFileSelector(m_engine.get(), m_engine.get());
    }
    return *m_engine;
}

QQmlEngine& QmlTest::plainEngine()
{
    if (!m_plainEngine)
        m_plainEngine = std::make_unique<QQmlEngine>();
    return *m_plainEngine;
}

QObject* QmlTest::create(QQmlEngine& engine, const QUrl& url, const QVariantMap& properties)
{
    QQmlComponent component(&engine, url);
    return instantiate(component, properties);
}

QObject* QmlTest::createFromText(const QByteArray& qml, const QVariantMap& properties)
{
    QQmlComponent component(&engine());
    component.setData(qml, QUrl(QStringLiteral("qrc:/core/qml/test/Subject.qml")));
    return instantiate(component, properties);
}

QObject* QmlTest::instantiate(QQmlComponent& component, const QVariantMap& properties)
{
    // Creating from a component in error crashes, so its errors are reported first.
    if (component.isError()) {
        ADD_FAILURE() << component.errorString().toStdString();
        return nullptr;
    }
    std::unique_ptr<QObject> object(component.createWithInitialProperties(properties));
    if (!object) {
        ADD_FAILURE() << component.errorString().toStdString();
        return nullptr;
    }
    if (auto* item = qobject_cast<QQuickItem*>(object.get()))
        item->setParentItem(m_root.get());
    QCoreApplication::processEvents();
    m_objects.push_back(std::move(object));
    return m_objects.back().get();
}

QUrl QmlTest::control(const QString& name)
{
    return QUrl(QStringLiteral("qrc:/core/qml/controls/%1.qml").arg(name));
}

QUrl QmlTest::styledControl(const QString& name)
{
    return QUrl(QStringLiteral("qrc:/core/qml/controls/+noltstyle/%1.qml").arg(name));
}

QStringList QmlTest::takeWarnings()
{
    QMutexLocker lock(&warningsMutex);
    QStringList taken;
    taken.swap(warnings);
    return taken;
}

QQuickWindow& QmlTest::show(QObject* item)
{
    if (!m_window) {
        m_window = std::make_unique<QQuickWindow>();
        m_window->resize(800, 600);
    }
    if (auto* quickItem = qobject_cast<QQuickItem*>(item)) {
        quickItem->setParentItem(m_window->contentItem());
        quickItem->setWidth(m_window->width());
    }
    m_window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
    QCoreApplication::processEvents();
    return *m_window;
}

