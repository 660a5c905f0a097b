#pragma once

#include <QObject>

#include <deque>
#include <functional>

class Step;

// Keeps setup changes (preset, recall, port-count edits, data deletion) out of
// work in progress. While a measurement, a backend operation or a bridged remote
// command holds the gate, such changes wait and then run in arrival order, as
// soon as the last hold is released. Once shutdown has begun, waiting changes are
// dropped and new ones refused. GUI thread only.
//
// A bridged remote command holds the gate while it runs (hold()), and passes
// whatever changes setups to whenIdle() instead of running it; such a command
// must not hold the gate itself, or its change would wait for its own end.
class BusyGate : public QObject
{
    Q_OBJECT

public:
    // Marks the gate busy for its lifetime.
    class Hold
    {
    public:
        explicit Hold(BusyGate* gate);
        Hold(Hold&& other) noexcept;
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;
        Hold& operator=(Hold&&) = delete;
        ~Hold();

    private:
        BusyGate* m_gate;
    };

    using QObject::QObject;

    Hold hold() { return Hold(this); }
    bool isBusy() const { return m_holds > 0; }
    bool isShutDown() const { return m_shutDown; }

    // Runs the change now when nothing holds the gate, else queues it. False when
    // shutdown has begun and the change will never run.
    bool whenIdle(std::function<void()> change);
    // Counts the step's measurements (from started() to finished()) as holds.
    void trackStep(Step* step);
    void shutDown();

signals:
    // Every deferred change has run.
    void idle();

private slots:
    void measurementStarted();
    void measurementFinished();

private:
    void acquire() { ++m_holds; }
    void release();
    void runDeferred();

    int m_holds = 0;
    bool m_shutDown = false;
    bool m_running = false;
    std::deque<std::function<void()>> m_deferred;
};
