#include <QCoreApplication>
#include <QLoggingCategory>

#include <benchmark/benchmark.h>

// The application object for the event loops and threads, and no debug output
// on the terminal.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules("default.debug=false\ndefault.info=false");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
