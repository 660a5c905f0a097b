#pragma once

#include "charts/chart/Chart.h"

#include <atomic>

namespace ChartTest {

// Counts its paint-node updates, which only a repaint that it asked for brings.
class CountingChart : public Orlix::Frontend::Chart
{
public:
    using Chart::Chart;
    std::atomic<int> updates{0};

protected:
    QSGNode* updatePaintNode(QSGNode* oldNode, UpdatePaintNodeData* data) override;
};

// Lets the event loop run until the chart has asked for no frame for a while,
// then tells whether it stays quiet over many more refresh intervals. A chart
// that keeps asking never gets that far.
bool staysIdle(const CountingChart& chart);

} // namespace ChartTest
