#include "remote/handlers/ScpiHandlerCreator.h"
#include "tests/support/MessageCapture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>

using namespace Orlix::Automation;
namespace Creator = Orlix::Automation::ScpiHandlerCreator;

namespace {

// What the handler functions received.
struct Received
{
    int calls = 0;
    std::uint32_t suffix = 99;
    double first = -1;
    double second = -1;
    std::string text;
    DeviceFunctions* functions = nullptr;
};

bool parseArguments(ScpiHandlerBase& handler, const char* text)
{
    return handler.parseArguments(text, text + std::strlen(text));
}

bool parseSuffix(ScpiHandlerBase& handler, const char* text)
{
    return handler.parseSuffix(text, text + std::strlen(text));
}

std::unique_ptr<ScpiHandlerBase> offsetHandler(Received& received)
{
    return Creator::create<Types<>, Types<NumericIndex>, Types<double, double>>(
        &received, +[](Received* r, const NumericIndex& step, double left, double right) {
            ++r->calls;
            r->suffix = step.value;
            r->first = left;
            r->second = right;
        });
}

TEST(HandlerTemplates, TwoNumbersNeedExactlyOneCommaBetweenThem)
{
    Received received;
    auto handler = offsetHandler(received);
    for (const char* accepted : {"1.5,2", "1.5 , 2", " 1.5,2 ", "1.5,2\r"}) {
        EXPECT_TRUE(parseArguments(*handler, accepted)) << accepted;
        handler->reset();
    }
    for (const char* refused : {"1.5 2", "1.5,2,", "1.5,", "1.5", "", ",1.5,2", "1.5,2 x"}) {
        EXPECT_FALSE(parseArguments(*handler, refused)) << refused;
        handler->reset();
    }
}

TEST(HandlerTemplates, ExecuteCallsTheFunctionWithSuffixAndArgumentsThenResets)
{
    Received received;
    auto handler = offsetHandler(received);
    ASSERT_TRUE(parseSuffix(*handler, "3"));
    ASSERT_TRUE(parseArguments(*handler, "1e-12,-2.5"));
    handler->execute();
    EXPECT_EQ(received.calls, 1);
    EXPECT_EQ(received.suffix, 2u);
    EXPECT_DOUBLE_EQ(received.first, 1e-12);
    EXPECT_DOUBLE_EQ(received.second, -2.5);

    // Reset after the call: a second execute lacks its suffix.
    MessageCapture capture;
    try {
        handler->execute();
        FAIL() << "executed without a suffix";
    } catch (const AutomationException& e) {
        EXPECT_EQ(e.code(), 220);
    }
    EXPECT_EQ(received.calls, 1);
    EXPECT_TRUE(MessageCapture::lines().contains("Not all suffixes are filled"));
}

TEST(HandlerTemplates, SurplusSuffixIsRefusedWithACriticalMessage)
{
    Received received;
    auto handler = offsetHandler(received);
    ASSERT_TRUE(parseSuffix(*handler, ""));
    MessageCapture capture;
    EXPECT_FALSE(parseSuffix(*handler, "2"));
    EXPECT_TRUE(MessageCapture::lines().contains("All suffixes already filled"));
    EXPECT_FALSE(parseSuffix(*handler, "0"));
}

TEST(HandlerTemplates, ResetAfterAFailedParseStartsFromZeroValues)
{
    Received received;
    auto handler = offsetHandler(received);
    ASSERT_TRUE(parseSuffix(*handler, "4"));
    EXPECT_FALSE(parseArguments(*handler, "7,")); // the first value was taken before the refusal
    handler->reset();
    ASSERT_TRUE(parseSuffix(*handler, ""));
    ASSERT_TRUE(parseArguments(*handler, "0,0"));
    handler->execute();
    EXPECT_EQ(received.suffix, 0u);
    EXPECT_EQ(received.first, 0.0);
}

TEST(HandlerTemplates, CloneSharesTheFunctionButNoParsedValues)
{
    Received received;
    auto original = offsetHandler(received);
    ASSERT_TRUE(parseSuffix(*original, "5"));
    ASSERT_TRUE(parseArguments(*original, "1,2"));

    auto copy = original->clone();
    EXPECT_THROW(copy->execute(), AutomationException); // no suffix of its own
    ASSERT_TRUE(parseSuffix(*copy, "2"));
    ASSERT_TRUE(parseArguments(*copy, "3,4"));
    copy->execute();
    EXPECT_EQ(received.suffix, 1u);
    EXPECT_EQ(received.first, 3.0);

    original->execute();
    EXPECT_EQ(received.suffix, 4u);
    EXPECT_EQ(received.first, 1.0);
    EXPECT_EQ(received.calls, 2);
}

TEST(HandlerTemplates, QueriesReceiveTheLineParserAndStringsTheirContent)
{
    Received received;
    auto handler = Creator::create<Types<DeviceFunctions*>, Types<>, Types<std::string>>(
        &received, +[](Received* r, DeviceFunctions* functions, const std::string& text) {
            r->functions = functions;
            r->text = text;
        });
    QByteArray answer;
    DeviceFunctions functions(nullptr, &answer, nullptr);
    ASSERT_TRUE(parseArguments(*handler, " 'file name.sta' "));
    handler->setObject(&functions);
    handler->execute();
    EXPECT_EQ(received.functions, &functions);
    EXPECT_EQ(received.text, "file name.sta");
}

TEST(HandlerTemplates, WithoutArgumentsOnlyBlankTextIsAccepted)
{
    Received received;
    auto handler = Creator::create<Types<>, Types<>, Types<>>(&received, +[](Received* r) { ++r->calls; });
    EXPECT_TRUE(parseArguments(*handler, ""));
    EXPECT_TRUE(parseArguments(*handler, " \t\r"));
    EXPECT_FALSE(parseArguments(*handler, " 1"));
    EXPECT_FALSE(parseSuffix(*handler, ""));
    handler->execute();
    EXPECT_EQ(received.calls, 1);
}

TEST(HandlerTemplates, AFunctionThatThrowsKeepsItsException)
{
    Received received;
    auto handler = Creator::create<Types<>, Types<>, Types<int>>(
        &received, +[](Received*, int value) {
            if (value == 1)
                throw AutomationException(263);
            throw std::logic_error("bug");
        });
    ASSERT_TRUE(parseArguments(*handler, "1"));
    try {
        handler->execute();
        FAIL() << "no exception";
    } catch (const AutomationException& e) {
        EXPECT_EQ(e.code(), 263);
    }
    handler->reset();
    ASSERT_TRUE(parseArguments(*handler, "2"));
    EXPECT_THROW(handler->execute(), std::logic_error);
}

} // namespace
