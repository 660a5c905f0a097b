#pragma once

#include "engine/processes/base/IProcessMethod.h"

#include <QObject>
#include <QString>

#include <memory>
#include <mutex>
#include <vector>

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

// The processes a connection keeps, in fixture-row order. Written by the
// measurement on the backend worker, copied by whoever reads them, on any thread.
template <typename Process>
class KeptProcesses
{
public:
    using Shared = std::shared_ptr<Process>;

    std::vector<Shared> all() const
    {
        std::lock_guard lock(m_mutex);
        return m_processes;
    }
    void clear()
    {
        std::vector<Shared> released;
        std::lock_guard lock(m_mutex);
        released.swap(m_processes);
    }
    void append(Shared process)
    {
        std::lock_guard lock(m_mutex);
        m_processes.push_back(std::move(process));
    }

private:
    mutable std::mutex m_mutex;
    std::vector<Shared> m_processes;
};
