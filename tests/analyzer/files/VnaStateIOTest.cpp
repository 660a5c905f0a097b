#include "analyzer/files/VnaStateIO.h"

#include "tests/analyzer/files/TextFiles.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

class VnaStateFile : public ::testing::Test
{
protected:
    QString path() const { return dir.filePath("setup.sta"); }

    // The analyzer's own binary content, which ends without a line break.
    QByteArray analyzerContent() const
    {
        QByteArray bytes("STA\0\x01\x02[x]\n=\xff\xfe NOLT", 16);
        bytes += QByteArray(3000, '\x07');
        return bytes;
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(VnaStateFile, AppendedSectionsStartOnALineOfTheirOwnAndReadBack)
{
    ASSERT_TRUE(TextFiles::writeBytes(path(), analyzerContent()));
    {
        VnaStateIO state(path(), nullptr);
        ASSERT_TRUE(state.open(QIODevice::WriteOnly | QIODevice::Append));
        EXPECT_TRUE(state.writeSection("NOLT\\Settings"));
        EXPECT_TRUE(state.writeValue("SetupCount", "2"));
        EXPECT_TRUE(state.writeValue("UserZ0", "50.5"));
        EXPECT_TRUE(state.writeEmptyLine());
    }
    const QByteArray bytes = TextFiles::readBytes(path());
    EXPECT_EQ(bytes, analyzerContent() + "\n[NOLT\\Settings]\nSetupCount=2\nUserZ0=50.5\n\n");

    VnaStateIO state(path(), nullptr);
    ASSERT_TRUE(state.open(QIODevice::ReadOnly));
    EXPECT_EQ(state.readValue("nolt\\settings", "SetupCount"), QString("2"));
    EXPECT_EQ(state.readValue("NOLT\\Settings", "UserZ0"), QString("50.5"));
    EXPECT_FALSE(state.readValue("NOLT\\Settings", "setupcount").has_value());
    EXPECT_FALSE(state.readValue("NOLT\\Other", "SetupCount").has_value());
}

TEST_F(VnaStateFile, ValuesComeBackAsWrittenOrAreRefused)
{
    {
        VnaStateIO state(path(), nullptr);
        ASSERT_TRUE(state.open(QIODevice::WriteOnly | QIODevice::Append));
        ASSERT_TRUE(state.writeSection("S"));
        EXPECT_TRUE(state.writeValue("Formula", "a=b=c"));
        // A line break would let the value add keys and sections of its own.
        for (const QString& injected : {QString("1\n[T]\nK=2"), QString("1\rK=2"), QString("1\u2028K=2"),
                                        QString("1\u0085K=2")}) {
            EXPECT_FALSE(state.writeValue("K", injected));
            EXPECT_FALSE(state.writeValue(injected, "1"));
            EXPECT_FALSE(state.writeSection(injected));
        }
        EXPECT_FALSE(state.writeValue("a=b", "1"));
    }
    EXPECT_EQ(TextFiles::readBytes(path()), "[S]\nFormula=a=b=c\n");
    VnaStateIO state(path(), nullptr);
    ASSERT_TRUE(state.open(QIODevice::ReadOnly));
    EXPECT_EQ(state.readValue("S", "Formula"), QString("a=b=c"));
}

TEST_F(VnaStateFile, ContentEndingInALineBreakGetsNoEmptyLine)
{
    ASSERT_TRUE(TextFiles::writeBytes(path(), "analyzer\n"));
    VnaStateIO state(path(), nullptr);
    ASSERT_TRUE(state.open(QIODevice::WriteOnly | QIODevice::Append));
    ASSERT_TRUE(state.writeSection("S"));
    EXPECT_EQ(TextFiles::readBytes(path()), "analyzer\n[S]\n");
}

TEST_F(VnaStateFile, NewFileStartsWithTheSection)
{
    VnaStateIO state(path(), nullptr);
    ASSERT_TRUE(state.open(QIODevice::WriteOnly | QIODevice::Append));
    ASSERT_TRUE(state.writeSection("S"));
    EXPECT_EQ(TextFiles::readBytes(path()), "[S]\n");
}

TEST_F(VnaStateFile, LookupRules)
{
    ASSERT_TRUE(TextFiles::writeBytes(path(), analyzerContent()
                                                  + "\nBefore=1\n"
                                                    "[NOLT\\Settings]\n; comment=1\n# Hash=1\n"
                                                    "[ NOLT\\Settings_ ]\nSpaced=yes\nTwo=a=b\n"
                                                    "Blank = 3\n\n"
                                                    "[Dup]\nOther=1\n\n[Dup]\nKey=second\n[Dup]\nKey=third\n"));
    VnaStateIO state(path(), nullptr);
    ASSERT_TRUE(state.open(QIODevice::ReadOnly));
    EXPECT_FALSE(state.readValue("NOLT\\Settings", "Before").has_value());
    EXPECT_FALSE(state.readValue("NOLT\\Settings", "; comment").has_value());
    EXPECT_EQ(state.readValue("NOLT\\Settings", "Spaced"), QString("yes"));
    EXPECT_EQ(state.readValue("NOLT\\Settings", "Two"), QString("a=b"));
    EXPECT_FALSE(state.readValue("NOLT\\Settings", "Blank").has_value());
    EXPECT_EQ(state.readValue("Dup", "Key"), QString("second"));
    EXPECT_FALSE(state.readValue("NOLT \\Settings", "Spaced").has_value());
}

TEST_F(VnaStateFile, ContentThatLooksLikeAByteOrderMarkIsNotDecodedAsUtf16)
{
    for (const QByteArray& start : {QByteArray("\xFF\xFE\x01"), QByteArray("\xFE\xFF\x01"), QByteArray("\xEF\xBB\xBF")}) {
        ASSERT_TRUE(TextFiles::writeBytes(path(), start + "\n[S]\nK=1\n"));
        VnaStateIO state(path(), nullptr);
        ASSERT_TRUE(state.open(QIODevice::ReadOnly));
        EXPECT_EQ(state.readValue("S", "K"), QString("1")) << start.toHex().constData();
    }
    ASSERT_TRUE(TextFiles::writeBytes(path(), "\xEF\xBB\xBF[S]\nK=1\n"));
    VnaStateIO state(path(), nullptr);
    ASSERT_TRUE(state.open(QIODevice::ReadOnly));
    EXPECT_EQ(state.readValue("S", "K"), QString("1"));
}

TEST_F(VnaStateFile, NothingHappensWithoutAnOpenFile)
{
    ASSERT_TRUE(TextFiles::writeBytes(path(), "[S]\nK=1\n"));
    VnaStateIO state(path(), nullptr);
    EXPECT_FALSE(state.writeSection("S"));
    EXPECT_FALSE(state.writeValue("K", "2"));
    EXPECT_FALSE(state.writeEmptyLine());
    EXPECT_FALSE(state.readValue("S", "K").has_value());
    EXPECT_EQ(TextFiles::readBytes(path()), "[S]\nK=1\n");

    VnaStateIO missing(dir.filePath("missing.sta"), nullptr);
    EXPECT_FALSE(missing.open(QIODevice::ReadOnly));
    EXPECT_FALSE(missing.readValue("S", "K").has_value());
}

TEST_F(VnaStateFile, WritesToAFileOpenedForReadingFail)
{
    ASSERT_TRUE(TextFiles::writeBytes(path(), "[S]\nK=1\n"));
    VnaStateIO state(path(), nullptr);
    ASSERT_TRUE(state.open(QIODevice::ReadOnly));
    EXPECT_FALSE(state.writeValue("K", "2"));
    EXPECT_EQ(TextFiles::readBytes(path()), "[S]\nK=1\n");
}

TEST_F(VnaStateFile, ReadOnlyFileCannotBeOpenedForAppending)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    ASSERT_TRUE(TextFiles::writeBytes(path(), "analyzer"));
    ASSERT_TRUE(QFile::setPermissions(path(), QFileDevice::ReadOwner));
    VnaStateIO state(path(), nullptr);
    EXPECT_FALSE(state.open(QIODevice::WriteOnly | QIODevice::Append));
    EXPECT_FALSE(state.writeValue("K", "1"));
}

TEST_F(VnaStateFile, FullDiskMakesEveryWriteFail)
{
    if (!QFileInfo::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    VnaStateIO state("/dev/full", nullptr);
    ASSERT_TRUE(state.open(QIODevice::WriteOnly | QIODevice::Append));
    EXPECT_FALSE(state.writeSection("S"));
    EXPECT_FALSE(state.writeValue("K", "1"));
    EXPECT_FALSE(state.writeEmptyLine());
}
