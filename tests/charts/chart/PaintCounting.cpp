#include "tests/charts/chart/PaintCounting.h"

#include <QElapsedTimer>
#include <QTest>

namespace ChartTest {

QSGNode* CountingChart::updatePaintNode(QSGNode* oldNode, UpdatePaintNodeData* data)
{
    ++updates;
    return Chart::updatePaintNode(oldNode, data);
}

bool staysIdle(const CountingChart& chart)
{
    // Quiet spells and the final watch span several 33 ms refresh intervals.
    constexpr int quietSpellMs = 200;
    constexpr int watchMs = 500;
    QElapsedTimer elapsed;
    elapsed.start();
    int seen = chart.updates;
    while (elapsed.elapsed() < 5000) {
        QTest::qWait(quietSpellMs);
        if (chart.updates == seen)
            break;
        seen = chart.updates;
    }
    QTest::qWait(watchMs);
    return chart.updates == seen;
}

} // namespace ChartTest
