#include "analyzer/threading/WorkerThread.h"
#include "measurement/port/QmlFixturePort.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>

using namespace Algorithms;

namespace {

constexpr std::size_t Points = 1001;

// Run r writes a set whose four parameters all have magnitude level(r), so a curve
// mixed from two runs would show two levels.
double level(int run)
{
    return 0.01 + 0.9 * (run % 97) / 97.0;
}

void writeRun(FixturePort& port, int run)
{
    if (run % 10 == 9) {
        port.clear();
        return;
    }
    std::vector<double> frequencies(Points);
    for (std::size_t i = 0; i < Points; ++i)
        frequencies[i] = 1e7 * static_cast<double>(i + 1);
    const std::vector<std::complex<double>> values(Points, {level(run), 0.0});
    SParametersTwoPort set;
    set.setFrequencies(frequencies);
    set.setS11(values);
    set.setS12(values);
    set.setS21(values);
    set.setS22(values);
    port.setUncorrectedSParametersDefault(set);
    port.setDefaultLength(1e-10 * run);
    port.selectDefaultSParameters();

    ImpulseResponse impulse;
    impulse.times = frequencies;
    impulse.values = values;
    impulse.delay = 1e-10;
    impulse.coarseDelay = 1e-10;
    port.setImpulseResponse(impulse);
}

bool isOneLevel(const QVector<QPointF>& curve, double db)
{
    for (const QPointF& p : curve) {
        if (p.y() != db)
            return false;
    }
    return true;
}

} // namespace

TEST(QmlFixturePortStress, TheGuiReadsWholeRunsWhileTheWorkerRewritesTheResults)
{
    WorkerThread worker;
    QmlFixturePort port;
    constexpr int Runs = 299; // the last run writes a set, not a clear
    std::atomic<bool> done{false};
    worker.post([&] {
        for (int run = 0; run < Runs; ++run)
            writeRun(port, run);
        done = true;
    });

    int reads = 0;
    while (!done || reads == 0) {
        QCoreApplication::processEvents();
        const QVector<QPointF>& s11 = *port.s11Curve();
        if (s11.isEmpty())
            continue;
        ++reads;
        const double db = s11.first().y();
        ASSERT_EQ(static_cast<std::size_t>(s11.size()), Points);
        for (const QVector<QPointF>* curve : {port.s12Curve(), port.s21Curve(), port.s22Curve()})
            ASSERT_TRUE(isOneLevel(*curve, db));
        ASSERT_TRUE(port.length().isValid());
    }
    QCoreApplication::processEvents();

    const double last = 20.0 * std::log10(level(Runs - 1));
    EXPECT_NEAR(port.s22Curve()->first().y(), last, 1e-12);
    EXPECT_DOUBLE_EQ(port.length().toDouble(), 1e-10 * (Runs - 1));
    EXPECT_GT(reads, 0);
}
