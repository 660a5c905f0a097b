#include "analyzer/files/TouchstoneIO.h"
#include "analyzer/source/MeasurementSource.h"
#include "analyzer/threading/WaitForResult.h"
#include "analyzer/threading/WorkerThread.h"
#include "tests/analyzer/device/support/FacadeSession.h"

#include <QTemporaryDir>

#include <cmath>

using Simulator::AnalyzerModel;

namespace {

using Values = MeasurementSource::Values;

// A 2-port on 1..2 GHz whose four S-parameters all differ, S21 from S12 too, so that
// any mix-up of receiving and driven port shows.
TouchstoneData lineWorld()
{
    TouchstoneData data;
    data.portCount = 2;
    data.R = 50;
    for (int k = 0; k < 11; ++k) {
        const double f = 1e9 + k * 1e8;
        const std::complex<double> delay = std::polar(0.9, -2 * M_PI * f * 0.35e-9);
        data.records.push_back({f, {{0.1, 0.02 * k}, 0.5 * delay, delay, {-0.2, 0.01 * k}}, 2});
    }
    return data;
}

void expectNear(const Values& actual, const Values& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t k = 0; k < actual.size(); ++k)
        EXPECT_LT(std::abs(actual[k] - expected[k]), 1e-12) << "point " << k;
}

class MeasurementSourceAnalyzerTest : public FacadeSession
{
protected:
    void SetUp() override
    {
        FacadeSession::SetUp();
        filePath = dir.filePath("world.s2p");
        ASSERT_TRUE(TouchstoneIO().write(filePath, lineWorld()));
        ASSERT_TRUE(simulator.setTouchstoneWorld(filePath));
        simulator.changeModel([](AnalyzerModel& model) {
            model.channel(1).startFrequency = 1e9;
            model.channel(1).stopFrequency = 2e9;
            model.channel(1).points = 11;
        });
        ASSERT_TRUE(refresh());
        ASSERT_TRUE(refresh());
    }

    QTemporaryDir dir;
    QString filePath;
};

} // namespace

TEST_F(MeasurementSourceAnalyzerTest, AnalyzerAndFileGiveTheSameDataForTheSameWorld)
{
    const MeasurementSource file(filePath);
    const MeasurementSource analyzer(device.get());
    const std::vector<MeasurementSource::PortPair> pairs{{0, 0}, {1, 0}, {0, 1}, {1, 1}};

    // The measurers call the source from the backend worker, never from the device worker.
    WorkerThread backend;
    struct Read
    {
        std::optional<std::vector<double>> frequencies;
        std::optional<std::vector<Values>> sParameters;
        std::optional<Values> s22;
        std::optional<double> impedance;
    };
    const Read fromAnalyzer = waitForResult<Read>([&](std::function<void(Read)> deliver) {
        backend.post([&, deliver] {
            deliver({analyzer.frequencies(), analyzer.sParameters(pairs), analyzer.sParameter(1, 1),
                     analyzer.portImpedance(1)});
        });
    });

    ASSERT_TRUE(fromAnalyzer.frequencies.has_value());
    ASSERT_TRUE(file.frequencies().has_value());
    ASSERT_EQ(fromAnalyzer.frequencies->size(), 11u);
    for (std::size_t k = 0; k < 11; ++k)
        EXPECT_NEAR((*fromAnalyzer.frequencies)[k], (*file.frequencies())[k], 1e-3);

    const auto fromFile = file.sParameters(pairs);
    ASSERT_TRUE(fromAnalyzer.sParameters.has_value());
    ASSERT_TRUE(fromFile.has_value());
    for (std::size_t p = 0; p < pairs.size(); ++p)
        expectNear((*fromAnalyzer.sParameters)[p], (*fromFile)[p]);
    ASSERT_TRUE(fromAnalyzer.s22.has_value());
    expectNear(*fromAnalyzer.s22, *file.sParameter(1, 1));
    EXPECT_EQ(fromAnalyzer.impedance, file.portImpedance(1));
}
