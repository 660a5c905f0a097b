#include "analyzer/facade/SyncedVnaDevice.h"
#include "app/checks/CalibrateVnaTableModel.h"
#include "app/checks/SetupVnaTableModel.h"
#include "simulator/AnalyzerSimulator.h"
#include "simulator/AnalyzerSimulatorThread.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

// One full pass of the interface over both check tables, as a repaint after a
// refresh does it: every cell with the roles the view reads, and the verdict.
namespace {

void readTable(const BaseTableModel& table)
{
    for (int row = 0; row < table.rowCount(); ++row) {
        for (int column = 0; column < table.columnCount(); ++column) {
            const QModelIndex index = table.index(row, column);
            for (const int role : {int(Qt::DisplayRole), int(Qt::EditRole), int(BaseTableModel::UnitsRole),
                                   int(BaseTableModel::RecommendedRole), int(BaseTableModel::EnumerationValuesRole)})
                benchmark::DoNotOptimize(table.data(index, role));
        }
    }
    benchmark::DoNotOptimize(table.getError());
}

void passOverBothCheckTables(benchmark::State& state)
{
    Simulator::AnalyzerSimulatorThread analyzer;
    analyzer.simulator().listen();
    SyncedVnaDevice device;
    device.setPort(analyzer.simulator().port());
    SetupVnaTableModel setup(&device);
    CalibrateVnaTableModel calibration(&device);
    if (!device.callAndWait(&SyncedVnaDevice::refresh) || !device.callAndWait(&SyncedVnaDevice::refresh)) {
        state.SkipWithError("the simulated analyzer did not answer");
        return;
    }
    QCoreApplication::processEvents();
    calibration.changeRecommendedPorts({0, 1});
    for (auto _ : state) {
        readTable(setup);
        readTable(calibration);
    }
}
BENCHMARK(passOverBothCheckTables)->Unit(benchmark::kMicrosecond);

} // namespace
