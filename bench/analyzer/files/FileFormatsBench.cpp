#include "analyzer/files/TouchstoneIO.h"
#include "analyzer/files/VnaStateIO.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// Costs of the file formats at the sizes the application meets: a 4-port file of
// 1601 points (a dense analyzer sweep), a damaged file of one long line and a setup
// file whose analyzer part is 4 MB.
namespace {

TouchstoneData fourPortSweep()
{
    TouchstoneData data;
    data.portCount = 4;
    for (int point = 0; point < 1601; ++point) {
        TouchstoneRecord record{1e7 + point * 1e7, {}, 4};
        for (int k = 0; k < 16; ++k)
            record.values.emplace_back(0.001 * k - 0.3, 0.5 - 0.002 * point / 1601.0);
        data.records.push_back(record);
    }
    return data;
}

void touchstoneWriteFourPorts(benchmark::State& state)
{
    QTemporaryDir dir;
    const TouchstoneData data = fourPortSweep();
    TouchstoneIO io;
    for (auto _ : state)
        benchmark::DoNotOptimize(io.write(dir.filePath("sweep.s4p"), data));
}
BENCHMARK(touchstoneWriteFourPorts)->Unit(benchmark::kMillisecond);

void touchstoneReadFourPorts(benchmark::State& state)
{
    QTemporaryDir dir;
    TouchstoneIO io;
    const QString path = dir.filePath("sweep.s4p");
    io.write(path, fourPortSweep());
    for (auto _ : state)
        benchmark::DoNotOptimize(io.read(path));
}
BENCHMARK(touchstoneReadFourPorts)->Unit(benchmark::kMillisecond);

// A damaged file of one line of 1.5 MB without a blank: refused as a whole, quickly,
// whatever the line holds (here zero bytes).
void touchstoneReadDamagedLine(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("damaged.s2p");
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(QByteArray(1536000, '\0'));
    }
    TouchstoneIO io;
    for (auto _ : state)
        benchmark::DoNotOptimize(io.read(path));
}
BENCHMARK(touchstoneReadDamagedLine)->Unit(benchmark::kMillisecond);

// One lookup scans the whole file, the analyzer's binary part included.
void stateFileLookup(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("setup.sta");
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        QByteArray analyzerPart(4 * 1024 * 1024, '\0');
        for (int i = 0; i < analyzerPart.size(); ++i)
            analyzerPart[i] = static_cast<char>((i * 7919) % 251);
        file.write(analyzerPart);
    }
    VnaStateIO writer(path, nullptr);
    writer.open(QIODevice::WriteOnly | QIODevice::Append);
    writer.writeSection("NOLT\\SetupsInfo");
    writer.writeValue("MinimumRequiredPortCount", "4");
    writer.writeEmptyLine();

    VnaStateIO reader(path, nullptr);
    reader.open(QIODevice::ReadOnly);
    for (auto _ : state)
        benchmark::DoNotOptimize(reader.readValue("NOLT\\SetupsInfo", "MinimumRequiredPortCount"));
}
BENCHMARK(stateFileLookup)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
