#include "analyzer/files/TouchstoneIO.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

// Files written by other tools must read to the values that an independent reader got.
namespace {

const QString testDataDir = QStringLiteral(NOLT_TESTDATA_DIR "/touchstone");

void expectRecord(const TouchstoneRecord& record, const QJsonObject& expected, const QString& name)
{
    SCOPED_TRACE(name.toStdString());
    EXPECT_DOUBLE_EQ(record.frequency, expected["f_hz"].toDouble());
    const QJsonArray rows = expected["s"].toArray();
    ASSERT_EQ(record.N, static_cast<std::size_t>(rows.size()));
    ASSERT_EQ(record.values.size(), record.N * record.N);
    for (int i = 0; i < rows.size(); ++i) {
        const QJsonArray columns = rows[i].toArray();
        ASSERT_EQ(columns.size(), rows.size());
        for (int j = 0; j < columns.size(); ++j) {
            const QJsonArray pair = columns[j].toArray();
            const auto& value = record.values[static_cast<std::size_t>(i) * record.N + static_cast<std::size_t>(j)];
            EXPECT_NEAR(value.real(), pair[0].toDouble(), 1e-12) << "S(" << i << "," << j << ") real";
            EXPECT_NEAR(value.imag(), pair[1].toDouble(), 1e-12) << "S(" << i << "," << j << ") imaginary";
        }
    }
}

} // namespace

TEST(TouchstoneInterop, EveryFileOfOtherToolsReadsToTheIndependentValues)
{
    QFile json(testDataDir + "/expected.json");
    ASSERT_TRUE(json.open(QIODevice::ReadOnly)) << json.fileName().toStdString();
    QJsonParseError parseError;
    const QJsonObject expected = QJsonDocument::fromJson(json.readAll(), &parseError).object();
    ASSERT_EQ(parseError.error, QJsonParseError::NoError);
    ASSERT_GE(expected.size(), 7);

    TouchstoneIO io;
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        const QString name = it.key();
        const QJsonObject file = it.value().toObject();
        const auto data = io.read(testDataDir + "/" + name);
        ASSERT_TRUE(data.has_value()) << name.toStdString();
        EXPECT_EQ(TouchstoneIO::portCountFromSuffix(QFileInfo(name)), static_cast<uint>(file["ports"].toInt()));
        ASSERT_EQ(data->records.size(), static_cast<std::size_t>(file["points"].toInt())) << name.toStdString();
        EXPECT_DOUBLE_EQ(data->R, 50.0) << name.toStdString();
        expectRecord(data->records.front(), file["first"].toObject(), name + " first");
        expectRecord(data->records.back(), file["last"].toObject(), name + " last");
        for (const auto& record : data->records)
            ASSERT_EQ(record.N, static_cast<std::size_t>(file["ports"].toInt())) << name.toStdString();
    }
}

TEST(TouchstoneInterop, OptionLineWithoutRReadsAsFiftyOhm)
{
    const auto data = TouchstoneIO().read(testDataDir + "/hfss_oneport.s1p");
    ASSERT_TRUE(data.has_value());
    EXPECT_EQ(data->format, TouchstoneData::MA);
    EXPECT_EQ(data->unit, TouchstoneData::GHZ);
    EXPECT_DOUBLE_EQ(data->R, 50.0);
}
