#include "remote/parser/AutomationException.h"
#include "remote/parser/DeviceFunctions.h"
#include "remote/parser/ErrorMessages.h"
#include "tests/remote/support/TestCommands.h"

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>

using namespace Orlix::Automation;

namespace {

struct LineCase
{
    const char* line;
    int code;
    QStringList calls;
    QByteArray answer;
};

// Names the case by its line, with control and non-ASCII bytes escaped.
void PrintTo(const LineCase& c, std::ostream* out)
{
    *out << '"';
    for (const char* p = c.line; *p; ++p) {
        const auto byte = static_cast<unsigned char>(*p);
        if (byte < 32 || byte >= 127)
            *out << "\\x" << std::hex << int(byte) << std::dec;
        else
            *out << *p;
    }
    *out << '"';
}

struct LineResult
{
    int code = 0;
    QStringList calls;
    QByteArray answer;
};

LineResult runLine(const QByteArray& line)
{
    RemoteTest::registerParserTestCommands();
    RemoteTest::takeCalls();
    LineResult result;
    DeviceFunctions functions(nullptr, &result.answer, nullptr);
    try {
        functions.ParseMessage(line);
    } catch (const AutomationException& e) {
        result.code = e.code();
    }
    result.calls = RemoteTest::takeCalls();
    return result;
}

class ParseLine : public ::testing::TestWithParam<LineCase>
{
};

TEST_P(ParseLine, ExecutesTheCommandsUpToTheFirstFailure)
{
    const LineCase& c = GetParam();
    const LineResult result = runLine(c.line);
    EXPECT_EQ(result.code, c.code);
    EXPECT_EQ(result.calls, c.calls);
    EXPECT_EQ(result.answer, c.answer);
}

INSTANTIATE_TEST_SUITE_P(
    HeaderForms, ParseLine,
    ::testing::Values(
        LineCase{"NOLT:SYST:ERR?", 0, {}, "0, No error"},
        LineCase{"nolt:system:error?", 0, {}, "0, No error"},
        LineCase{":NOLT:SYSTem:ERRor?", 0, {}, "0, No error"},
        LineCase{"NOLT:SYST:ERR?\r", 0, {}, "0, No error"},
        LineCase{"  NOLT:SYST:ERR?  ", 0, {}, "0, No error"},
        LineCase{"NOLT:SYSTE:ERR?", 110, {}, ""},
        LineCase{"NOLT:SYST:ERRO?", 110, {}, ""},
        LineCase{"NOLT:SYST:ERR", 110, {}, ""},
        LineCase{"NOLT:SYSTEMS:ERR?", 110, {}, ""},
        LineCase{"NOLT:SYST:FIXT:LEFT 1", 0, {"LEFT 1"}, ""},
        LineCase{"nolt:system:fixture:left off", 0, {"LEFT 0"}, ""},
        LineCase{"NOLT:SYST:FIXTU:LEFT 1", 110, {}, ""},
        LineCase{"NOLT:SENS:FREQEUNCY:STAR 5", 0, {"START 5"}, ""},
        LineCase{"NOLT:SENS:FREQUENCY:STAR 5", 110, {}, ""},
        LineCase{"BOGUS", 110, {}, ""},
        LineCase{":", 110, {}, ""},
        LineCase{"NOLT:SYST:ERR?\xc3\xa9", 110, {}, ""},
        LineCase{"\xff\xfe", 110, {}, ""},
        LineCase{"", 0, {}, ""},
        LineCase{" ;; ; \t", 0, {}, ""}));

INSTANTIATE_TEST_SUITE_P(
    HeaderPath, ParseLine,
    ::testing::Values(
        LineCase{"NOLT:SYSTem:FIXTure:LEFT 1;RIGHT 1;LEFT:PORT:COUNt 2;RIGHT:PORT:COUNt 2", 0,
                 {"LEFT 1", "RIGHT 1", "LEFT:PORT:COUNT 2", "RIGHT:PORT:COUNT 2"}, ""},
        // A relative header never replaces the path, so the full header after it is not found.
        LineCase{"NOLT:SYST:FIXT:LEFT 1;NOLT:SYST:FIXT:RIGHT 1", 110, {"LEFT 1"}, ""},
        LineCase{"NOLT:SYST:FIXT:LEFT 1;:NOLT:SENS:FREQ:STAR 1e6;:NOLT:SENS:SWE:POIN 201", 0,
                 {"LEFT 1", "START 1000000", "POINTS 201"}, ""},
        LineCase{"NOLT:SYST:FIXT:LEFT 1;:NOLT:SENS:FREQ:STAR 1e6;NOLT:SENS:SWE:POIN 201", 110,
                 {"LEFT 1", "START 1000000"}, ""},
        LineCase{"NOLT:SYST:FIXT:LEFT 1;*OPC?;RIGHT 0", 0, {"LEFT 1", "RIGHT 0"}, "1"},
        LineCase{"*OPC?;NOLT:SYST:FIXT:LEFT 1;RIGHT 0", 0, {"LEFT 1", "RIGHT 0"}, "1"},
        LineCase{"NOLT:SYST:FIXT:LEFT:PORT2 3;PORT:COUN 2", 0, {"LEFT:PORT 1 2", "LEFT:PORT:COUNT 2"}, ""},
        LineCase{"NOLT:SYST:FIXT:LEFT 1;LEFT?", 0, {"LEFT 1"}, "1"}));

INSTANTIATE_TEST_SUITE_P(
    Suffixes, ParseLine,
    ::testing::Values(
        LineCase{"NOLT:CALC:STEP:THRU", 0, {"STEP 0:THRU"}, ""},
        LineCase{"NOLT:CALC:STEP2:THRU", 0, {"STEP 1:THRU"}, ""},
        LineCase{"NOLT:CALCULATE:step12:thru", 0, {"STEP 11:THRU"}, ""},
        LineCase{"NOLT:CALC:STEP2X:THRU", 0, {"STEP 1:THRU"}, ""},
        LineCase{"NOLT:CALC:STEP2147483647:THRU", 0, {"STEP 2147483646:THRU"}, ""},
        LineCase{"NOLT:CALC:STEP0:THRU", 110, {}, ""},
        LineCase{"NOLT:CALC:STEPX:THRU", 110, {}, ""},
        LineCase{"NOLT:CALC:STEP2147483648:THRU", 110, {}, ""},
        LineCase{"NOLT:CALC:STEP99999999999999999999:THRU", 110, {}, ""},
        LineCase{"NOLT:CALC:STEP3:THRU:OFFS 1.5,2", 0, {"STEP 2:THRU:OFFSET 1.5 2"}, ""},
        LineCase{"TEST:TWO1:SUF2", 110, {}, ""},
        LineCase{"TEST:MISS", 220, {}, ""}));

INSTANTIATE_TEST_SUITE_P(
    OptionalParts, ParseLine,
    ::testing::Values(LineCase{"TEST:OPT:END", 0, {"OPTIONAL END"}, ""},
                      LineCase{"TEST:OPT:MID:END", 0, {"OPTIONAL END"}, ""},
                      LineCase{"TEST:OPTIONAL:MIDDLE:END", 0, {"OPTIONAL END"}, ""},
                      LineCase{"TEST:OPT:MIDD:END", 110, {}, ""}, LineCase{"TEST:OPT:MID", 110, {}, ""},
                      LineCase{"TEST:OPT:END:END", 110, {}, ""}));

INSTANTIATE_TEST_SUITE_P(
    LowestCode, ParseLine,
    ::testing::Values(LineCase{"TEST:MULT 5", 0, {"MULTI double 5"}, ""},
                      LineCase{"TEST:MULT 'x'", 0, {"MULTI string x"}, ""},
                      LineCase{"TEST:MULT ON", 104, {}, ""}, LineCase{"TEST:MULTX 5", 110, {}, ""},
                      LineCase{"NOLT:SYST:FIXT:LEFT", 104, {}, ""}, LineCase{"NOLT:SYST:FIXT:LEFT 1,2", 104, {}, ""},
                      LineCase{"*OPC? 1", 104, {}, ""}, LineCase{"NOLT:SENS:FREQ:STAR 10kHz", 104, {}, ""},
                      LineCase{"NOLT:SYST:FIXT:LEFT \xff", 104, {}, ""}));

INSTANTIATE_TEST_SUITE_P(
    Parameters, ParseLine,
    ::testing::Values(
        LineCase{"NOLT:SENS:FREQ:STAR 1e3;STAR 1000;STAR +1000.0;STAR 1 e3;STAR #H3E8;STAR #b101;STAR 1e-44", 0,
                 {"START 1000", "START 1000", "START 1000", "START 1000", "START 1000", "START 5", "START 0"}, ""},
        LineCase{"NOLT:SENS:FREQ:STAR 1e44", 104, {}, ""}, LineCase{"NOLT:SENS:FREQ:STAR 1e", 104, {}, ""},
        LineCase{"NOLT:SENS:FREQ:STAR .", 104, {}, ""},
        LineCase{"NOLT:SENS:SWE:POIN 2.7", 0, {"POINTS 2"}, ""},
        LineCase{"NOLT:SENS:SWE:POIN 2147483648", 104, {}, ""},
        LineCase{"NOLT:SYST:FIXT:LEFT ON;LEFT on;LEFT OFF;LEFT 1;LEFT 0;LEFT 5", 0,
                 {"LEFT 1", "LEFT 1", "LEFT 0", "LEFT 1", "LEFT 0", "LEFT 1"}, ""},
        LineCase{"NOLT:SYST:FIXT:LEFT OF", 104, {}, ""}, LineCase{"NOLT:SYST:FIXT:LEFT ONX", 104, {}, ""},
        LineCase{"NOLT:SYST:SET:SAVE \"a;b\";*OPC?", 0, {"SAVE a;b"}, "1"},
        LineCase{"NOLT:SYST:SET:SAVE 'say \"hi\"'", 0, {"SAVE say \"hi\""}, ""},
        LineCase{"NOLT:SYST:SET:SAVE \"open;*OPC?", 104, {}, ""},
        LineCase{"NOLT:SYST:SET:SAVE \"a\"\"b\"", 104, {}, ""},
        LineCase{"NOLT:SYST:SET:SAVE \"x\"\r", 0, {"SAVE x"}, ""},
        LineCase{"NOLT:CALC:STEP1:THRU:OFFS 1.5 , 2", 0, {"STEP 0:THRU:OFFSET 1.5 2"}, ""},
        LineCase{"NOLT:CALC:STEP1:THRU:OFFS 1.5 2", 104, {}, ""},
        LineCase{"NOLT:CALC:STEP1:THRU:OFFS 1.5,2,", 104, {}, ""},
        LineCase{"NOLT:CALC:STEP1:THRU:OFFS 1.5,", 104, {}, ""},
        LineCase{"NOLT:CALC:STEP1:THRU:OFFS ,1.5,2", 104, {}, ""},
        LineCase{"NOLT:CALC:STEP1:THRU:OFFS 1.5,,2", 104, {}, ""},
        LineCase{"NOLT:SYST:CALC:METH BI;METH filtering;METH TIME", 0, {"METHOD 1", "METHOD 2", "METHOD 0"}, ""},
        LineCase{"NOLT:SYST:CALC:METH BIS", 104, {}, ""}, LineCase{"NOLT:SYST:CALC:METH 1", 104, {}, ""},
        LineCase{"NOLT:SYST:ZCON:TYPE US;TYPE system;TYPE FIXT", 0,
                 {"ZCONVERSION 2", "ZCONVERSION 0", "ZCONVERSION 1"}, ""},
        LineCase{"NOLT:SYST:ZCON:TYPE NONE", 104, {}, ""},
        LineCase{"NOLT:SYST:FIXT:LEFT:PORT1 1;PORT2 2.9;PORT 0", 0,
                 {"LEFT:PORT 0 0", "LEFT:PORT 1 1", "LEFT:PORT 0 -1"}, ""}));

INSTANTIATE_TEST_SUITE_P(
    Answers, ParseLine,
    ::testing::Values(LineCase{"*OPC?;*OPC?", 0, {}, "1;1"}, LineCase{"*OPC?;;;*OPC?", 0, {}, "1;1"},
                      LineCase{"NOLT:SYSTem:ERRor?;BOGUS;NOLT:SYSTem:ERRor?", 110, {}, "0, No error"},
                      LineCase{"*OPC?;TEST:FAIL;*OPC?", 262, {}, "1"},
                      LineCase{"TEST:ECHO3? 7;ECHO? -2", 0, {}, "2,7;0,-2"}));

TEST(ParseMessage, LetsHandlerBugsThroughToTheConnection)
{
    RemoteTest::registerParserTestCommands();
    QByteArray answer;
    DeviceFunctions functions(nullptr, &answer, nullptr);
    EXPECT_THROW(functions.ParseMessage("*OPC?;TEST:THROW"), std::runtime_error);
    EXPECT_EQ(answer, "1");
    // The shared handler is untouched: the next line parses from zero values.
    EXPECT_EQ(runLine("TEST:ECHO? 4").answer, "0,4");
}

TEST(ErrorTable, RepliesWithCodeAndText)
{
    EXPECT_EQ(errorQueueReply(0), "0, No error");
    EXPECT_EQ(errorQueueReply(110), "-110, Command header error");
    EXPECT_EQ(errorQueueReply(115), "-115, Input buffer is full");
    EXPECT_EQ(errorQueueReply(130), "-130, Suffix eror");
    EXPECT_EQ(errorQueueReply(268), "-268, Step type is not defined in the scpi automation module");
    EXPECT_EQ(errorQueueReply(410), "-410, Query INTERRUPTED");
    EXPECT_EQ(errorQueueReply(999), "-999, ");
    EXPECT_EQ(errorMessage(287), QString());
}

} // namespace
