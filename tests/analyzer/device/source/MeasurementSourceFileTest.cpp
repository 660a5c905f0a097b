#include "analyzer/source/MeasurementSource.h"
#include "tests/support/MessageCapture.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using C = std::complex<double>;

// Two records in MHz/RI, with S11, S21, S12, S22 all different (two-port order on the line).
const char* twoPortText = "! asymmetric two-port\n"
                          "# MHz S RI R 75\n"
                          "100 0.1 0.2 0.3 0.4 0.5 0.6 0.7 0.8\n"
                          "200 1.1 1.2 1.3 1.4 1.5 1.6 1.7 1.8\n";

QString writeFile(const QTemporaryDir& dir, const QString& name, const char* text)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(text);
    return path;
}

bool fileWasRead()
{
    return MessageCapture::lines().filter("readFile").size() > 0;
}

} // namespace

TEST(MeasurementSourceFileTest, ReadsFrequenciesImpedanceAndTheRequestedColumn)
{
    QTemporaryDir dir;
    const MeasurementSource source(writeFile(dir, "fixture.s2p", twoPortText));

    EXPECT_EQ(source.frequencies(), (std::vector<double>{100e6, 200e6}));
    EXPECT_EQ(source.portImpedance(0), 75.0);
    EXPECT_EQ(source.portImpedance(7), 75.0);
    EXPECT_EQ(source.sParameter(1, 0), (std::vector<C>{{0.3, 0.4}, {1.3, 1.4}}));
    EXPECT_EQ(source.sParameter(0, 1), (std::vector<C>{{0.5, 0.6}, {1.5, 1.6}}));

    const auto all = source.sParameters({{0, 0}, {1, 1}, {1, 0}});
    ASSERT_TRUE(all.has_value());
    ASSERT_EQ(all->size(), 3u);
    EXPECT_EQ((*all)[0], (std::vector<C>{{0.1, 0.2}, {1.1, 1.2}}));
    EXPECT_EQ((*all)[1], (std::vector<C>{{0.7, 0.8}, {1.7, 1.8}}));
    EXPECT_EQ((*all)[2], (std::vector<C>{{0.3, 0.4}, {1.3, 1.4}}));
    EXPECT_EQ(source.sParameters({}), std::vector<MeasurementSource::Values>{});
}

TEST(MeasurementSourceFileTest, PortBeyondTheSuffixGivesNoValueWithoutReading)
{
    QTemporaryDir dir;
    const MeasurementSource source(writeFile(dir, "fixture.s2p", twoPortText));
    MessageCapture capture;
    EXPECT_FALSE(source.sParameter(2, 0).has_value());
    EXPECT_FALSE(source.sParameters({{0, 0}, {0, 2}}).has_value());
    EXPECT_EQ(MessageCapture::lines().filter("readFile").size(), 1) << "only the valid first pair is read";
}

TEST(MeasurementSourceFileTest, NameWithoutPortSuffixStillGivesNoSParameters)
{
    QTemporaryDir dir;
    const MeasurementSource source(writeFile(dir, "fixture.txt", twoPortText));
    MessageCapture capture;
    EXPECT_FALSE(source.sParameter(0, 0).has_value());
    EXPECT_FALSE(fileWasRead());
    // The reader needs the suffix for the record size, so nothing else is known either.
    EXPECT_FALSE(source.frequencies().has_value());
}

TEST(MeasurementSourceFileTest, MissingFileGivesNoValueAnywhere)
{
    const MeasurementSource source(QStringLiteral("/nonexistent/fixture.s2p"));
    EXPECT_FALSE(source.frequencies().has_value());
    EXPECT_FALSE(source.portImpedance(0).has_value());
    EXPECT_FALSE(source.sParameter(0, 0).has_value());
    EXPECT_FALSE(source.sParameters({{1, 1}}).has_value());
}
