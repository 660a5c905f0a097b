#include "measurement/measurers/DraftPort.h"

#include "engine/port/FixturePort.h"

#include <utility>

DraftPort::DraftPort(FixtureRow row, std::optional<double> portImpedance)
    : m_row(std::move(row))
    , m_portImpedance(portImpedance)
    , m_port(std::make_unique<Algorithms::FixturePort>())
{
}

DraftPort::DraftPort(FixtureRow row, double portImpedance)
    : DraftPort(std::move(row), std::optional<double>(portImpedance))
{
}

DraftPort DraftPort::copyOf(FixtureRow row)
{
    DraftPort draft(std::move(row), std::nullopt);
    draft.m_port->takeResults(*draft.rowPort());
    return draft;
}

DraftPort::DraftPort(DraftPort&&) noexcept = default;
DraftPort& DraftPort::operator=(DraftPort&&) noexcept = default;
DraftPort::~DraftPort() = default;

Algorithms::FixturePort* DraftPort::rowPort() const
{
    return m_row.port->measureData();
}

void DraftPort::putInPlace()
{
    if (m_portImpedance) {
        m_row.port->setMeasuredPort(m_row.analyzerPort);
        m_row.port->setZ0Port(*m_portImpedance);
        m_row.port->setInLowPasMode(false);
    }
    rowPort()->takeResults(std::move(*m_port));
}
