#pragma once

#include "measurement/measurers/FixtureRows.h"

#include <memory>
#include <optional>

namespace Algorithms {
class FixturePort;
}

// A fixture row's results as a measurement calculates them, aside from the row: the row
// goes on showing (and exporting) its earlier results until the whole measurement has
// succeeded, and a cancel or failure on the way leaves them as they were. Made, used
// and put in place on the thread that writes results.
class DraftPort
{
public:
    // Nothing calculated yet; the row is measured on its analyzer port with this impedance.
    DraftPort(FixtureRow row, double portImpedance);
    // What the row holds now, to be calculated further.
    static DraftPort copyOf(FixtureRow row);

    DraftPort(DraftPort&&) noexcept;
    DraftPort& operator=(DraftPort&&) noexcept;
    ~DraftPort();

    Algorithms::FixturePort* port() const { return m_port.get(); }
    const FixtureRow& row() const { return m_row; }
    Algorithms::FixturePort* rowPort() const;
    // The row takes the draft's results (and, for a new measurement, its analyzer port and
    // impedance), announcing them; the draft is left without them.
    void putInPlace();

private:
    DraftPort(FixtureRow row, std::optional<double> portImpedance);

    FixtureRow m_row;
    std::optional<double> m_portImpedance;
    std::unique_ptr<Algorithms::FixturePort> m_port;
};
