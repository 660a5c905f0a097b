#include "bench/charts/traces/ChartBenchScene.h"

#include <QApplication>

#include <benchmark/benchmark.h>

// The application object for the chart windows (run under Xvfb), and a count
// of the chart renderer's trace passes.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    countTracePasses();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
