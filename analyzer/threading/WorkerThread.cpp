#include "analyzer/threading/WorkerThread.h"

#include <QCoreApplication>
#include <QDebug>
#include <QEventLoop>
#include <QThread>

#include <exception>

namespace {

void runGuarded(const WorkerThread::Task& task)
{
    try {
        task();
    } catch (const std::exception& e) {
        qDebug().noquote() << e.what();
    } catch (...) {
        qDebug().noquote() << "UNKNOWN EXCEPTION";
    }
}

} // namespace

WorkerThread::WorkerThread(QObject* parent)
    : QObject(parent)
    , m_thread(QThread::create([this] { runLoop(); }))
{
    m_thread->start(QThread::HighPriority);
}

WorkerThread::~WorkerThread()
{
    stop();
    delete m_thread;
}

void WorkerThread::post(Task task, Task dropped)
{
    {
        std::lock_guard<std::mutex> lock(m_queueMutex);
        if (m_accepting) {
            m_queue.push_back({std::move(task), std::move(dropped)});
            return;
        }
    }
    if (dropped)
        runGuarded(dropped);
}

void WorkerThread::clear()
{
    ++m_clearCount;
    dropPending();
}

void WorkerThread::stop()
{
    {
        std::lock_guard<std::mutex> lock(m_queueMutex);
        m_accepting = false;
    }
    if (!m_thread->isFinished()) {
        m_thread->requestInterruption();
        QEventLoop loop;
        connect(m_thread, &QThread::finished, &loop, &QEventLoop::quit);
        // A thread that finished before the connection was made sends no signal to this loop.
        if (!m_thread->isFinished())
            loop.exec();
        m_thread->wait();
    }
    dropPending();
}

void WorkerThread::dropPending()
{
    std::deque<Entry> dropped;
    {
        std::lock_guard<std::mutex> lock(m_queueMutex);
        dropped.swap(m_queue);
    }
    for (const Entry& entry : dropped) {
        if (entry.dropped)
            runGuarded(entry.dropped);
    }
}

std::optional<WorkerThread::Entry> WorkerThread::takeFront()
{
    std::lock_guard<std::mutex> lock(m_queueMutex);
    if (m_queue.empty())
        return std::nullopt;
    Entry entry = std::move(m_queue.front());
    m_queue.pop_front();
    return entry;
}

bool WorkerThread::isQueueEmpty()
{
    std::lock_guard<std::mutex> lock(m_queueMutex);
    return m_queue.empty();
}

void WorkerThread::runLoop()
{
    QThread* self = QThread::currentThread();
    while (!self->isInterruptionRequested()) {
        if (std::optional<Entry> entry = takeFront())
            runGuarded(entry->task);
        QCoreApplication::processEvents();
        if (isQueueEmpty())
            QThread::msleep(1);
    }
}
