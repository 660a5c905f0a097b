#include "tests/remote/support/TestCommands.h"

#include "remote/handlers/ScpiHandlerCreator.h"
#include "remote/server/RemoteClientBase.h"
#include "remote/parser/ErrorMessages.h"

#include <QCoreApplication>
#include <QMutex>
#include <QMutexLocker>
#include <QThread>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <stdexcept>
#include <string>

namespace RemoteTest {

using namespace Orlix::Automation;
namespace Creator = Orlix::Automation::ScpiHandlerCreator;

namespace {

// The capture of every test handler: what the handlers did.
struct Recorder
{
    QMutex mutex;
    QStringList calls;
    bool leftEnabled = false;
    QByteArray text;

    void record(const QString& call)
    {
        QMutexLocker lock(&mutex);
        calls.append(call);
    }
};

Recorder& recorder()
{
    static Recorder instance;
    return instance;
}

QString number(double value)
{
    return QString::number(value, 'g', 17);
}

struct Gate
{
    std::mutex mutex;
    std::condition_variable released;
    int entered = 0;
    bool open = false;
};

Gate& gate()
{
    static Gate instance;
    return instance;
}

std::atomic<int>& bulkAnswers()
{
    static std::atomic<int> count{0};
    return count;
}

using NoObjects = Types<>;
using Parser = Types<DeviceFunctions*>;
using NoSuffix = Types<>;
using Suffix = Types<NumericIndex>;
using NoArguments = Types<>;

template<typename Objects, typename Suffixes, typename Arguments, typename F>
void add(const char* pattern, F function)
{
    DeviceFunctions::registerCommand(pattern, Creator::create<Objects, Suffixes, Arguments>(&recorder(), function));
}

void registerParserSet()
{
    initErrorMessages();
    add<Parser, NoSuffix, NoArguments>("*OPC?", +[](Recorder*, DeviceFunctions* f) { f->sendAnswer(QByteArray("1")); });
    add<Parser, NoSuffix, NoArguments>("NOLT:SYSTem:ERRor?", +[](Recorder*, DeviceFunctions* f) {
        f->sendAnswer(errorQueueReply(f->client() ? f->client()->takeError() : 0));
    });
    add<NoObjects, NoSuffix, Types<bool>>("NOLT:SYSTem:FIXTure:LEFT", +[](Recorder* r, bool on) {
        r->record(QString("LEFT %1").arg(on));
        QMutexLocker lock(&r->mutex);
        r->leftEnabled = on;
    });
    add<Parser, NoSuffix, NoArguments>("NOLT:SYSTem:FIXTure:LEFT?", +[](Recorder* r, DeviceFunctions* f) {
        QMutexLocker lock(&r->mutex);
        f->sendAnswer(QString::number(int(r->leftEnabled)));
    });
    add<NoObjects, NoSuffix, Types<bool>>("NOLT:SYSTem:FIXTure:RIGHT",
                                          +[](Recorder* r, bool on) { r->record(QString("RIGHT %1").arg(on)); });
    add<NoObjects, Suffix, Types<PortIndex>>("NOLT:SYSTem:FIXTure:LEFT:PORT#",
                                             +[](Recorder* r, const NumericIndex& port, const PortIndex& vnaPort) {
                                                 r->record(QString("LEFT:PORT %1 %2").arg(port.value).arg(vnaPort.value));
                                             });
    add<NoObjects, NoSuffix, Types<int>>("NOLT:SYSTem:FIXTure:LEFT:PORT:COUNt",
                                         +[](Recorder* r, int count) { r->record(QString("LEFT:PORT:COUNT %1").arg(count)); });
    add<NoObjects, NoSuffix, Types<int>>("NOLT:SYSTem:FIXTure:RIGHT:PORT:COUNt",
                                         +[](Recorder* r, int count) { r->record(QString("RIGHT:PORT:COUNT %1").arg(count)); });
    add<NoObjects, Suffix, NoArguments>("NOLT:CALCulate:STEP#:THRU", +[](Recorder* r, const NumericIndex& step) {
        r->record(QString("STEP %1:THRU").arg(step.value));
    });
    add<NoObjects, Suffix, Types<double, double>>(
        "NOLT:CALCulate:STEP#:THRU:OFFSet", +[](Recorder* r, const NumericIndex& step, double left, double right) {
            r->record(QString("STEP %1:THRU:OFFSET %2 %3").arg(step.value).arg(number(left), number(right)));
        });
    add<NoObjects, NoSuffix, Types<double>>("NOLT:SENSe:FREQeuncy:STARt",
                                            +[](Recorder* r, double start) { r->record("START " + number(start)); });
    add<NoObjects, NoSuffix, Types<int>>("NOLT:SENSe:SWEep:POINts",
                                         +[](Recorder* r, int points) { r->record(QString("POINTS %1").arg(points)); });
    add<NoObjects, NoSuffix, Types<TestMethod>>("NOLT:SYSTem:CALCulation:METHod", +[](Recorder* r, TestMethod method) {
        r->record(QString("METHOD %1").arg(int(method)));
    });
    add<NoObjects, NoSuffix, Types<TestConversion>>("NOLT:SYSTem:ZCONversion:TYPE",
                                                    +[](Recorder* r, TestConversion type) {
                                                        r->record(QString("ZCONVERSION %1").arg(int(type)));
                                                    });
    add<NoObjects, NoSuffix, Types<std::string>>("NOLT:SYSTem:SETup:SAVE", +[](Recorder* r, const std::string& name) {
        r->record(QString("SAVE ") + QString::fromStdString(name));
    });
    add<NoObjects, NoSuffix, NoArguments>("TEST:OPTional[:MIDdle]:END", +[](Recorder* r) { r->record("OPTIONAL END"); });
    add<NoObjects, NoSuffix, Types<double>>("TEST:MULTi", +[](Recorder* r, double value) {
        r->record("MULTI double " + number(value));
    });
    add<NoObjects, NoSuffix, Types<std::string>>("TEST:MULTi", +[](Recorder* r, const std::string& value) {
        r->record(QString("MULTI string ") + QString::fromStdString(value));
    });
    // Patterns whose "#" count disagrees with their handler's suffixes.
    add<NoObjects, Suffix, NoArguments>("TEST:TWO#:SUFfix#", +[](Recorder* r, const NumericIndex&) { r->record("TWO"); });
    add<NoObjects, Suffix, NoArguments>("TEST:MISSing", +[](Recorder* r, const NumericIndex&) { r->record("MISSING"); });
    add<NoObjects, NoSuffix, NoArguments>("TEST:FAIL", +[](Recorder*) { throw AutomationException(262); });
    add<NoObjects, NoSuffix, NoArguments>("TEST:THROW", +[](Recorder*) { throw std::runtime_error("handler bug"); });
    add<NoObjects, NoSuffix, NoArguments>("TEST:THROW:OTHer", +[](Recorder*) { throw 42; });
    add<Parser, Suffix, Types<int>>("TEST:ECHO#?", +[](Recorder*, DeviceFunctions* f, const NumericIndex& index, int value) {
        f->sendAnswer(QString("%1,%2").arg(index.value).arg(value));
    });
    add<NoObjects, NoSuffix, Types<std::string>>("TEST:TEXT", +[](Recorder* r, const std::string& text) {
        QMutexLocker lock(&r->mutex);
        r->text = QByteArray::fromStdString(text);
    });
    add<Parser, NoSuffix, NoArguments>("TEST:TEXT?", +[](Recorder* r, DeviceFunctions* f) {
        QMutexLocker lock(&r->mutex);
        f->sendAnswer(r->text);
    });
}

void registerServerSet()
{
    add<NoObjects, NoSuffix, NoArguments>("TEST:BLOCK", +[](Recorder*) {
        Gate& g = gate();
        std::unique_lock lock(g.mutex);
        ++g.entered;
        g.released.wait(lock, [&g] { return g.open; });
    });
    add<Parser, NoSuffix, NoArguments>("TEST:GUI?", +[](Recorder*, DeviceFunctions* f) {
        QString reply;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [&reply] { reply = "gui"; }, Qt::BlockingQueuedConnection);
        f->sendAnswer(reply);
    });
    add<Parser, NoSuffix, NoArguments>("TEST:BULK?", +[](Recorder*, DeviceFunctions* f) {
        ++bulkAnswers();
        f->sendAnswer(QByteArray(bulkAnswerSize, 'x'));
    });
    // Slow enough that the lines of several clients overlap on the pool.
    add<Parser, Suffix, Types<int>>("TEST:SLOWecho#?",
                                    +[](Recorder*, DeviceFunctions* f, const NumericIndex& index, int value) {
                                        QThread::usleep(200);
                                        f->sendAnswer(QString("%1,%2").arg(index.value).arg(value));
                                    });
}

} // namespace

QStringList takeCalls()
{
    Recorder& r = recorder();
    QMutexLocker lock(&r.mutex);
    QStringList calls;
    calls.swap(r.calls);
    return calls;
}

void registerParserTestCommands()
{
    static const bool registered = (registerParserSet(), true);
    (void)registered;
}

void registerServerTestCommands()
{
    registerParserTestCommands();
    static const bool registered = (registerServerSet(), true);
    (void)registered;
}

int takeBulkAnswerCount()
{
    return bulkAnswers().exchange(0);
}

namespace BlockGate {

void reset()
{
    Gate& g = gate();
    std::lock_guard lock(g.mutex);
    g.entered = 0;
    g.open = false;
}

int entered()
{
    Gate& g = gate();
    std::lock_guard lock(g.mutex);
    return g.entered;
}

void release()
{
    Gate& g = gate();
    {
        std::lock_guard lock(g.mutex);
        g.open = true;
    }
    g.released.notify_all();
}

} // namespace BlockGate

} // namespace RemoteTest
