#include "analyzer/files/TouchstoneIO.h"
#include "analyzer/files/VnaStateIO.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <string_view>

// Random and mutated files through the Touchstone reader and the state-file section reader,
// for a bounded time: no crash, no sanitizer report, and every value that comes back is sound.
namespace {

constexpr qint64 budgetMs = 2000;

using namespace std::string_view_literals;

const std::string_view fragments[] = {
    " ", "\t", "\n", "\r\n", "\r", "!", "#", "[", "]", "=", ";", "\xEF\xBB\xBF", "\0"sv,
    " nan ", " inf ", " -inf ", " 1e999 ", " 1e-400 ", " 0x10 ", " 1,5 ", " 99999999999999999999999 ", " -0 ",
    " . ", " e ", " R ", " R 50 ", " R 0 ", " R 1e308 ", " DB ", " MA ", " RI ", " HZ ", " KHZ ", " MHZ ",
    " GHZ ", " S ", " Z ", "# GHz S RI R 50\n", "# Hz DB\n", "1 0.5 90 1 0 1 0 0.5 -90\n", " 1.0e9 ", " 12 ",
    "[Number of Ports] 2\n", "[NOLT\\Settings]\n", "[ Dup_ ]\n", "Key=", "Key=a=b\n", "\xff\xfe", "\xc3",
};

std::mt19937& generator()
{
    static std::mt19937 random([] {
        const char* seed = std::getenv("NOLT_FUZZ_SEED");
        return seed ? static_cast<std::mt19937::result_type>(std::strtoul(seed, nullptr, 10)) : 20240607u;
    }());
    return random;
}

int uniform(int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(generator());
}

QByteArray fragment()
{
    const std::string_view chosen = fragments[uniform(0, static_cast<int>(std::size(fragments)) - 1)];
    return QByteArray(chosen.data(), static_cast<int>(chosen.size()));
}

QByteArray randomBytes(int length)
{
    QByteArray bytes;
    for (int i = 0; i < length; ++i)
        bytes += uniform(0, 3) == 0 ? fragment() : QByteArray(1, static_cast<char>(uniform(0, 255)));
    return bytes;
}

QByteArray mutate(QByteArray bytes)
{
    const int steps = uniform(1, 8);
    for (int step = 0; step < steps; ++step) {
        const int size = bytes.size();
        const int at = uniform(0, size);
        switch (uniform(0, 5)) {
        case 0:
            if (size > 0)
                bytes[std::min(at, size - 1)] = static_cast<char>(uniform(0, 255));
            break;
        case 1:
            bytes.insert(at, fragment());
            break;
        case 2:
            bytes.remove(at, uniform(0, 64));
            break;
        case 3:
            bytes.insert(at, bytes.mid(uniform(0, size), uniform(0, 256)));
            break;
        case 4:
            bytes.truncate(at);
            break;
        default:
            bytes.insert(at, randomBytes(uniform(1, 16)));
            break;
        }
    }
    return bytes;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QList<QByteArray> touchstoneSeeds(const QTemporaryDir& dir)
{
    QList<QByteArray> seeds;
    const QDir testData(QStringLiteral(NOLT_TESTDATA_DIR "/touchstone"));
    for (const QString& name : testData.entryList({"*.s?p"}, QDir::Files)) {
        QFile file(testData.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            seeds.append(file.readAll().left(4000));
    }
    // Files of this writer, 1 to 4 ports.
    TouchstoneIO io;
    for (int ports = 1; ports <= 4; ++ports) {
        TouchstoneData data;
        data.portCount = ports;
        for (int point = 1; point <= 3; ++point) {
            TouchstoneRecord record{point * 1e9, {}, static_cast<std::size_t>(ports)};
            for (int k = 0; k < ports * ports; ++k)
                record.values.emplace_back(0.1 * k, -0.01 * point);
            data.records.push_back(record);
        }
        const QString base = dir.filePath("seed");
        if (io.write(base, data)) {
            QFile file(base + ".s" + QString::number(ports) + "p");
            if (file.open(QIODevice::ReadOnly))
                seeds.append(file.readAll());
        }
    }
    return seeds;
}

void expectSound(const TouchstoneData& data, uint ports)
{
    EXPECT_EQ(data.portCount, 0);
    EXPECT_TRUE(data.R == 0.0 || (data.R >= 0.001 && data.R <= 1000.0)) << data.R;
    for (const auto& record : data.records) {
        ASSERT_EQ(record.N, ports);
        ASSERT_EQ(record.values.size(), record.N * record.N);
        EXPECT_TRUE(std::isfinite(record.frequency));
        for (const auto& value : record.values)
            EXPECT_TRUE(std::isfinite(value.real()) && std::isfinite(value.imag()));
    }
}

} // namespace

TEST(FileReaderFuzz, TouchstoneReaderSurvivesRandomAndMutatedFiles)
{
    QTemporaryDir dir;
    const QList<QByteArray> seeds = touchstoneSeeds(dir);
    ASSERT_GE(seeds.size(), 8);
    const QString suffixes[] = {"s1p", "s2p", "s3p", "s4p", "s9p", "s0p", "txt"};
    TouchstoneIO io;
    QElapsedTimer timer;
    timer.start();
    int runs = 0;
    int readable = 0;
    while (timer.elapsed() < budgetMs) {
        const QByteArray input = uniform(0, 4) == 0 ? randomBytes(uniform(0, 400))
                                                    : mutate(seeds[uniform(0, seeds.size() - 1)]);
        const QString suffix = suffixes[uniform(0, static_cast<int>(std::size(suffixes)) - 1)];
        const QString path = dir.filePath("fuzz." + suffix);
        ASSERT_TRUE(writeFile(path, input));
        const auto data = io.read(path);
        ++runs;
        if (data) {
            ++readable;
            expectSound(*data, *TouchstoneIO::portCountFromSuffix(QFileInfo(path)));
        }
        if (::testing::Test::HasFailure()) {
            ADD_FAILURE() << "input: " << input.toHex().constData() << " as " << suffix.toStdString();
            return;
        }
    }
    RecordProperty("runs", runs);
    // Mutations keep many files readable, so the reader's deeper paths were reached too.
    EXPECT_GT(readable, 0);
    EXPECT_LT(readable, runs);
}

TEST(FileReaderFuzz, SectionReaderSurvivesRandomAndMutatedFiles)
{
    const QString sections[] = {"NOLT\\Settings", "nolt\\settings", "Dup", "", "NOLT\\SetupsInfo", "a b"};
    const QString keys[] = {"Key", "SetupCount", "", "=", "key"};
    QTemporaryDir dir;
    const QString path = dir.filePath("fuzz.sta");
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < budgetMs) {
        QByteArray content;
        const int lines = uniform(0, 30);
        for (int line = 0; line < lines; ++line) {
            switch (uniform(0, 4)) {
            case 0:
                content += "[" + sections[uniform(0, 5)].toUtf8() + "]\n";
                break;
            case 1:
                content += keys[uniform(0, 4)].toUtf8() + "=" + randomBytes(uniform(0, 6)) + "\n";
                break;
            case 2:
                content += fragment();
                break;
            default:
                content += randomBytes(uniform(0, 40)) + "\n";
                break;
            }
        }
        content = mutate(content);
        const QByteArray probe = QByteArray::number(uniform(0, 1000000));
        ASSERT_TRUE(writeFile(path, content + "\n[Fuzz Probe]\nProbe=" + probe + "\n"));

        VnaStateIO state(path, nullptr);
        ASSERT_TRUE(state.open(QIODevice::ReadOnly));
        for (int lookup = 0; lookup < 4; ++lookup) {
            const auto value = state.readValue(sections[uniform(0, 5)], keys[uniform(0, 4)]);
            if (value) {
                EXPECT_FALSE(value->contains('\n'));
            }
        }
        EXPECT_EQ(state.readValue("fuzzprobe", "Probe"), QString::fromUtf8(probe));
        EXPECT_FALSE(state.writeValue("Key", "1"));
        if (::testing::Test::HasFailure()) {
            ADD_FAILURE() << "input: " << content.toHex().constData();
            return;
        }
    }
}
