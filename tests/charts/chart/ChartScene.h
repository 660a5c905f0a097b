#pragma once

#include "charts/chart/Chart.h"
#include "charts/traces/Trace.h"

#include <QColor>
#include <QImage>
#include <QQuickItem>
#include <QQuickView>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace ChartTest {

// A window with a 240 x 140 chart in a clipped parent at the window's top.
// Traces span the data window (0, 10) x (0, 10), are 3 pixels wide, and are
// drawn in pure colours on a white window. The chart draws single-sampled, so
// colours stay exact: Mesa's software rasterizer also drops multisampled line
// segments shorter than about half a pixel.
class ChartScene : public ::testing::Test
{
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    Trace* addTrace(const QColor& color, const QVector<QPointF>& points, double z = 0.0);
    // Re-evaluates the traces and renders a frame, as the refresh timer would.
    QImage frame();
    // Renders frames until condition holds (a response takes two frames).
    bool renderUntil(const std::function<bool()>& condition);
    void sendHover(const QPoint& position);

    std::unique_ptr<QQuickView> view;
    QQuickItem* clip = nullptr;
    Orlix::Frontend::Chart* chart = nullptr;
    QQuickItem* band = nullptr;
};

// Points of a horizontal or vertical segment.
QVector<QPointF> segment(QPointF from, QPointF to);

} // namespace ChartTest
