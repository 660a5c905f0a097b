#include "tests/charts/plotter/PlotterScene.h"

#include "app/formatting/UnitFormatter.h"
#include "charts/registration/ChartRegistration.h"
#include "core/SharedControls.h"

#include <QCoreApplication>
#include <QMutex>
#include <QMutexLocker>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QStringList>
#include <QTest>
#include <QtQml>

namespace PlotterTest {
namespace {

QMutex messagesMutex;
QStringList messages;

// Messages may come from the render thread.
void collectMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    QMutexLocker lock(&messagesMutex);
    messages.append(message);
}

QStringList takeMessages()
{
    QMutexLocker lock(&messagesMutex);
    QStringList taken;
    taken.swap(messages);
    return taken;
}

const QByteArray sceneQml = R"qml(
import QtQuick 2.15
import "qrc:/core/qml/chart"
import Color 1.0
Item {
    width: 640; height: 400
    property QtObject reference: QtObject { property real x: 5; property real y: 5 }
    function setTheme(theme) { Color.theme = theme }
    Plotter {
        objectName: "plotter"
        anchors.fill: parent
        xAxisTitle: "Frequency (Hz)"
        yAxisTitle: "Magnitude (dB)"
        markersOf: (trace) => ({ referenceMarker: parent.reference })
    }
}
)qml";

void collectNamed(QQuickItem* item, const QString& name, QList<QQuickItem*>& found)
{
    if (!item->isVisible())
        return;
    if (item->objectName() == name)
        found.append(item);
    for (QQuickItem* child : item->childItems())
        collectNamed(child, name, found);
}

} // namespace

void QmlScene::SetUpTestSuite()
{
    static const bool done = [] {
        // The render loop is chosen once per process.
        if (qEnvironmentVariableIsEmpty("QSG_RENDER_LOOP"))
            qputenv("QSG_RENDER_LOOP", "basic");
        SharedControls::initResources();
        registerChartQmlTypes();
        SharedControls::registerSingletons();
        qmlRegisterSingletonType<UnitFormatter>("UnitFormatter", 1, 0, "UnitFormatter",
                                                [](QQmlEngine*, QJSEngine*) -> QObject* { return new UnitFormatter; });
        SharedControls::selectStyle();
        qInstallMessageHandler(collectMessages);
        return true;
    }();
    Q_UNUSED(done);
}

void QmlScene::SetUp()
{
    takeMessages();
}

void QmlScene::TearDown()
{
    QCoreApplication::processEvents();
    const QStringList written = takeMessages();
    EXPECT_TRUE(written.isEmpty()) << written.join(QLatin1Char('\n')).toStdString();
}

void PlotterScene::SetUp()
{
    QmlScene::SetUp();
    view = std::make_unique<QQuickView>();
    QQmlComponent component(view->engine());
    component.setData(sceneQml, QUrl(QStringLiteral("qrc:/tests/PlotterScene.qml")));
    root = qobject_cast<QQuickItem*>(component.create());
    ASSERT_TRUE(root) << component.errorString().toStdString();
    root->setParent(view.get());
    root->setParentItem(view->contentItem());
    plotter = root->findChild<QQuickItem*>(QStringLiteral("plotter"));
    ASSERT_TRUE(plotter);
    plotter->setProperty("scaleManager", QVariant::fromValue<QObject*>(&manager));
    view->resize(640, 400);
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
}

void PlotterScene::TearDown()
{
    view.reset();
    QmlScene::TearDown();
}

Trace* PlotterScene::addTrace(const QString& name)
{
    auto* trace = new Trace(root);
    trace->setName(name);
    call("addTrace", QVariant::fromValue<QObject*>(trace));
    return trace;
}

QVariant PlotterScene::call(const char* function, const QVariant& argument)
{
    QVariant result;
    const bool called = argument.isValid()
                            ? QMetaObject::invokeMethod(plotter, function, Q_RETURN_ARG(QVariant, result),
                                                        Q_ARG(QVariant, argument))
                            : QMetaObject::invokeMethod(plotter, function, Q_RETURN_ARG(QVariant, result));
    EXPECT_TRUE(called) << function;
    return result;
}

QPointF PlotterScene::pointOf(const char* property) const
{
    return plotter->property(property).toPointF();
}

void PlotterScene::settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

QList<QQuickItem*> PlotterScene::visibleNamed(const QString& name) const
{
    QList<QQuickItem*> found;
    collectNamed(plotter, name, found);
    return found;
}

} // namespace PlotterTest
