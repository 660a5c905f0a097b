#pragma once

#include "charts/chart/Chart.h"
#include "charts/traces/Trace.h"

#include <QElapsedTimer>
#include <QPointF>
#include <QQuickView>
#include <QVector>

#include <atomic>
#include <memory>
#include <vector>

// Enables the renderer's debug line per trace pass and counts those lines.
void countTracePasses();
long long tracePassCount();

// A sine of count points with the given phase, x from 0 to 1.
QVector<QPointF> sineTrace(int count, double phase);

// A shown window of the given size filled by an antialiased chart with
// `traces` traces of `points` points each.
struct ChartBenchScene
{
    ChartBenchScene(int width, int height, int traces, int points);
    ~ChartBenchScene();

    // Schedules a repaint and waits until the window has shown the frame;
    // false when no frame came within a second.
    bool renderFrame();
    void refresh();
    // Time the window spent synchronising, the chart's trace passes included.
    double synchronisingSeconds() const;
    // Time from the end of the synchronisation to the buffer swap: the scene
    // graph's drawing, which waits for the rasterizer to finish the traces.
    double renderingSeconds() const;

    std::unique_ptr<QQuickView> view;
    Orlix::Frontend::Chart* chart = nullptr;
    std::vector<Trace*> traces;

private:
    QElapsedTimer m_syncClock;
    std::atomic<qint64> m_syncNanoseconds{0};
    std::atomic<qint64> m_renderNanoseconds{0};
};
