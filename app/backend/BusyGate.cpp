#include "app/backend/BusyGate.h"

#include "measurement/steps/Step.h"

BusyGate::Hold::Hold(BusyGate* gate)
    : m_gate(gate)
{
    m_gate->acquire();
}

BusyGate::Hold::Hold(Hold&& other) noexcept
    : m_gate(other.m_gate)
{
    other.m_gate = nullptr;
}

BusyGate::Hold::~Hold()
{
    if (m_gate)
        m_gate->release();
}

bool BusyGate::whenIdle(std::function<void()> change)
{
    if (m_shutDown)
        return false;
    m_deferred.push_back(std::move(change));
    runDeferred();
    return true;
}

void BusyGate::trackStep(Step* step)
{
    connect(step, &Step::started, this, &BusyGate::measurementStarted, Qt::UniqueConnection);
    // finished() may come from the backend worker; it arrives here queued.
    connect(step, &Step::finished, this, &BusyGate::measurementFinished, Qt::UniqueConnection);
}

void BusyGate::shutDown()
{
    m_shutDown = true;
    m_deferred.clear();
}

void BusyGate::measurementStarted()
{
    acquire();
}

void BusyGate::measurementFinished()
{
    if (m_holds > 0)
        release();
}

void BusyGate::release()
{
    --m_holds;
    runDeferred();
}

void BusyGate::runDeferred()
{
    // A change that waits in a nested event loop may let another change arrive;
    // that one queues behind it rather than running inside it.
    if (m_running)
        return;
    m_running = true;
    while (!m_deferred.empty() && m_holds == 0 && !m_shutDown) {
        std::function<void()> change = std::move(m_deferred.front());
        m_deferred.pop_front();
        change();
    }
    m_running = false;
    if (m_deferred.empty() && m_holds == 0)
        emit idle();
}
