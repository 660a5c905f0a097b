#include <QCoreApplication>

#include <benchmark/benchmark.h>

// The application object, as in the program: the prefix table watches it for
// translator changes, and the tables receive the analyzer's signals through it.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
