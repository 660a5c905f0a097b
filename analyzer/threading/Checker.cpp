#include "analyzer/threading/Checker.h"

#include <QEventLoop>

Checker::~Checker()
{
    // A report still emitting on another thread finishes before the object goes.
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
}

void Checker::wait()
{
    QEventLoop loop;
    connect(this, &Checker::checked, &loop, &QEventLoop::quit);
    while (!isDone())
        loop.exec();
}

void Checker::report()
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    m_done = true;
    emit checked();
}

bool Checker::isDone() const
{
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    return m_done;
}
