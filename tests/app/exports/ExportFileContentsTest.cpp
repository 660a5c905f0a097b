#include "analyzer/files/TouchstoneIO.h"
#include "measurement/steps/DutStep.h"
#include "measurement/steps/ReflectionStep.h"
#include "measurement/steps/TransmissionStep.h"
#include "simulator/physics/ExampleFixtures.h"
#include "simulator/physics/FrequencyGrid.h"
#include "simulator/physics/Standards.h"
#include "tests/app/support/BackendSession.h"

#include <QRegularExpression>

#include <cmath>
#include <complex>

using Simulator::FixtureWorld;
using namespace Simulator::Physics;

namespace {

// The files of the export operations, read as a user's tool would read them,
// after measurements of the simulator's example fixtures.
class ExportFileContents : public BackendSession
{
protected:
    void SetUp() override
    {
        BackendSession::SetUp();
        startBackend();
        ASSERT_TRUE(waitForAssignedPorts(2));
        const SyncedVnaDevice* device = backend->getVnaDevice();
        ASSERT_TRUE(waitFor([device] { return device->isReady() && device->stepFreq(); }));
    }

    template <typename StepType>
    StepType* step(int row) const
    {
        return qobject_cast<StepType*>(setup(0)->steps().at(row).get());
    }

    void measure(FixtureWorld::Arrangement standard, const std::function<bool()>& measurement)
    {
        simulator.setWorld(standard);
        ASSERT_TRUE(measurement());
        ASSERT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
    }

    QString path(const QString& name) const { return workingDirectory.filePath(name); }

    // The session's harmonic sweep.
    static std::vector<double> grid() { return lowPassGrid(50e6, 200); }

    // Checks the four head lines of a column file and gives its rows as numbers.
    static std::vector<std::vector<double>> table(const QString& file, const QString& header, const QString& comment)
    {
        QFile text(file);
        EXPECT_TRUE(text.open(QIODevice::ReadOnly)) << file.toStdString();
        QStringList lines = QString::fromUtf8(text.readAll()).split('\n');
        EXPECT_EQ(lines.value(0), header);
        EXPECT_EQ(lines.value(1), "! VARNEL");
        EXPECT_TRUE(QRegularExpression("^! Date: \\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d$").match(lines.value(2)).hasMatch())
            << lines.value(2).toStdString();
        EXPECT_EQ(lines.value(3), comment);
        EXPECT_EQ(lines.takeLast(), "") << "the last row ends its line";
        std::vector<std::vector<double>> rows;
        for (const QString& line : lines.mid(4)) {
            EXPECT_TRUE(line.endsWith('\t')) << line.toStdString();
            std::vector<double> row;
            for (const QString& cell : line.split('\t', Qt::SkipEmptyParts)) {
                bool ok = false;
                row.push_back(cell.toDouble(&ok));
                EXPECT_TRUE(ok && std::isfinite(row.back())) << line.toStdString();
            }
            rows.push_back(row);
        }
        return rows;
    }

    // Every row has `columns` numbers and the first column, the time, rises.
    static void expectColumns(const std::vector<std::vector<double>>& rows, std::size_t columns, const char* name)
    {
        ASSERT_GT(rows.size(), 10u) << name;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            ASSERT_EQ(rows[i].size(), columns) << name << " row " << i;
            if (i > 0) {
                ASSERT_GT(rows[i][0], rows[i - 1][0]) << name << " row " << i;
            }
        }
    }

    // The Touchstone file's entry (i, j) at every point, after its option line was checked.
    static std::vector<std::complex<double>> entry(const QString& file, std::size_t ports, std::size_t i, std::size_t j)
    {
        QFile text(file);
        EXPECT_TRUE(text.open(QIODevice::ReadOnly)) << file.toStdString();
        EXPECT_EQ(QString::fromLatin1(text.readAll()).split('\n').value(2), "# Hz S RI R  50") << file.toStdString();
        const std::optional<TouchstoneData> data = TouchstoneIO().read(file);
        std::vector<std::complex<double>> values;
        if (!data || data->records.size() != grid().size())
            return values;
        for (std::size_t k = 0; k < data->records.size(); ++k) {
            const TouchstoneRecord& record = data->records[k];
            EXPECT_EQ(record.N, ports);
            EXPECT_DOUBLE_EQ(record.frequency, grid()[k]);
            values.push_back(record.values.at(i * ports + j));
        }
        return values;
    }

    static void expectClose(const std::vector<std::complex<double>>& written,
                            const std::vector<std::complex<double>>& truth, const char* name)
    {
        ASSERT_EQ(written.size(), truth.size()) << name;
        for (std::size_t k = 0; k < truth.size(); ++k)
            ASSERT_NEAR(std::abs(written[k] - truth[k]), 0.0, 1e-6) << name << " point " << k;
    }

    // The delay of a transmission from its phase slope over the lower half of the band.
    static double delayOf(const std::vector<std::complex<double>>& transmission)
    {
        double turned = 0.0;
        const std::size_t half = transmission.size() / 2;
        for (std::size_t k = 1; k < half; ++k)
            turned += std::arg(transmission[k] / transmission[k - 1]);
        return -turned / (2.0 * M_PI * (grid()[half - 1] - grid()[0]));
    }
};

} // namespace

TEST_F(ExportFileContents, AReflectSetupWritesItsStandardsTheDutAndOneFixturesTables)
{
    setup(0)->setRightFixtureEnabled(false);
    setup(0)->setAbDutConnectionEnabled(true);
    ASSERT_EQ(setup(0)->steps().size(), 2);
    ReflectionStep* reflect = step<ReflectionStep>(0);
    DutStep* dut = step<DutStep>(1);
    ASSERT_TRUE(reflect && dut);

    measure(FixtureWorld::Arrangement::Open, [reflect] { return reflect->measureOpenFromVna(); });
    ASSERT_TRUE(backend->saveRawDataFilesNow(path("open-only")));
    EXPECT_EQ(QDir(workingDirectory.path()).entryList({"open-only*"}), QStringList{"open-only_OpenRawData_Step1.s1p"});

    reflect->setShortMeasurementEnable(true);
    measure(FixtureWorld::Arrangement::Short, [reflect] { return reflect->measureShortFromVna(); });
    measure(FixtureWorld::Arrangement::Dut, [dut] { return dut->measureFromVna(); });
    ASSERT_EQ(dut->measureStatus(), MeasureEnums::MeasureStatus::MEASURED);
    ASSERT_TRUE(backend->saveTestModeFilesNow(path("bench"))) << errors.join("; ").toStdString();

    // The analyzer's port 1 saw each standard behind the left half.
    expectClose(entry(path("bench_OpenRawData_Step1.s1p"), 1, 0, 0), openStandard(exampleLeftHalf(), grid()).s11(),
                "open");
    expectClose(entry(path("bench_ShortRawData_Step1.s1p"), 1, 0, 0), shortStandard(exampleLeftHalf(), grid()).s11(),
                "short");
    expectClose(entry(path("bench_DutRawData_Step2.s1p"), 1, 0, 0),
                dutInFixture(exampleLeftHalf(), exampleDut(), exampleRightHalf(), grid()).s11(), "DUT");

    expectColumns(table(path("bench_ImpulseResponse.txt"), "# Reflect Length s RI", "! tA LA"), 3, "impulse");
    const auto profile = table(path("bench_StepResponse.txt"), "# Reflect Impedance s Ohm", "! tA ZA");
    expectColumns(profile, 2, "step");
    expectColumns(table(path("bench_Gating.txt"), "# Reflect Gating s RI", "! tA LA"), 3, "gating");
    // The half's S-parameters: its own delay from analyzer side to DUT side.
    const auto half = entry(path("bench_SParametersA.s2p"), 2, 1, 0);
    ASSERT_FALSE(half.empty());
    EXPECT_NEAR(delayOf(half), exampleLeftHalf().totalDelay(), 2e-12);
    EXPECT_FALSE(QFile::exists(path("bench_SParametersB.s2p")));
}

TEST_F(ExportFileContents, AThruSetupWritesTheThruAndBothFixturesTablesSideBySide)
{
    TransmissionStep* thru = step<TransmissionStep>(0);
    ASSERT_NE(thru, nullptr);
    measure(FixtureWorld::Arrangement::Thru, [thru] { return thru->measureFromVna(); });
    messages.clear();
    ASSERT_TRUE(backend->saveTestModeFilesNow(path("bench"))) << errors.join("; ").toStdString();
    // One save, one outcome, the raw data included.
    EXPECT_EQ(messages, QStringList{"Save test mode parameters was performed: " + path("bench")});

    const auto joined = twoXThru(exampleLeftHalf(), exampleRightHalf(), grid());
    expectClose(entry(path("bench_Transmission_Step1.s2p"), 2, 1, 0), joined.s21(), "thru S21");
    expectClose(entry(path("bench_Transmission_Step1.s2p"), 2, 1, 1), joined.s22(), "thru S22");

    expectColumns(table(path("bench_ImpulseResponse.txt"), "# Transmission Length s RI s RI", "! tA LA tB LB"), 6,
                  "impulse");
    expectColumns(table(path("bench_StepResponse.txt"), "# Transmission Impedance s Ohm s Ohm", "! tA ZA tB ZB"), 4,
                  "step");
    expectColumns(table(path("bench_Gating.txt"), "# Transmission Gating s RI s RI", "! tA LA tB LB"), 6, "gating");
    // The halves share the 2x-thru's delay between them.
    const auto left = entry(path("bench_SParametersA.s2p"), 2, 1, 0);
    const auto right = entry(path("bench_SParametersB.s2p"), 2, 1, 0);
    ASSERT_FALSE(left.empty() || right.empty());
    EXPECT_NEAR(delayOf(left) + delayOf(right), exampleLeftHalf().totalDelay() + exampleRightHalf().totalDelay(),
                5e-12);
}
