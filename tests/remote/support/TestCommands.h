#pragma once

#include "remote/handlers/ArgumentParsers.h"
#include "remote/parser/ScpiKeyword.h"

#include <QByteArray>
#include <QStringList>

namespace RemoteTest {

// Stand-ins for the application's enumerations, numbered like them.
enum class TestMethod { TimeGating = 0, Bisect = 1, Filtering = 2 };
enum class TestConversion { System = 0, Fixture = 1, User = 2, None = 3 };

// The calls made by the test handlers, as texts such as "LEFT 1".
QStringList takeCalls();

// The registry of the parser tests: a few of the application's own patterns
// and "TEST:" patterns for the matching rules. Handlers record their calls.
// Registers once per process; later calls do nothing.
void registerParserTestCommands();

// The parser set followed by handlers that block, wait on the main thread or
// run slowly, for the tests of the server. Needs a running main event loop.
void registerServerTestCommands();

// "TEST:BULK?" answers this many bytes; the count of its answers since the last call.
constexpr int bulkAnswerSize = 64 * 1024;
int takeBulkAnswerCount();

// "TEST:BLOCK" waits here until released.
namespace BlockGate {
void reset();
int entered();
void release();
} // namespace BlockGate

} // namespace RemoteTest

template<>
struct Orlix::Automation::KeywordTable<RemoteTest::TestMethod>
{
    static const ScpiKeywordTable& keywords() { return correctionMethodKeywords(); }
};

template<>
struct Orlix::Automation::KeywordTable<RemoteTest::TestConversion>
{
    static const ScpiKeywordTable& keywords() { return z0ConversionKeywords(); }
};
