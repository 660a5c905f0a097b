#include "remote/commands/GuiThreadBridge.h"
#include "remote/parser/AutomationException.h"

#include <QCoreApplication>
#include <QThread>
#include <QtConcurrent>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <stdexcept>

using namespace Orlix::Automation;

namespace {

// The code a bridged query raised on the pool thread, 0 when it answered.
struct PoolOutcome
{
    QString reply;
    int code = 0;
};

QFuture<PoolOutcome> queryFromPool(QObject* context, std::function<QString()> work)
{
    return QtConcurrent::run([context, work] {
        PoolOutcome outcome;
        try {
            outcome.reply = runQueryInGuiThread(context, work);
        } catch (const AutomationException& e) {
            outcome.code = e.code();
        }
        return outcome;
    });
}

PoolOutcome serveUntilFinished(const QFuture<PoolOutcome>& future)
{
    while (!future.isFinished())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return future.result();
}

class GuiThreadBridgeTest : public ::testing::Test
{
protected:
    void SetUp() override { startAcceptingRemoteWork(); }
    void TearDown() override { startAcceptingRemoteWork(); }
};

} // namespace

TEST_F(GuiThreadBridgeTest, WorkRunsOnTheGuiThreadAndEveryFailureComesBackAsACode)
{
    QObject context;
    QThread* workThread = nullptr;
    auto answered = serveUntilFinished(queryFromPool(&context, [&workThread] {
        workThread = QThread::currentThread();
        return QStringLiteral("42");
    }));
    EXPECT_EQ(answered.reply, "42");
    EXPECT_EQ(workThread, QThread::currentThread());

    EXPECT_EQ(serveUntilFinished(queryFromPool(&context, []() -> QString { throw AutomationException(263); })).code,
              263);
    // Anything else thrown on the GUI thread would otherwise end the program.
    EXPECT_EQ(serveUntilFinished(queryFromPool(&context, []() -> QString {
                  throw std::runtime_error("unexpected");
              })).code,
              200);
    EXPECT_EQ(serveUntilFinished(queryFromPool(&context, []() -> QString { throw 7; })).code, 200);
}

TEST_F(GuiThreadBridgeTest, WorkThatNeverRunsAnswersWithACodeNotAnEmptyReply)
{
    std::atomic<bool> ran{false};
    auto work = [&ran] {
        ran = true;
        return QStringLiteral("late");
    };

    // The receiver goes before the GUI thread reached the queued call.
    auto context = std::make_unique<QObject>();
    auto dropped = queryFromPool(context.get(), work);
    QThread::msleep(100);
    context.reset();
    EXPECT_EQ(serveUntilFinished(dropped).code, 200);

    // The main loop ended: work queued but not begun is answered at once, and
    // never runs afterwards.
    QObject survivor;
    auto pending = queryFromPool(&survivor, work);
    QThread::msleep(100);
    stopAcceptingRemoteWork();
    pending.waitForFinished();
    EXPECT_EQ(pending.result().code, 200);
    QCoreApplication::processEvents();
    EXPECT_EQ(serveUntilFinished(queryFromPool(&survivor, work)).code, 200);
    EXPECT_FALSE(ran);
}
