#include "analyzer/files/TouchstoneIO.h"

#include "tests/analyzer/files/TextFiles.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>
#include <random>

namespace {

using Complex = std::complex<double>;

TouchstoneRecord record(double frequency, std::vector<Complex> values)
{
    const auto n = static_cast<std::size_t>(std::lround(std::sqrt(static_cast<double>(values.size()))));
    return {frequency, std::move(values), n};
}

TouchstoneData dataOf(int portCount, std::vector<TouchstoneRecord> records, double R = 50.0)
{
    TouchstoneData data;
    data.records = std::move(records);
    data.portCount = portCount;
    data.format = TouchstoneData::RI;
    data.R = R;
    return data;
}

// The lines after the comment head, which holds the date.
QStringList bodyLines(const QString& path)
{
    QStringList lines = QString::fromUtf8(TextFiles::readBytes(path)).split('\n');
    EXPECT_GE(lines.size(), 3);
    EXPECT_EQ(lines.value(0), "! VARNEL");
    EXPECT_TRUE(QRegularExpression(R"(^! Date: \d\d/\d\d/\d{4} \d\d:\d\d \S*$)").match(lines.value(1)).hasMatch())
        << lines.value(1).toStdString();
    return lines.mid(2);
}

double writtenPrecision(double x)
{
    return QString::number(x, 'E', 11).toDouble();
}

} // namespace

TEST(TouchstoneWrite, OnePortLayout)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("one.s1p");
    ASSERT_TRUE(TouchstoneIO().write(path, dataOf(1, {record(1e9, {{0.5, -0.25}}), record(2e9, {{-1, 0}})})));
    EXPECT_EQ(bodyLines(path), QStringList({"# Hz S RI R  50",
                                            "1.00000000000E+09\t5.00000000000E-01\t-2.50000000000E-01",
                                            "2.00000000000E+09\t-1.00000000000E+00\t0.00000000000E+00", ""}));
}

TEST(TouchstoneWrite, TwoPortInTouchstoneOrderOnOneLine)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("two.s2p");
    // Row-major S11, S12, S21, S22 = 1, 2, 3, 4: the file lists S11, S21, S12, S22.
    ASSERT_TRUE(TouchstoneIO().write(path, dataOf(2, {record(5, {1, 2, 3, 4})}, 75.5)));
    EXPECT_EQ(bodyLines(path),
              QStringList({"# Hz S RI R  75.5",
                           "5.00000000000E+00\t1.00000000000E+00\t0.00000000000E+00\t3.00000000000E+00\t"
                           "0.00000000000E+00\t2.00000000000E+00\t0.00000000000E+00\t4.00000000000E+00\t"
                           "0.00000000000E+00",
                           ""}));
}

TEST(TouchstoneWrite, ThreePortRowsStartNewLines)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("three.s3p");
    ASSERT_TRUE(TouchstoneIO().write(path, dataOf(3, {record(1, {1, 2, 3, 4, 5, 6, 7, 8, 9})})));
    const QString z = "\t0.00000000000E+00";
    EXPECT_EQ(bodyLines(path), QStringList({"# Hz S RI R  50",
                                            "1.00000000000E+00\t1.00000000000E+00" + z + "\t2.00000000000E+00" + z
                                                + "\t3.00000000000E+00" + z,
                                            "\t\t4.00000000000E+00" + z + "\t5.00000000000E+00" + z
                                                + "\t6.00000000000E+00" + z,
                                            "\t\t7.00000000000E+00" + z + "\t8.00000000000E+00" + z
                                                + "\t9.00000000000E+00" + z,
                                            ""}));
}

TEST(TouchstoneWrite, RoundTripsAreExactToTheWrittenPrecision)
{
    QTemporaryDir dir;
    std::mt19937 random(7);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    std::uniform_int_distribution<int> exponent(-30, 5);
    TouchstoneIO io;
    for (int ports = 1; ports <= 4; ++ports) {
        std::vector<TouchstoneRecord> records;
        for (int point = 0; point < 20; ++point) {
            std::vector<Complex> values;
            for (int k = 0; k < ports * ports; ++k) {
                values.emplace_back(mantissa(random) * std::pow(10.0, exponent(random)),
                                    mantissa(random) * std::pow(10.0, exponent(random)));
            }
            records.push_back(record(1e6 + point * 123456.789012345, values));
        }
        const QString base = dir.filePath("trip");
        ASSERT_TRUE(io.write(base, dataOf(ports, records, 42.1)));
        const auto back = io.read(base + ".s" + QString::number(ports) + "p");
        ASSERT_TRUE(back.has_value()) << ports;
        EXPECT_DOUBLE_EQ(back->R, 42.1);
        EXPECT_EQ(back->format, TouchstoneData::RI);
        EXPECT_EQ(back->unit, TouchstoneData::HZ);
        ASSERT_EQ(back->records.size(), records.size());
        for (std::size_t i = 0; i < records.size(); ++i) {
            const auto& got = back->records[i];
            EXPECT_EQ(got.frequency, writtenPrecision(records[i].frequency));
            ASSERT_EQ(got.N, static_cast<std::size_t>(ports));
            for (std::size_t k = 0; k < got.values.size(); ++k) {
                EXPECT_EQ(got.values[k].real(), writtenPrecision(records[i].values[k].real())) << ports;
                EXPECT_EQ(got.values[k].imag(), writtenPrecision(records[i].values[k].imag())) << ports;
            }
        }
    }
}

TEST(TouchstoneWrite, DataOfAnotherPortCountThanTheNameIsRefused)
{
    QTemporaryDir dir;
    TouchstoneIO io;
    const auto twoPort = dataOf(2, {record(1, {1, 2, 3, 4})});
    auto fourPort = dataOf(4, {record(1, std::vector<Complex>(16, 1))});
    EXPECT_FALSE(io.write(dir.filePath("x.s4p"), twoPort));
    EXPECT_FALSE(io.write(dir.filePath("y.s2p"), fourPort));
    // Records are checked too when the data leaves its own count unset.
    fourPort.portCount = 0;
    EXPECT_FALSE(io.write(dir.filePath("z.s2p"), fourPort));
    io.setOverwriteAllowed(false);
    EXPECT_FALSE(io.write(dir.filePath("x.s4p"), twoPort));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST(TouchstoneWrite, WithoutOverwritingTheNextFreeNameIsChosen)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("run.v2"));
    const QString folder = dir.filePath("run.v2") + "/";
    TouchstoneIO io;
    io.setOverwriteAllowed(false);
    const auto data = dataOf(2, {record(1, {1, 2, 3, 4})});

    ASSERT_TRUE(TextFiles::writeBytes(folder + "x.s2p", "old"));
    ASSERT_TRUE(TextFiles::writeBytes(folder + "x(1).s2p", "old"));
    ASSERT_TRUE(io.write(folder + "x.s2p", data));
    EXPECT_TRUE(QFileInfo::exists(folder + "x(2).s2p"));
    EXPECT_EQ(TextFiles::readBytes(folder + "x.s2p"), "old");

    ASSERT_TRUE(TextFiles::writeBytes(folder + "fix.a.s2p", "old"));
    ASSERT_TRUE(io.write(folder + "fix.a.s2p", data));
    EXPECT_TRUE(QFileInfo::exists(folder + "fix(1).a.s2p"));

    // Dots in folder names never split the name.
    ASSERT_TRUE(io.write(folder + "raw", data));
    ASSERT_TRUE(io.write(folder + "raw", data));
    EXPECT_TRUE(QFileInfo::exists(folder + "raw.s2p"));
    EXPECT_TRUE(QFileInfo::exists(folder + "raw(1).s2p"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"run.v2"});
}

TEST(TouchstoneWrite, OverwritingReplacesTheOldContent)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("o.s1p");
    ASSERT_TRUE(TextFiles::writeBytes(path, QByteArray(10000, 'x')));
    ASSERT_TRUE(TouchstoneIO().write(path, dataOf(1, {record(1, {1})})));
    const auto back = TouchstoneIO().read(path);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->records.size(), 1u);
}

TEST(TouchstoneWrite, UnwritableDataOrNamesWriteNothing)
{
    QTemporaryDir dir;
    TouchstoneIO io;
    const double notANumber = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(io.write(dir.filePath("nocount"), dataOf(0, {record(1, {1})})));
    EXPECT_FALSE(io.write(dir.filePath("nan.s1p"), dataOf(1, {record(1, {{1, notANumber}})})));
    EXPECT_FALSE(io.write(dir.filePath("inf.s1p"), dataOf(1, {record(inf, {1})})));
    EXPECT_FALSE(io.write(dir.filePath("r.s1p"), dataOf(1, {record(1, {1})}, notANumber)));
    EXPECT_FALSE(io.write(dir.filePath("size.s2p"), dataOf(2, {TouchstoneRecord{1, {1, 2, 3}, 2}})));
    EXPECT_FALSE(io.write(dir.filePath("empty.s1p"), dataOf(1, {TouchstoneRecord{1, {}, 0}})));
    EXPECT_FALSE(io.write(dir.filePath("missing/folder.s1p"), dataOf(1, {record(1, {1})})));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST(TouchstoneWrite, FullDiskIsAFailureAndLeavesNoFile)
{
    if (!QFileInfo::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    QTemporaryDir dir;
    const QString path = dir.filePath("full.s2p");
    ASSERT_TRUE(QFile::link("/dev/full", path));
    EXPECT_FALSE(TouchstoneIO().write(path, dataOf(2, {record(1, {1, 2, 3, 4})})));
    EXPECT_FALSE(QFileInfo(path).isSymLink());
}
