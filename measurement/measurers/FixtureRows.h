#pragma once

#include "measurement/fixtures/MeasuredFixturePort.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class VNAFixtureConnection;

// One fixture port as a measurement sees it: the analyzer port it was cabled to
// when the measurement started, and its result row, kept alive by the
// measurement even when the user changes the port count meanwhile.
struct FixtureRow
{
    uint analyzerPort = 0;
    std::shared_ptr<MeasuredFixturePort> port;
};

using FixtureRows = std::vector<FixtureRow>;

// Taken on the GUI thread, where the connection lives; the worker reads only the copy.
FixtureRows takeFixtureRows(const VNAFixtureConnection& connection);

// The analyzer ports the rows of the given lists are cabled to.
std::vector<uint> analyzerPortsOf(const std::vector<FixtureRows>& fixtures);

// The results of every row cleared, on the thread that writes results.
void clearResults(const FixtureRows& rows);

// On the thread that writes results: the rows now hold what the step measures.
void markWrittenBy(const FixtureRows& rows, std::uint64_t step);
// The results of the rows the step wrote last cleared; rows a newer step has
// measured since keep that step's results.
void clearResultsWrittenBy(const FixtureRows& rows, std::uint64_t step);

// A text for the user when a row uses a port the data cannot have, or when a port
// is used by more than one row of the given lists; no value when all is well.
std::optional<QString> checkAnalyzerPorts(const std::vector<const FixtureRows*>& fixtures,
                                          std::optional<uint> portCount);
