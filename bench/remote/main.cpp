#include "bench/remote/BenchCommands.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <benchmark/benchmark.h>

// The application object for the sockets and threads, the command registry,
// and no per-line debug output on the terminal.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules("default.debug=false\ndefault.info=false");
    registerBenchCommands();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
