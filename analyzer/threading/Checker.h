#pragma once

#include <QObject>

#include <mutex>

// What a caller waits on, in a nested event loop, until a task on another
// thread has reported. The report sets the done flag and emits checked() under
// one lock, and the waiter tests the flag under the same lock, so a waiter that
// returns (and destroys the Checker on its stack) never races the emission.
class Checker : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~Checker() override;

    // Returns once report() has run; events of the calling thread are served meanwhile.
    void wait();
    // Any thread; the caller stores its result before calling this.
    void report();
    bool isDone() const;

signals:
    void checked();

private:
    mutable std::recursive_mutex m_mutex;
    bool m_done = false;
};
