#include "analyzer/files/ColumnFileWriter.h"

#include "tests/analyzer/files/TextFiles.h"
#include "tests/support/MessageCapture.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

ColumnFileWriter table(bool overwriteAllowed = true)
{
    return ColumnFileWriter("txt", "ImpulseResponse", "!", "# Transmission Length", overwriteAllowed);
}

} // namespace

TEST(ColumnFileWriter, HeadAndTabTerminatedRows)
{
    QTemporaryDir dir;
    auto writer = table();
    writer.appendHeader(" s RI");
    writer.appendComment(" tA LA");
    ASSERT_TRUE(writer.addColumn(std::vector<double>{1e-12, 0.5, 2e6}));
    ASSERT_TRUE(writer.addColumn(std::vector<double>{-1, 123456789, 1.0 / 3.0}));
    const QString prefix = dir.filePath("export");
    ASSERT_TRUE(writer.write(prefix));

    const QStringList lines = QString::fromUtf8(TextFiles::readBytes(prefix + "_ImpulseResponse.txt")).split('\n');
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[0], "# Transmission Length s RI");
    EXPECT_EQ(lines[1], "! VARNEL");
    EXPECT_TRUE(QRegularExpression(R"(^! Date: \d\d/\d\d/\d{4} \d\d:\d\d$)").match(lines[2]).hasMatch())
        << lines[2].toStdString();
    EXPECT_EQ(lines[3], "! tA LA");
    EXPECT_EQ(lines[4], "1e-12\t-1\t");
    EXPECT_EQ(lines[5], "0.5\t1.23457e+08\t");
    EXPECT_EQ(lines[6], "2e+06\t0.333333\t");
    EXPECT_EQ(lines[7], "");
}

TEST(ColumnFileWriter, ComplexColumnsSplitIntoRealAndImaginary)
{
    QTemporaryDir dir;
    auto writer = table();
    ASSERT_TRUE(writer.addColumn(std::vector<std::complex<double>>{{1, 2}, {3, 4}}));
    ASSERT_EQ(writer.columns().size(), 2u);
    EXPECT_EQ(writer.columns()[0], (std::vector<double>{1, 3}));
    EXPECT_EQ(writer.columns()[1], (std::vector<double>{2, 4}));
}

TEST(ColumnFileWriter, RefusesEmptyAndNonFiniteColumns)
{
    auto writer = table();
    EXPECT_FALSE(writer.addColumn(std::vector<double>{}));
    EXPECT_FALSE(writer.addColumn(std::vector<std::complex<double>>{}));
    MessageCapture messages;
    EXPECT_FALSE(writer.addColumn(std::vector<std::complex<double>>{{1, 0}, {2, notANumber}}));
    EXPECT_TRUE(messages.lines().contains("Invalid vector detected"));
    EXPECT_FALSE(writer.addColumn(std::vector<double>{1, std::numeric_limits<double>::infinity()}));
    EXPECT_TRUE(writer.columns().empty());
}

TEST(ColumnFileWriter, WithoutOverwritingTheNumberGoesBeforeTheExtension)
{
    QTemporaryDir dir;
    auto writer = table(false);
    ASSERT_TRUE(writer.addColumn(std::vector<double>{1}));
    const QString prefix = dir.filePath("p");
    ASSERT_TRUE(writer.write(prefix));
    ASSERT_TRUE(writer.write(prefix));
    ASSERT_TRUE(writer.write(prefix));
    EXPECT_TRUE(QFileInfo::exists(prefix + "_ImpulseResponse.txt"));
    EXPECT_TRUE(QFileInfo::exists(prefix + "_ImpulseResponse(1).txt"));
    EXPECT_TRUE(QFileInfo::exists(prefix + "_ImpulseResponse(2).txt"));

    auto overwriting = table(true);
    overwriting.setName("Gating");
    ASSERT_TRUE(overwriting.addColumn(std::vector<double>{1}));
    ASSERT_TRUE(overwriting.write(prefix));
    ASSERT_TRUE(overwriting.write(prefix));
    EXPECT_FALSE(QFileInfo::exists(prefix + "_Gating(1).txt"));
}

TEST(ColumnFileWriter, RefusalsCreateNoFile)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath("p");
    auto unequal = table();
    ASSERT_TRUE(unequal.addColumn(std::vector<double>{1, 2, 3}));
    ASSERT_TRUE(unequal.addColumn(std::vector<double>{1, 2, 3, 4}));
    EXPECT_FALSE(unequal.write(prefix));
    EXPECT_FALSE(table().write(prefix));

    auto unnamed = table();
    unnamed.setName("");
    ASSERT_TRUE(unnamed.addColumn(std::vector<double>{1}));
    EXPECT_FALSE(unnamed.write(prefix));
    EXPECT_FALSE(unequal.write(""));
    ColumnFileWriter noExtension("", "n", "", "", true);
    ASSERT_TRUE(noExtension.addColumn(std::vector<double>{1}));
    EXPECT_FALSE(noExtension.write(prefix));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());

    auto writer = table();
    ASSERT_TRUE(writer.addColumn(std::vector<double>{1}));
    EXPECT_FALSE(writer.write(dir.filePath("missing/p")));
}

TEST(ColumnFileWriter, FullDiskIsAFailure)
{
    if (!QFileInfo::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    QTemporaryDir dir;
    const QString prefix = dir.filePath("p");
    ASSERT_TRUE(QFile::link("/dev/full", prefix + "_ImpulseResponse.txt"));
    auto writer = table();
    ASSERT_TRUE(writer.addColumn(std::vector<double>{1, 2}));
    EXPECT_FALSE(writer.write(prefix));
    EXPECT_FALSE(QFileInfo(prefix + "_ImpulseResponse.txt").isSymLink());
}
