#include "remote/server/RequestLineSplitter.h"

#include <gtest/gtest.h>

using Orlix::Automation::RequestLineSplitter;

namespace {

TEST(RequestLineSplitter, CutsAtLineFeedsKeepingCarriageReturns)
{
    RequestLineSplitter splitter(100);
    QList<QByteArray> lines;
    EXPECT_EQ(splitter.feed("\nA\r\n\n\nB;C\nunfinished", lines), 0);
    EXPECT_EQ(lines, (QList<QByteArray>{"A\r", "B;C"}));
    EXPECT_EQ(splitter.unfinishedLength(), 10);
    splitter.feed(" line\n", lines);
    EXPECT_EQ(lines.last(), "unfinished line");
}

TEST(RequestLineSplitter, MultiByteCharactersSurviveAnySplit)
{
    const QByteArray line = "TEST:TEXT \"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x93\xa1\"";
    RequestLineSplitter splitter(100);
    QList<QByteArray> lines;
    for (char byte : line + '\n')
        splitter.feed(QByteArray(1, byte), lines);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines.first(), line);
}

TEST(RequestLineSplitter, AnEndlessLineIsRefusedOnceAndKeepsNoMemory)
{
    RequestLineSplitter splitter(1000);
    QList<QByteArray> lines;
    const QByteArray block(4096, 'X');
    int refused = 0;
    for (int i = 0; i < 2560; ++i) { // 10 MiB without a line end
        refused += splitter.feed(block, lines);
        ASSERT_LE(splitter.unfinishedLength(), 1000);
    }
    EXPECT_EQ(refused, 1);
    EXPECT_TRUE(lines.isEmpty());
    EXPECT_EQ(splitter.feed("tail\n*OPC?\n", lines), 0);
    EXPECT_EQ(lines, QList<QByteArray>{"*OPC?"});
}

TEST(RequestLineSplitter, TheLimitIsInclusive)
{
    RequestLineSplitter splitter(5);
    QList<QByteArray> lines;
    EXPECT_EQ(splitter.feed("12345\n123456\nab", lines), 1);
    EXPECT_EQ(splitter.feed("cd\n", lines), 0);
    EXPECT_EQ(lines, (QList<QByteArray>{"12345", "abcd"}));
}

} // namespace
