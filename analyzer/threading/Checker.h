#pragma once

#include <QObject>

#include <condition_variable>
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

    // Returns once report() has run; events of the calling thread are served
    // meanwhile. Once the application has been told to quit, the application's
    // thread serves no more events: the wait then blocks until the report. A wait
    // on the application's thread whose loop the quit ended tells QuitNotice before
    // it returns, also when the report came as well.
    void wait();
    // Any thread; the caller stores its result before calling this.
    void report();
    bool isDone() const;

signals:
    void checked();

private:
    mutable std::recursive_mutex m_mutex;
    std::condition_variable_any m_reported;
    bool m_done = false;
};
