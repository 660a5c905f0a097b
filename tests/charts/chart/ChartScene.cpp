#include "tests/charts/chart/ChartScene.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMetaObject>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTest>

namespace ChartTest {
namespace {

const QByteArray sceneQml = R"(
import QtQuick 2.15
import com.orlix.chart 1.0
Item {
    width: 240; height: 200
    Item {
        objectName: "clip"
        clip: true
        width: 240; height: 140
        Chart {
            objectName: "chart"
            anchors.fill: parent
            rubberBand: band
            antialiasing: false
            Rectangle { id: band; objectName: "band"; color: "grey"; opacity: 0.5; visible: false }
        }
    }
}
)";

} // namespace

void ChartScene::SetUpTestSuite()
{
    // The render loop is chosen once per process; CTest runs the threaded one separately.
    if (qEnvironmentVariableIsEmpty("QSG_RENDER_LOOP"))
        qputenv("QSG_RENDER_LOOP", "basic");
    static const bool registered = [] {
        qmlRegisterType<Trace>("com.orlix.chart", 1, 0, "Trace");
        qmlRegisterType<Orlix::Frontend::Chart>("com.orlix.chart", 1, 0, "Chart");
        return true;
    }();
    Q_UNUSED(registered);
}

void ChartScene::SetUp()
{
    view = std::make_unique<QQuickView>();
    view->setColor(Qt::white);
    QQmlComponent component(view->engine());
    component.setData(sceneQml, QUrl());
    auto* root = qobject_cast<QQuickItem*>(component.create());
    ASSERT_TRUE(root) << component.errorString().toStdString();
    root->setParent(view.get());
    root->setParentItem(view->contentItem());
    clip = root->findChild<QQuickItem*>("clip");
    chart = root->findChild<Orlix::Frontend::Chart*>("chart");
    band = root->findChild<QQuickItem*>("band");
    ASSERT_TRUE(clip && chart && band);
    // Another item's OpenGL code may leave a scissor box and blending on while
    // the chart draws during the synchronisation.
    QObject::connect(
        view.get(), &QQuickWindow::beforeSynchronizing, view.get(),
        [] {
            QOpenGLFunctions* gl = QOpenGLContext::currentContext()->functions();
            gl->glEnable(GL_SCISSOR_TEST);
            gl->glScissor(0, 0, 1, 1);
            gl->glEnable(GL_BLEND);
            gl->glBlendFunc(GL_ZERO, GL_ONE);
        },
        Qt::DirectConnection);
    QObject::connect(
        view.get(), &QQuickWindow::afterSynchronizing, view.get(),
        [] {
            QOpenGLFunctions* gl = QOpenGLContext::currentContext()->functions();
            gl->glDisable(GL_SCISSOR_TEST);
            gl->glDisable(GL_BLEND);
        },
        Qt::DirectConnection);
    view->resize(240, 200);
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    view->grabWindow();
}

void ChartScene::TearDown()
{
    view.reset();
}

Trace* ChartScene::addTrace(const QColor& color, const QVector<QPointF>& points, double z)
{
    auto* trace = new Trace(chart);
    trace->setColor(color);
    trace->setLineWidth(3.0f);
    trace->setZ(z);
    trace->domain()->setXRange({0.0, 10.0});
    trace->domain()->setYRange({0.0, 10.0});
    trace->replace(points);
    chart->addTrace(trace);
    return trace;
}

QImage ChartScene::frame()
{
    QMetaObject::invokeMethod(chart, "refresh");
    return view->grabWindow();
}

bool ChartScene::renderUntil(const std::function<bool()>& condition)
{
    // A loaded machine may need many frames; a deadline, not a frame count.
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < 10000) {
        QCoreApplication::processEvents();
        if (condition())
            return true;
        frame();
    }
    return condition();
}

void ChartScene::sendHover(const QPoint& position)
{
    QMouseEvent move(QEvent::MouseMove, position, view->mapToGlobal(position), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(view.get(), &move);
}

QVector<QPointF> segment(QPointF from, QPointF to)
{
    QVector<QPointF> points;
    for (int k = 0; k <= 100; ++k)
        points.append(from + (to - from) * (k / 100.0));
    return points;
}

} // namespace ChartTest
