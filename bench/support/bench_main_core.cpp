#include <QCoreApplication>
#include <QLoggingCategory>

#include <benchmark/benchmark.h>

// The application object for event loops, sockets and threads, as in the
// program, and no debug output on the terminal between the figures.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules("default.debug=false\ndefault.info=false");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
