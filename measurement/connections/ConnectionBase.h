#pragma once

#include "engine/processes/base/IProcessMethod.h"

#include <QObject>
#include <QString>

#include <memory>
#include <mutex>
#include <vector>

class MeasuredFixturePort;

namespace Algorithms {
class ProcessInputParameters;
}

// What a measurement step works on: fixture connections, the engine parameters
// handed to its processes, and the processes of its last measurement, kept for
// later calculations on the same fixtures.
class ConnectionBase : public QObject
{
    Q_OBJECT

public:
    Algorithms::ProcessInputParameters* params() const { return m_params; }

protected:
    ConnectionBase(Algorithms::ProcessInputParameters* params, QObject* parent);

private:
    Algorithms::ProcessInputParameters* m_params;
};

// The processes a connection keeps, in fixture-row order, each with the result rows it
// writes. A process holds its ports by address, so it keeps those rows alive: a row that
// a port-count edit removed and added again is a new row, never one freed under it.
// Written by the measurement on the backend worker, copied by whoever reads them, on
// any thread.
template <typename Process>
class KeptProcesses
{
public:
    using Shared = std::shared_ptr<Process>;
    using Rows = std::vector<std::shared_ptr<MeasuredFixturePort>>;

    struct Kept
    {
        Shared process;
        Rows rows;
    };

    std::vector<Kept> all() const
    {
        std::lock_guard lock(m_mutex);
        return m_kept;
    }
    void clear()
    {
        std::vector<Kept> released;
        std::lock_guard lock(m_mutex);
        released.swap(m_kept);
    }
    void replace(std::vector<Kept> kept)
    {
        std::lock_guard lock(m_mutex);
        m_kept.swap(kept);
    }

private:
    mutable std::mutex m_mutex;
    std::vector<Kept> m_kept;
};
