#include "app/exports/PortResults.h"

#include "analyzer/threading/Checker.h"
#include "analyzer/threading/WorkerThread.h"

std::optional<std::vector<PortResult>> readPortResults(WorkerThread* worker,
                                                       const VNAFixtureConnection::MeasuredPorts& ports)
{
    std::vector<uint> analyzerPorts;
    for (const auto& port : ports)
        analyzerPorts.push_back(port->measuredPort());

    // The caller's vector holds the rows until the wait has ended, so no row is
    // ever released on the worker.
    Checker checker;
    std::optional<std::vector<PortResult>> results;
    worker->post(
        [&checker, &results, &ports, &analyzerPorts] {
            std::vector<PortResult> copies;
            for (std::size_t i = 0; i < ports.size(); ++i) {
                const Algorithms::FixturePort& port = *ports[i]->measureData();
                copies.push_back({analyzerPorts[i], port.sParameters(), port.z0(), port.isMirrored(),
                                  port.impulseResponse(), port.stepResponse(), port.gating()});
            }
            results = std::move(copies);
            checker.report();
        },
        [&checker] { checker.report(); });
    checker.wait();
    return results;
}
