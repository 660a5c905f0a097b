#include "remote/commands/GuiThreadBridge.h"

#include "remote/commands/CommandErrorCodes.h"
#include "remote/parser/AutomationException.h"

#include <QCoreApplication>
#include <QDebug>
#include <QThread>
#include <QThreadPool>

#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <set>

namespace Orlix::Automation {

namespace {

std::atomic<bool> accepting{true};

} // namespace

// The state one pool thread waits on. Pending calls are listed so that the end
// of the main loop can answer those whose work never began.
class BridgeCall
{
public:
    BridgeCall() { registry().add(this); }
    ~BridgeCall() { registry().remove(this); }

    // First report wins; later ones (a late finish after an abort) are ignored.
    void finish(int code, const QString& text)
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_done)
                return;
            m_done = true;
            m_code = code;
            m_reply = text;
        }
        m_condition.notify_all();
    }

    // False when the call was already answered (aborted at shutdown).
    bool begin()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_done)
            return false;
        m_started = true;
        return true;
    }

    void abortIfNotStarted()
    {
        bool started = false;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            started = m_started;
        }
        if (!started)
            finish(kExecutionError, {});
    }

    QString wait()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_condition.wait(lock, [this] { return m_done; });
        if (m_code != 0)
            throw AutomationException(m_code);
        return m_reply;
    }

    static void abortPending() { registry().abortPending(); }

private:
    class Registry
    {
    public:
        void add(BridgeCall* call)
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_calls.insert(call);
        }
        void remove(BridgeCall* call)
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_calls.erase(call);
        }
        void abortPending()
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            for (BridgeCall* call : m_calls)
                call->abortIfNotStarted();
        }

    private:
        std::mutex m_mutex;
        std::set<BridgeCall*> m_calls;
    };

    static Registry& registry()
    {
        static Registry instance;
        return instance;
    }

    std::mutex m_mutex;
    std::condition_variable m_condition;
    bool m_done = false;
    bool m_started = false;
    int m_code = 0;
    QString m_reply;
};

BridgeTicket::BridgeTicket(std::shared_ptr<BridgeCall> call) : m_call(std::move(call)) {}

BridgeTicket::~BridgeTicket()
{
    m_call->finish(kExecutionError, {});
}

void BridgeTicket::reply(const QString& text)
{
    m_call->finish(0, text);
}

void BridgeTicket::fail(int code)
{
    m_call->finish(code, {});
}

bool BridgeTicket::run(const std::function<QString()>& work)
{
    if (!acceptsRemoteWork() || !m_call->begin()) {
        fail(kExecutionError);
        return false;
    }
    try {
        reply(work());
        return true;
    } catch (const AutomationException& e) {
        fail(e.code());
    } catch (const std::exception& e) {
        qDebug() << "UNKNOWN EXCEPTION" << e.what();
        fail(kExecutionError);
    } catch (...) {
        qDebug() << "UNKNOWN EXCEPTION";
        fail(kExecutionError);
    }
    return false;
}

QString runInGuiThread(QObject* context, std::function<void(const TicketHandle&)> start)
{
    if (!acceptsRemoteWork() || !context || context->thread() == QThread::currentThread())
        throw AutomationException(kExecutionError);

    auto call = std::make_shared<BridgeCall>();
    auto ticket = std::make_shared<BridgeTicket>(call);
    // The queued call holds the only ticket: discarded with a destroyed context,
    // it reports an error instead of leaving the pool thread waiting.
    QMetaObject::invokeMethod(
        context,
        [ticket = std::move(ticket), start = std::move(start)]() mutable {
            try {
                start(ticket);
            } catch (...) {
                ticket->fail(kExecutionError);
            }
            ticket.reset();
        },
        Qt::QueuedConnection);

    QThreadPool* pool = QThreadPool::globalInstance();
    pool->releaseThread();
    struct Reserve
    {
        QThreadPool* pool;
        ~Reserve() { pool->reserveThread(); }
    } reserveAgain{pool};
    return call->wait();
}

QString runQueryInGuiThread(QObject* context, std::function<QString()> work)
{
    return runInGuiThread(context, [work = std::move(work)](const TicketHandle& ticket) { ticket->run(work); });
}

void runCommandInGuiThread(QObject* context, std::function<void()> work)
{
    runInGuiThread(context, [work = std::move(work)](const TicketHandle& ticket) {
        ticket->run([&work] {
            work();
            return QString();
        });
    });
}

void stopAcceptingRemoteWork()
{
    accepting = false;
    BridgeCall::abortPending();
}

bool acceptsRemoteWork()
{
    return accepting;
}

void startAcceptingRemoteWork()
{
    accepting = true;
}

} // namespace Orlix::Automation
