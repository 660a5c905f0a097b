#include "tests/qml/wizard/WizardPageSession.h"

#include "app/startup/InterfaceRegistration.h"
#include "core/SharedControls.h"

#include <QMutex>
#include <QMutexLocker>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlFileSelector>
#include <QTest>

namespace {

QMutex warningsMutex;
QStringList warnings;
QtMessageHandler previousHandler = nullptr;

// Warnings of the declarative engine name the file they come from.
void collectQmlWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const QString category = QString::fromLatin1(context.category);
    const bool declarative = category == "qml" || category == "js" || message.contains(".qml")
                             || message.contains(".js:");
    if (type != QtDebugMsg && type != QtInfoMsg && declarative) {
        QMutexLocker lock(&warningsMutex);
        warnings.append(message);
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

void setUpOnce()
{
    static const bool done = [] {
        Startup::registerSharedInterface();
        Startup::initPageResources();
        SharedControls::selectStyle();
        previousHandler = qInstallMessageHandler(collectQmlWarnings);
        // The controls module adds the style's file selector when it is first imported.
        QQmlEngine first;
        QQmlComponent controls(&first);
        controls.setData("import QtQuick.Controls 2.15\nControl { }", QUrl());
        delete controls.create();
        return true;
    }();
    Q_UNUSED(done);
}

} // namespace

void WizardPageSession::SetUp()
{
    setUpOnce();
    BackendSession::SetUp();
    takeQmlWarnings();
}

void WizardPageSession::TearDown()
{
    pages.clear();
    window.reset();
    engine.reset();
    BackendSession::TearDown();
    QCoreApplication::processEvents();
    const QStringList written = takeQmlWarnings();
    EXPECT_TRUE(written.isEmpty()) << written.join(QLatin1Char('\n')).toStdString();
}

void WizardPageSession::startOnAnalyzer(int ports)
{
    simulator.setPortCount(ports);
    startBackend();
    ASSERT_TRUE(waitForAssignedPorts(ports));
}

QQuickItem* WizardPageSession::showPage(const QString& name)
{
    if (!engine) {
        engine = std::make_unique<QQmlEngine>();
        new QQmlFileSelector(engine.get(), engine.get());
        engine->rootContext()->setContextProperty("backend", backend.get());
        window = std::make_unique<QQuickWindow>();
        window->resize(1000, 800);
    }
    QQmlComponent component(engine.get(), QUrl(QStringLiteral("qrc:/qml/pages/%1.qml").arg(name)));
    std::unique_ptr<QObject> object(component.isError() ? nullptr : component.create());
    auto* page = qobject_cast<QQuickItem*>(object.get());
    if (!page) {
        ADD_FAILURE() << component.errorString().toStdString();
        return nullptr;
    }
    object.release();
    pages.emplace_back(page);
    page->setParentItem(window->contentItem());
    page->setSize(window->size());
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QCoreApplication::processEvents();
    return page;
}

QQuickItem* WizardPageSession::findVisible(QObject* root, const QString& name)
{
    const QList<QQuickItem*> found = visibleItemsNamed(root, name);
    return found.isEmpty() ? nullptr : found.front();
}

void WizardPageSession::typeAndFinish(QQuickItem* field, const QString& text)
{
    field->setProperty("text", text);
    QMetaObject::invokeMethod(field, "textEdited");
    QMetaObject::invokeMethod(field, "editingFinished");
}

void WizardPageSession::typeKeys(QQuickItem* field, const QString& text)
{
    ASSERT_NE(field, nullptr);
    field->forceActiveFocus();
    QMetaObject::invokeMethod(field, "selectAll");
    for (const QChar character : text) {
        // A character off the Latin-1 keys comes as a keyboard layout types it: a key
        // unknown to Qt with its text.
        if (character.toLatin1() != 0)
            QTest::keyClick(window.get(), character.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, window.get(), Qt::Key_unknown, QString(character), Qt::NoModifier);
    }
    EXPECT_EQ(field->property("text").toString(), text);
}

void WizardPageSession::typeKeysAndReturn(QQuickItem* field, const QString& text)
{
    ASSERT_NO_FATAL_FAILURE(typeKeys(field, text));
    QTest::keyClick(window.get(), Qt::Key_Return);
}

QStringList WizardPageSession::takeQmlWarnings()
{
    QMutexLocker lock(&warningsMutex);
    QStringList taken;
    taken.swap(warnings);
    return taken;
}
