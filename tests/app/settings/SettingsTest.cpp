#include "app/settings/Settings.h"
#include "tests/analyzer/device/support/QtPrinting.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Each test runs in an empty working directory of its own, where the settings file lives.
class SettingsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_directory.isValid());
        m_previous = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(m_directory.path()));
    }
    void TearDown() override { QDir::setCurrent(m_previous); }

    static QString fileText()
    {
        QFile file(QStringLiteral("settings/settings"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    static void writeFile(const QByteArray& text)
    {
        QDir().mkpath(QStringLiteral("settings"));
        QFile file(QStringLiteral("settings/settings"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

private:
    QTemporaryDir m_directory;
    QString m_previous;
};

const char* const PropertyNames[] = {"darkTheme",  "showHover", "saveUserSetup", "loadedStateFile",
                                     "ipAddress", "port",      "scalingFactor"};

} // namespace

TEST_F(SettingsTest, AFreshStartHasEveryValueUnsetAndStoresEveryKeyAsInvalid)
{
    {
        Settings settings;
        for (const char* name : PropertyNames)
            EXPECT_FALSE(settings.property(name).isValid()) << name;
        EXPECT_FALSE(settings.validPort().has_value());
        EXPECT_FALSE(settings.validScalingFactor().has_value());
        EXPECT_FALSE(settings.validLoadedStateFile().has_value());
    }
    const QString text = fileText();
    for (const char* key : {"isDarkTheme", "showHover", "saveUserSetup", "loadedStateFile", "ipAddress", "port",
                            "scalingFactor"})
        EXPECT_TRUE(text.contains(QString("\n%1=@Invalid()").arg(key))) << key << "\n" << text.toStdString();

    Settings again;
    for (const char* name : PropertyNames)
        EXPECT_FALSE(again.property(name).isValid()) << name;
}

TEST_F(SettingsTest, EveryTypeSurvivesTheDestructorsSaveAndTheNextLoad)
{
    {
        Settings settings;
        settings.setProperty("darkTheme", false);
        settings.setProperty("showHover", true);
        settings.setProperty("saveUserSetup", true);
        settings.setProperty("loadedStateFile", "loadedStateFile");
        settings.setProperty("ipAddress", "192.168.0.12");
        settings.setProperty("port", 5026);
        settings.setProperty("scalingFactor", "1.25");
    }
    Settings settings;
    EXPECT_EQ(settings.darkTheme, false);
    EXPECT_EQ(settings.showHover, true);
    EXPECT_EQ(settings.saveUserSetup, true);
    EXPECT_EQ(settings.loadedStateFile, QString("loadedStateFile"));
    EXPECT_EQ(settings.ipAddress, QString("192.168.0.12"));
    EXPECT_EQ(settings.port, 5026u);
    EXPECT_EQ(settings.scalingFactor, QString("1.25"));
    EXPECT_EQ(settings.validPort(), quint16(5026));
    EXPECT_EQ(settings.validScalingFactor(), QString("1.25"));
    EXPECT_EQ(settings.validLoadedStateFile(), QString("loadedStateFile"));
    EXPECT_EQ(settings.property("port").userType(), QMetaType::UInt);
}

TEST_F(SettingsTest, AWriteSignalsOnlyAChangeOrAnUndefinedValue)
{
    Settings settings;
    QSignalSpy changes(&settings, &Settings::portChanged);
    settings.setProperty("port", 5025);
    settings.setProperty("port", 5025);
    EXPECT_EQ(changes.count(), 1);
    settings.setProperty("port", QVariant());
    settings.setProperty("port", QVariant());
    EXPECT_EQ(changes.count(), 3);
    EXPECT_FALSE(settings.property("port").isValid());
}

TEST_F(SettingsTest, HandEditedValuesAreKeptButNotHandedOnWhenUnsafe)
{
    writeFile("[%General]\nloadedStateFile=../x\n"
              "[Network]\nport=abc\n"
              "[Display]\nscalingFactor=0\n");
    Settings settings;
    EXPECT_EQ(settings.port, 0u);
    EXPECT_FALSE(settings.validPort().has_value());
    EXPECT_FALSE(settings.validScalingFactor().has_value());
    EXPECT_FALSE(settings.validLoadedStateFile().has_value());
    EXPECT_EQ(settings.loadedStateFile, QString("../x"));

    settings.setProperty("port", 70000);
    EXPECT_EQ(settings.port, 70000u);
    EXPECT_FALSE(settings.validPort().has_value());
    settings.setProperty("port", 65535);
    EXPECT_EQ(settings.validPort(), quint16(65535));
    // 2^32 + 5025 must not wrap around to the analyzer's usual port.
    for (const QVariant& beyond : {QVariant("4294972321"), QVariant(4294972321.0)}) {
        settings.setProperty("port", 1);
        settings.setProperty("port", beyond);
        EXPECT_EQ(settings.port, 0u) << beyond.toString().toStdString();
    }

    for (const QString& factor : QStringList{"abc", "0", "nan", "inf", "4.5", "1,5"}) {
        settings.scalingFactor = factor;
        EXPECT_FALSE(settings.validScalingFactor().has_value()) << factor.toStdString();
    }
    settings.scalingFactor = QString("2");
    EXPECT_EQ(settings.validScalingFactor(), QString("2"));

    const QString withNewline = QString("x") + QChar(10) + "y";
    for (const QString& name : QStringList{"", "..", "a/b", "a\\b", "C:x", "x;y", "x\"y", withNewline}) {
        settings.loadedStateFile = name;
        EXPECT_FALSE(settings.validLoadedStateFile().has_value()) << name.toStdString();
    }
    settings.setProperty("loadedStateFile", "loadedStateFile");
    EXPECT_EQ(settings.validLoadedStateFile(), QString("loadedStateFile"));
}
