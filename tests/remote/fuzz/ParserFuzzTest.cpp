#include "remote/parser/AutomationException.h"
#include "remote/parser/DeviceFunctions.h"
#include "remote/parser/ErrorMessages.h"
#include "remote/server/RequestLineSplitter.h"
#include "tests/remote/support/TestCommands.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

using namespace Orlix::Automation;

namespace {

constexpr qint64 kBudgetMs = 2000;
constexpr int kMaxRounds = 200000;

// Runs random input for a bounded time with a fixed seed, so a finding repeats.
class ParserFuzz : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RemoteTest::registerParserTestCommands();
        previousHandler = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        clock.start();
    }
    void TearDown() override { qInstallMessageHandler(previousHandler); }

    bool moreRounds(int round) const { return round < kMaxRounds && clock.elapsed() < kBudgetMs; }

    std::mt19937 random{20240611u};
    QElapsedTimer clock;

private:
    QtMessageHandler previousHandler = nullptr;
};

const std::vector<QByteArray> seedLines = {
    "*OPC?;*OPC?",
    "NOLT:SYSTem:FIXTure:LEFT 1;RIGHT 1;LEFT:PORT:COUNt 2;RIGHT:PORT:COUNt 2",
    ":NOLT:SYST:ERR?;BOGUS;NOLT:SYST:ERR?",
    "NOLT:CALC:STEP3:THRU:OFFS 1.5e-12 , -#H3E8",
    "NOLT:SENS:FREQ:STAR +1000.0e3;:NOLT:SENS:SWE:POIN #b101",
    "NOLT:SYST:SET:SAVE \"a;b\";NOLT:SYST:SET:SAVE 'c\"d'",
    "NOLT:SYST:CALC:METH FILTERING;:NOLT:SYST:ZCON:TYPE US",
    "TEST:OPTional:MIDdle:END;TEST:OPT:END;TEST:MULT 'x';TEST:MULT 5",
    "NOLT:SYST:FIXT:LEFT:PORT2 2.9;PORT:COUN 2;TEST:ECHO4? 1 e3",
    "TEST:TWO1:SUF2;TEST:MISS;TEST:FAIL",
};

QByteArray mutate(QByteArray line, std::mt19937& random)
{
    static const char interesting[] = ";:\"'#?*[]., \r\t\n0123456789eE+-.\x80\xff\xc3";
    std::uniform_int_distribution<int> byte(0, 255);
    const int mutations = 1 + int(random() % 4);
    for (int m = 0; m < mutations; ++m) {
        const int position = line.isEmpty() ? 0 : int(random() % std::uint32_t(line.size() + 1));
        const char pick = (random() % 2) ? interesting[random() % (sizeof interesting - 1)] : char(byte(random));
        switch (random() % 5) {
        case 0:
            line.insert(position, pick);
            break;
        case 1:
            if (position < line.size())
                line[position] = pick;
            break;
        case 2:
            line.remove(position, int(random() % 6));
            break;
        case 3:
            line.insert(position, line.mid(int(random() % std::uint32_t(line.size() + 1)), int(random() % 12)));
            break;
        default:
            line.insert(position, seedLines[random() % seedLines.size()].left(int(random() % 40)));
            break;
        }
    }
    return line;
}

QByteArray randomLine(std::mt19937& random)
{
    QByteArray line;
    const int length = int(random() % 120);
    for (int i = 0; i < length; ++i)
        line.append(char(random() % 256));
    return line;
}

TEST_F(ParserFuzz, RandomAndMutatedLinesEndWithAnAnswerOrATableCode)
{
    int round = 0;
    for (; moreRounds(round); ++round) {
        const QByteArray line = (round % 4 == 0) ? randomLine(random) : mutate(seedLines[random() % seedLines.size()], random);
        QByteArray answer;
        DeviceFunctions functions(nullptr, &answer, nullptr);
        try {
            functions.ParseMessage(line);
        } catch (const AutomationException& e) {
            ASSERT_FALSE(errorMessage(e.code()).isEmpty()) << e.code() << " from " << line.toHex().constData();
        } catch (const std::runtime_error&) {
            // the test registry's deliberately failing handler
        } catch (int) {
        }
    }
    RemoteTest::takeCalls();
    EXPECT_GT(round, 1000);
}

TEST_F(ParserFuzz, DecimalNumbersAgreeWithTheStandardLibrary)
{
    int round = 0;
    for (; moreRounds(round); ++round) {
        // At most nine significant digits, so the mantissa never drops a digit.
        const int integerDigits = 1 + int(random() % 5);
        const int fractionDigits = int(random() % 5);
        std::string text = (random() % 2) ? "-" : "";
        for (int i = 0; i < integerDigits; ++i)
            text += char('0' + random() % 10);
        if (fractionDigits > 0) {
            text += '.';
            for (int i = 0; i < fractionDigits; ++i)
                text += char('0' + random() % 10);
        }
        if (random() % 2)
            text += "e" + std::to_string(int(random() % 61) - 30);

        const char* cursor = text.data();
        double value = 0;
        ASSERT_TRUE(DeviceFunctions::parseDoubleParameter(cursor, text.data() + text.size(), value)) << text;
        ASSERT_EQ(cursor, text.data() + text.size()) << text;
        const double expected = std::strtod(text.c_str(), nullptr);
        ASSERT_NEAR(value, expected, std::abs(expected) * 1e-13) << text;
    }
    EXPECT_GT(round, 1000);
}

// The lines that the whole input holds, cut at once: the reference for any
// way of cutting it into segments.
QList<QByteArray> referenceLines(const QByteArray& input, int maxLineLength, int& refused)
{
    QList<QByteArray> lines;
    refused = 0;
    const QList<QByteArray> parts = input.split('\n');
    for (int i = 0; i + 1 < parts.size(); ++i) {
        if (parts[i].size() > maxLineLength)
            ++refused;
        else if (!parts[i].isEmpty())
            lines.append(parts[i]);
    }
    if (parts.last().size() > maxLineLength)
        ++refused;
    return lines;
}

TEST_F(ParserFuzz, SegmentsCutIntoTheSameLinesAsTheWholeInput)
{
    constexpr int maxLineLength = 64;
    int round = 0;
    for (; moreRounds(round); ++round) {
        QByteArray input;
        const int length = int(random() % 600);
        for (int i = 0; i < length; ++i)
            input.append((random() % 8 == 0) ? '\n' : char(random() % 256));

        RequestLineSplitter splitter(maxLineLength);
        QList<QByteArray> lines;
        int refused = 0;
        for (int position = 0; position < input.size();) {
            const int segment = 1 + int(random() % 80);
            refused += splitter.feed(input.mid(position, segment), lines);
            ASSERT_LE(splitter.unfinishedLength(), maxLineLength);
            position += segment;
        }
        int expectedRefused = 0;
        ASSERT_EQ(lines, referenceLines(input, maxLineLength, expectedRefused));
        ASSERT_EQ(refused, expectedRefused);
    }
    EXPECT_GT(round, 1000);
}

} // namespace
