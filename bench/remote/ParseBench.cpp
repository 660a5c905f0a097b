#include "remote/parser/DeviceFunctions.h"

#include <benchmark/benchmark.h>

using Orlix::Automation::DeviceFunctions;

namespace {

void parseLine(benchmark::State& state, const QByteArray& line)
{
    for (auto _ : state) {
        QByteArray answer;
        DeviceFunctions functions(nullptr, &answer, nullptr);
        functions.ParseMessage(line);
        benchmark::DoNotOptimize(answer.data());
    }
}

// A fixture description as a test program sends it: four commands, three of
// them relative to the first one's path.
void BM_ParseFixtureSetupLine(benchmark::State& state)
{
    parseLine(state, "NOLT:SYSTem:FIXTure:LEFT 1;RIGHT 1;LEFT:PORT:COUNt 2;RIGHT:PORT:COUNt 2");
}
BENCHMARK(BM_ParseFixtureSetupLine);

// A query near the end of the registry, with a suffix.
void BM_ParseLateQuery(benchmark::State& state)
{
    parseLine(state, "NOLT:SYST:FIXT:RIGHT:PORT2:AUX:IMP:TRAC?");
}
BENCHMARK(BM_ParseLateQuery);

void BM_ParseOpc(benchmark::State& state)
{
    parseLine(state, "*OPC?");
}
BENCHMARK(BM_ParseOpc);

} // namespace
