#include "bench/charts/traces/ChartBenchScene.h"

#include <QEventLoop>
#include <QLoggingCategory>
#include <QMetaObject>
#include <QTimer>

#include <atomic>
#include <cmath>
#include <cstring>

namespace {

std::atomic<long long> passes{0};
QtMessageHandler previousHandler = nullptr;

void countingHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (context.category && std::strcmp(context.category, "orlix.charts.render") == 0) {
        ++passes;
        return;
    }
    previousHandler(type, context, message);
}

} // namespace

void countTracePasses()
{
    QLoggingCategory::setFilterRules("orlix.charts.render.debug=true");
    previousHandler = qInstallMessageHandler(countingHandler);
}

long long tracePassCount()
{
    return passes.load();
}

QVector<QPointF> sineTrace(int count, double phase)
{
    QVector<QPointF> points(count);
    for (int k = 0; k < count; ++k) {
        const double x = double(k) / (count - 1);
        points[k] = {x, std::sin(40.0 * x + phase) + 0.1 * std::sin(2000.0 * x)};
    }
    return points;
}

ChartBenchScene::ChartBenchScene(int width, int height, int traceCount, int points)
    : view(std::make_unique<QQuickView>())
{
    view->resize(width, height);
    chart = new Orlix::Frontend::Chart(view->contentItem());
    chart->setSize(QSizeF(width, height));
    for (int i = 0; i < traceCount; ++i) {
        auto* trace = new Trace(chart);
        trace->setColor(QColor::fromHsv(i * 360 / traceCount, 255, 255));
        trace->domain()->setXRange({0.0, 1.0});
        trace->domain()->setYRange({-1.5, 1.5});
        trace->replace(sineTrace(points, 0.3 * i));
        chart->addTrace(trace);
        traces.push_back(trace);
    }
    QObject::connect(view.get(), &QQuickWindow::beforeSynchronizing, view.get(),
                     [this] { m_syncClock.start(); }, Qt::DirectConnection);
    QObject::connect(view.get(), &QQuickWindow::afterSynchronizing, view.get(),
                     [this] {
                         m_syncNanoseconds += m_syncClock.nsecsElapsed();
                         m_syncClock.start();
                     }, Qt::DirectConnection);
    QObject::connect(view.get(), &QQuickWindow::frameSwapped, view.get(),
                     [this] { m_renderNanoseconds += m_syncClock.nsecsElapsed(); }, Qt::DirectConnection);
    view->show();
    renderFrame();
}

ChartBenchScene::~ChartBenchScene() = default;

bool ChartBenchScene::renderFrame()
{
    QEventLoop loop;
    bool swapped = false;
    QObject::connect(view.get(), &QQuickWindow::frameSwapped, &loop, [&] {
        swapped = true;
        loop.quit();
    }, Qt::QueuedConnection);
    QTimer::singleShot(1000, &loop, &QEventLoop::quit);
    chart->update();
    loop.exec();
    return swapped;
}

double ChartBenchScene::synchronisingSeconds() const
{
    return double(m_syncNanoseconds.load()) * 1e-9;
}

double ChartBenchScene::renderingSeconds() const
{
    return double(m_renderNanoseconds.load()) * 1e-9;
}

void ChartBenchScene::refresh()
{
    QMetaObject::invokeMethod(chart, "refresh");
}
