#include "analyzer/files/TouchstoneIO.h"

#include "tests/analyzer/files/TextFiles.h"

#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace {

using Complex = std::complex<double>;

constexpr double degree = M_PI / 180.0;

class TouchstoneRead : public ::testing::Test
{
protected:
    std::optional<TouchstoneData> read(const QString& name, const QByteArray& content)
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(TextFiles::writeBytes(path, content));
        return TouchstoneIO().read(path);
    }

    QTemporaryDir dir;
};

void expectComplex(const Complex& actual, const Complex& expected)
{
    EXPECT_NEAR(actual.real(), expected.real(), 1e-12);
    EXPECT_NEAR(actual.imag(), expected.imag(), 1e-12);
}

} // namespace

TEST(TouchstonePortCount, ComesFromASuffixOfOneDigit)
{
    EXPECT_EQ(TouchstoneIO::portCountFromSuffix(QFileInfo("a/b.c/x.s2p")), 2u);
    EXPECT_EQ(TouchstoneIO::portCountFromSuffix(QFileInfo("x.y.s9p")), 9u);
    EXPECT_EQ(TouchstoneIO::portCountFromSuffix(QFileInfo("x.s0p")), 0u);
    EXPECT_FALSE(TouchstoneIO::portCountFromSuffix(QFileInfo("x.S2P")).has_value());
    EXPECT_FALSE(TouchstoneIO::portCountFromSuffix(QFileInfo("x.s12p")).has_value());
    EXPECT_FALSE(TouchstoneIO::portCountFromSuffix(QFileInfo("x.s2p.txt")).has_value());
    EXPECT_FALSE(TouchstoneIO::portCountFromSuffix(QFileInfo("x.s\u0663p")).has_value());
    EXPECT_FALSE(TouchstoneIO::portCountFromSuffix(QFileInfo("s2p")).has_value());
}

TEST_F(TouchstoneRead, TwoPortMagnitudeAngleInTouchstoneOrder)
{
    const auto data = read("m.s2p", "# GHz S MA R 50\n1 0.5 90 1 0 1 0 0.5 -90\n");
    ASSERT_TRUE(data.has_value());
    ASSERT_EQ(data->records.size(), 1u);
    const auto& record = data->records[0];
    EXPECT_DOUBLE_EQ(record.frequency, 1e9);
    EXPECT_EQ(record.N, 2u);
    expectComplex(record.values[0], {0.0, 0.5});
    expectComplex(record.values[1], {1.0, 0.0});
    expectComplex(record.values[2], {1.0, 0.0});
    expectComplex(record.values[3], {0.0, -0.5});
    EXPECT_EQ(data->portCount, 0);
    EXPECT_DOUBLE_EQ(data->R, 50.0);
}

TEST_F(TouchstoneRead, TwoPortValuesStandInColumnOrderOfTheFile)
{
    // File order S11, S21, S12, S22 with four distinct values.
    const auto data = read("o.s2p", "# Hz S RI\n5 1 0 2 0 3 0 4 0\n");
    ASSERT_TRUE(data.has_value());
    const auto& values = data->records.at(0).values;
    EXPECT_EQ(values[0], Complex(1, 0)); // S11
    EXPECT_EQ(values[2], Complex(2, 0)); // S21 at row 1, column 0
    EXPECT_EQ(values[1], Complex(3, 0)); // S12 at row 0, column 1
    EXPECT_EQ(values[3], Complex(4, 0)); // S22
}

TEST_F(TouchstoneRead, MissingFormatAndRTakeMagnitudeAngleAndFiftyOhm)
{
    for (const QByteArray& optionLine : {QByteArray("# GHz\n"), QByteArray("#\n"), QByteArray()}) {
        const auto data = read("d.s1p", optionLine + "1 2 3 ! a comment\n");
        ASSERT_TRUE(data.has_value());
        ASSERT_EQ(data->records.size(), 1u);
        EXPECT_DOUBLE_EQ(data->records[0].frequency, 1e9);
        expectComplex(data->records[0].values[0], std::polar(2.0, 3.0 * degree));
        EXPECT_EQ(data->format, TouchstoneData::MA);
        EXPECT_EQ(data->unit, TouchstoneData::GHZ);
        EXPECT_EQ(data->parameter, TouchstoneData::S);
        EXPECT_DOUBLE_EQ(data->R, 50.0);
    }
    const auto ri = read("ri.s1p", "# ri\n1 2 3 ! a comment\n");
    ASSERT_TRUE(ri.has_value());
    EXPECT_EQ(ri->records.at(0).values.at(0), Complex(2, 3));
}

TEST_F(TouchstoneRead, UnusableReferenceImpedanceReadsAsZero)
{
    EXPECT_DOUBLE_EQ(read("a.s1p", "# GHz S RI R 0\n")->R, 0.0);
    EXPECT_DOUBLE_EQ(read("a.s1p", "# GHz S RI R 5000\n")->R, 0.0);
    EXPECT_DOUBLE_EQ(read("a.s1p", "# GHz S RI R nan\n")->R, 0.0);
    EXPECT_DOUBLE_EQ(read("a.s1p", "# GHz S RI R\n")->R, 0.0);
    EXPECT_DOUBLE_EQ(read("a.s1p", "# GHz S RI R 0.001\n")->R, 0.001);
    EXPECT_DOUBLE_EQ(read("a.s1p", "# GHz S RI R 1000\n")->R, 1000.0);
    EXPECT_DOUBLE_EQ(read("a.s1p", "# GHz S RI R 75 R 25\n")->R, 25.0);
    EXPECT_DOUBLE_EQ(read("a.s1p", "# ghz s ri r 75\n")->R, 75.0);
}

TEST_F(TouchstoneRead, DecibelAngleFormatAndFrequencyUnits)
{
    const auto db = read("db.s1p", "# MHz S DB R 50\n100 -6.0205999132796 45\n");
    ASSERT_TRUE(db.has_value());
    EXPECT_DOUBLE_EQ(db->records.at(0).frequency, 1e8);
    expectComplex(db->records[0].values[0], std::polar(0.5, 45.0 * degree));

    const auto db20 = read("db.s1p", "# Hz DB\n1 20 180\n");
    expectComplex(db20->records.at(0).values[0], {-10.0, 0.0});

    const std::pair<const char*, double> units[] = {{"HZ", 1.0}, {"kHz", 1e3}, {"MHZ", 1e6}, {"GHz", 1e9}};
    for (const auto& [unit, factor] : units) {
        const auto data = read("u.s1p", QByteArray("# ") + unit + " RI\n2.5 1 0\n");
        ASSERT_TRUE(data.has_value()) << unit;
        EXPECT_DOUBLE_EQ(data->records.at(0).frequency, 2.5 * factor) << unit;
    }
}

TEST_F(TouchstoneRead, LaterOptionLineStartsTheDataAfresh)
{
    const auto data = read("l.s1p", "# Hz RI R 75\n1 1 0\n2 1 0\n# kHz\n3 2 90\n");
    ASSERT_TRUE(data.has_value());
    ASSERT_EQ(data->records.size(), 1u);
    EXPECT_DOUBLE_EQ(data->records[0].frequency, 3e3);
    expectComplex(data->records[0].values[0], {0.0, 2.0});
    EXPECT_DOUBLE_EQ(data->R, 50.0);
}

TEST_F(TouchstoneRead, RecordsSpanLinesAndKeywordLinesAreSkipped)
{
    const auto data = read("r.s3p",
                           "[Version] 2.0\n# Hz S RI R 50\n[Number of Ports] 3\n"
                           "1 11 0 12 0 13 0\n 21 0 22 0\n 23 0 31 0 32 0 33 0\n"
                           "2 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\n[End]\n");
    ASSERT_TRUE(data.has_value());
    ASSERT_EQ(data->records.size(), 2u);
    const auto& values = data->records[0].values;
    EXPECT_EQ(values[1], Complex(12, 0));
    EXPECT_EQ(values[3], Complex(21, 0));
    EXPECT_EQ(values[8], Complex(33, 0));
}

TEST_F(TouchstoneRead, CrLfLineEndsByteOrderMarkAndTabs)
{
    const auto data = read("c.s2p", "\xEF\xBB\xBF# GHz S RI R 50\r\n!c\r\n1\t0.1\t0.2\t0.3\t0.4\t0.5\t0.6\t0.7\t0.8\r\n");
    ASSERT_TRUE(data.has_value());
    EXPECT_EQ(data->format, TouchstoneData::RI);
    ASSERT_EQ(data->records.size(), 1u);
    EXPECT_EQ(data->records[0].values[3], Complex(0.7, 0.8));
}

TEST_F(TouchstoneRead, Utf16FileWithByteOrderMarkReads)
{
    const QString text = "# Hz RI\r\n5 0.25 -1\r\n";
    QByteArray bytes("\xFF\xFE");
    bytes.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    const auto data = read("w.s1p", bytes);
    ASSERT_TRUE(data.has_value());
    ASSERT_EQ(data->records.size(), 1u);
    EXPECT_EQ(data->records[0].values[0], Complex(0.25, -1));
}

TEST_F(TouchstoneRead, NumbersReadTheSameUnderAnyLocale)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const auto data = read("n.s1p", "# Hz RI\n1.0e9 1.5E-1 -2.5\n");
    QLocale::setDefault(previous);
    ASSERT_TRUE(data.has_value());
    EXPECT_DOUBLE_EQ(data->records.at(0).frequency, 1e9);
    EXPECT_EQ(data->records[0].values[0], Complex(0.15, -2.5));
}

TEST_F(TouchstoneRead, OnlyNoiseParametersMayEndTheTwoPortSParameters)
{
    const auto data = read("noise.s2p",
                           "# GHz S MA R 50\n1 1 0 1 0 1 0 1 0\n2 1 0 1 0 1 0 1 0\n"
                           "! noise parameters\n1 0.5 0.3 20 0.2\n2 0.6 0.3 30 0.2\n");
    ASSERT_TRUE(data.has_value());
    ASSERT_EQ(data->records.size(), 2u);
    EXPECT_DOUBLE_EQ(data->records[1].frequency, 2e9);

    // A repeated or falling frequency on an S-data line is damage, not the noise block.
    const QByteArray record = " 1 0 1 0 1 0 1 0\n";
    EXPECT_FALSE(read("repeated.s2p", "# GHz S MA R 50\n1" + record + "2" + record + "2" + record + "3" + record
                                          + "4" + record)
                     .has_value());
    EXPECT_FALSE(read("falling.s2p", "# GHz S MA R 50\n2" + record + "1 1 0 1 0 1 0\n 1 0\n").has_value());
}

TEST_F(TouchstoneRead, IncompleteLastRecordIsDropped)
{
    const auto data = read("i.s2p", "# Hz RI\n1 1 0 1 0 1 0 1 0\n2 1 0 1 0\n");
    ASSERT_TRUE(data.has_value());
    EXPECT_EQ(data->records.size(), 1u);
}

TEST_F(TouchstoneRead, EmptyOrCommentOnlyFilesGiveNoRecords)
{
    for (const QByteArray& content : {QByteArray(), QByteArray("! only\n# GHz S RI R 50\n\n  \n")}) {
        const auto data = read("e.s4p", content);
        ASSERT_TRUE(data.has_value());
        EXPECT_TRUE(data->records.empty());
    }
}

TEST_F(TouchstoneRead, BadInputGivesNoValue)
{
    const QByteArray bad[] = {
        "# Hz RI\n1 1 0 1 0 1 0 1 0 7\n",           // too many tokens
        "# Hz RI\n1 1 0 1 0\n1 0 1 0 2\n",          // a record running into the next one
        "# Hz RI\n1 1 0 1 x 1 0 1 0\n",             // not a number
        "# Hz RI\n1 1 0 1 0,5 1 0 1 0\n",           // decimal comma
        "# Hz RI\n1 1 0 nan 0 1 0 1 0\n",           // not finite
        "# Hz RI\n1 1 0 inf 0 1 0 1 0\n",
        "# Hz RI\n1 1 0 1 -infinity 1 0 1 0\n",
        "# Hz RI\n1e999 1 0 1 0 1 0 1 0\n",         // overflow
        "# GHz RI\n1e300 1 0 1 0 1 0 1 0\n",        // overflow once in Hz
        "# Hz DB\n1 1e5 0 1 0 1 0 1 0\n",           // magnitude beyond a double
    };
    for (const QByteArray& content : bad)
        EXPECT_FALSE(read("b.s2p", content).has_value()) << content.constData();
}

TEST_F(TouchstoneRead, UnusableFilesGiveNoValue)
{
    TouchstoneIO io;
    EXPECT_FALSE(io.read(dir.filePath("missing.s2p")).has_value());
    EXPECT_FALSE(read("x.txt", "# Hz RI\n1 1 0\n").has_value());
    EXPECT_FALSE(read("x.s0p", "# Hz RI\n1\n").has_value());
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.s1p"));
    EXPECT_FALSE(io.read(dir.filePath("folder.s1p")).has_value());
}

// The issue tells the caller which line went wrong and how, also for the last record a
// cut file leaves incomplete, which the read itself drops.
TEST_F(TouchstoneRead, IssuesNameTheirKindAndLine)
{
    struct Case
    {
        QByteArray content;
        TouchstoneReadIssue::Kind kind;
        int line;
        QString token;
        bool read; // a last record that ends with the file is dropped, the records before it stay
    };
    const Case cases[] = {
        {"! head\n# Hz RI\n1 1 0 1 0 1 0 1 0 7\n", TouchstoneReadIssue::TooManyValues, 3, {}, false},
        {"# Hz RI\n1 1 0\n1 x 1 0 1 0\n", TouchstoneReadIssue::NotANumber, 3, "x", false},
        {"# Hz RI\nNot a\nTouchstone file\n", TouchstoneReadIssue::NotANumber, 2, "Not", true},
        {"# Hz RI\n2 1 0 1 0 1 0 1 0\n1 1 0 1 0 1 0 1 0\n", TouchstoneReadIssue::FrequencyStepsBack, 3, {}, false},
        {"# Hz RI\n1 1 0 1 0 1 0 1 0\n\n2 1 0 1 0\n1 0\n", TouchstoneReadIssue::IncompleteRecord, 4, {}, true},
        {"# Hz RI\n1 1 0 1 0 1 0 1 0\n", TouchstoneReadIssue::None, 0, {}, true},
    };
    for (const Case& c : cases) {
        const QString path = dir.filePath("i.s2p");
        ASSERT_TRUE(TextFiles::writeBytes(path, c.content));
        TouchstoneReadIssue issue;
        EXPECT_EQ(TouchstoneIO().read(path, &issue).has_value(), c.read) << c.content.constData();
        EXPECT_EQ(issue.kind, c.kind) << c.content.constData();
        EXPECT_EQ(issue.line, c.line) << c.content.constData();
        EXPECT_EQ(issue.token, c.token) << c.content.constData();
    }
    TouchstoneReadIssue issue;
    EXPECT_FALSE(TouchstoneIO().read(dir.filePath("missing.s2p"), &issue).has_value());
    EXPECT_EQ(issue.kind, TouchstoneReadIssue::CannotOpen);
    EXPECT_FALSE(TouchstoneIO().read(dir.filePath("x.txt"), &issue).has_value());
    EXPECT_EQ(issue.kind, TouchstoneReadIssue::NoPortCount);
}
