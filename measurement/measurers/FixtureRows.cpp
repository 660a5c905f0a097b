#include "measurement/measurers/FixtureRows.h"

#include "measurement/fixtures/VNAFixtureConnection.h"

#include <QCoreApplication>

#include <algorithm>
#include <set>

FixtureRows takeFixtureRows(const VNAFixtureConnection& connection)
{
    const VNAFixtureConnection::MeasuredPorts ports = connection.measuredPorts();
    const std::size_t count = std::min<std::size_t>(connection.fixture()->portsCount(), ports.size());
    FixtureRows rows;
    rows.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        rows.push_back({connection.getAttachedVnaPort(i), ports[i]});
    return rows;
}

std::vector<uint> analyzerPortsOf(const std::vector<FixtureRows>& fixtures)
{
    std::vector<uint> ports;
    for (const FixtureRows& rows : fixtures) {
        for (const FixtureRow& row : rows)
            ports.push_back(row.analyzerPort);
    }
    return ports;
}

void clearResults(const FixtureRows& rows)
{
    for (const FixtureRow& row : rows)
        row.port->measureData()->clear();
}

void markWrittenBy(const FixtureRows& rows, std::uint64_t step)
{
    for (const FixtureRow& row : rows)
        row.port->setWriter(step);
}

void clearResultsWrittenBy(const FixtureRows& rows, std::uint64_t step)
{
    for (const FixtureRow& row : rows) {
        if (row.port->writer() == step)
            row.port->measureData()->clear();
    }
}

std::optional<QString> checkAnalyzerPorts(const std::vector<const FixtureRows*>& fixtures,
                                          std::optional<uint> portCount)
{
    std::set<uint> used;
    for (const FixtureRows* rows : fixtures) {
        for (const FixtureRow& row : *rows) {
            if (portCount && row.analyzerPort >= *portCount)
                return QCoreApplication::translate("FixtureRows", "Port %1 is not among the %2 ports of the measured data")
                    .arg(row.analyzerPort + 1)
                    .arg(*portCount);
            if (!used.insert(row.analyzerPort).second)
                return QCoreApplication::translate("FixtureRows", "Port %1 is cabled to more than one fixture port")
                    .arg(row.analyzerPort + 1);
        }
    }
    return std::nullopt;
}
