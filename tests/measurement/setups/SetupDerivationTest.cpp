#include "measurement/setups/NoltAlgorithmsSetup.h"
#include "measurement/steps/DutStep.h"
#include "measurement/steps/ReflectionStep.h"
#include "measurement/steps/TransmissionStep.h"
#include "tests/measurement/steps/StepSession.h"

#include <QPointer>

#include <functional>

using MeasureEnums::CorrectionMethod;

namespace {

// What a setup shows: its steps as "T" (thru), "R" (reflect) and "D" (DUT) with the
// fixtures they work on, and its flags as "thru aa bb dut".
QString describeSteps(const NoltAlgorithmsSetup& setup)
{
    QStringList steps;
    for (const auto& step : setup.steps().rows()) {
        if (auto* thru = qobject_cast<TransmissionStep*>(step.get())) {
            auto* connection = static_cast<ConnectionTransmisson*>(thru->connection());
            steps << "T " + connection->left()->fixture()->name() + "-" + connection->right()->fixture()->name();
        } else if (auto* reflect = qobject_cast<ReflectionStep*>(step.get())) {
            steps << "R " + static_cast<ConnectionReflect*>(reflect->connection())->fixt()->fixture()->name();
        } else if (auto* dut = qobject_cast<DutStep*>(step.get())) {
            steps << QStringLiteral("D%1").arg(dut->measurers().size());
        }
    }
    return steps.join(", ");
}

QString describeFlags(const NoltAlgorithmsSetup& setup)
{
    return QStringLiteral("%1 %2 %3 %4")
        .arg(setup.abThruConnectionEnabled())
        .arg(setup.aaConnectionEnabled())
        .arg(setup.bbConnectionEnabled())
        .arg(setup.abDutConnectionEnabled());
}

class SetupDerivation : public StepSession
{
protected:
    std::unique_ptr<NoltAlgorithmsSetup> newSetup()
    {
        return std::make_unique<NoltAlgorithmsSetup>(device.get(), &worker, &progress, &params);
    }
};

} // namespace

TEST_F(SetupDerivation, FlagSequencesGiveTheirSteps)
{
    struct Row
    {
        const char* action;
        std::function<void(NoltAlgorithmsSetup&)> change;
        QString steps;
        QString flags;
    };
    const std::vector<Row> table{
        {"new setup", [](NoltAlgorithmsSetup&) {}, "T A-B", "1 0 0 0"},
        {"A with A Aux", [](NoltAlgorithmsSetup& s) { s.setAaConnectionEnabled(true); }, "T A-A Aux, R B", "0 1 0 0"},
        {"B with B Aux", [](NoltAlgorithmsSetup& s) { s.setBbConnectionEnabled(true); }, "T A-A Aux, T B-B Aux",
         "0 1 1 0"},
        {"DUT", [](NoltAlgorithmsSetup& s) { s.setAbDutConnectionEnabled(true); }, "T A-A Aux, T B-B Aux, D2",
         "0 1 1 1"},
        {"A to B thru again", [](NoltAlgorithmsSetup& s) { s.setAbThruConnectionEnabled(true); }, "T A-B, D2",
         "1 0 0 1"},
        {"right fixture off", [](NoltAlgorithmsSetup& s) { s.setRightFixtureEnabled(false); }, "R A, D1", "0 0 0 1"},
        {"bisection", [](NoltAlgorithmsSetup& s) { s.setCorrectionMethod(CorrectionMethod::BISECT); }, "R A",
         "0 0 0 0"},
        {"time gating again", [](NoltAlgorithmsSetup& s) { s.setCorrectionMethod(CorrectionMethod::TIME_GATING); },
         "R A", "0 0 0 0"},
        {"DUT on one fixture", [](NoltAlgorithmsSetup& s) { s.setAbDutConnectionEnabled(true); }, "R A, D1",
         "0 0 0 1"},
        {"both fixtures off", [](NoltAlgorithmsSetup& s) { s.setLeftFixtureEnabled(false); }, "", "0 0 0 0"},
        {"both back", [](NoltAlgorithmsSetup& s) {
             s.setLeftFixtureEnabled(true);
             s.setRightFixtureEnabled(true);
         },
         "T A-B", "1 0 0 0"},
        {"B with two ports", [](NoltAlgorithmsSetup& s) { s.rightFixtureConn()->fixture()->setPortsCount(2); },
         "R A, R B", "0 0 0 0"},
    };
    auto setup = newSetup();
    // Each step owns its connection: replaced steps take theirs along.
    const QPointer<QObject> firstConnection = setup->steps().at(0)->connectionObject();
    for (const Row& row : table) {
        row.change(*setup);
        EXPECT_EQ(describeSteps(*setup), row.steps) << row.action;
        EXPECT_EQ(describeFlags(*setup), row.flags) << row.action;
    }
    EXPECT_EQ(setup->rightFixtureAuxConn()->fixture()->portsCount(), 2u);
    for (int pass = 0; pass < 3; ++pass)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(firstConnection.isNull());
    EXPECT_EQ(setup->selectedPortsCount(), 3u);
}

TEST_F(SetupDerivation, PortsAreAssignedFromWhatTheAnalyzerHas)
{
    struct Row
    {
        int analyzerPorts;
        uint fixturePorts;
        std::vector<uint> a, b, aAux, bAux;
    };
    const std::vector<Row> table{
        {1, 1, {0}, {0}, {0}, {0}},
        {2, 1, {0}, {1}, {1}, {0}},
        {4, 1, {0}, {1}, {1}, {0}},
        {4, 2, {0, 1}, {2, 3}, {2, 3}, {0, 1}},
    };
    for (const Row& row : table) {
        // A fresh link, as after a reconnect: the last count's impedances are not asked for.
        simulator.setPortCount(row.analyzerPorts);
        device = std::make_unique<SyncedVnaDevice>(nullptr, ConnectLimit);
        device->setPort(simulator.port());
        auto setup = newSetup();
        setup->leftFixtureConn()->fixture()->setPortsCount(row.fixturePorts);
        setup->rightFixtureConn()->fixture()->setPortsCount(row.fixturePorts);
        // The count the analyzer reports later assigns anew.
        ASSERT_TRUE(refresh());
        QCoreApplication::processEvents();
        EXPECT_EQ(setup->leftFixtureConn()->attachedPorts().rows(), row.a) << row.analyzerPorts;
        EXPECT_EQ(setup->rightFixtureConn()->attachedPorts().rows(), row.b) << row.analyzerPorts;
        EXPECT_EQ(setup->leftFixtureAuxConn()->attachedPorts().rows(), row.aAux) << row.analyzerPorts;
        EXPECT_EQ(setup->rightFixtureAuxConn()->attachedPorts().rows(), row.bAux) << row.analyzerPorts;
    }
}

TEST_F(SetupDerivation, LowPassSweepsAreHarmonicAndRefusedBelowTwoPoints)
{
    auto setup = newSetup();
    EXPECT_TRUE(setup->isLowPassMode());

    simulator.changeModel([](Simulator::AnalyzerModel& model) { model.maxFrequency = 8.505e9; });
    ASSERT_TRUE(refresh());
    setup->set10MhzLowPassMode();
    ASSERT_TRUE(refresh());
    EXPECT_EQ(device->pointsCount(), 850u);
    EXPECT_EQ(device->startFreq(), 10e6);
    EXPECT_EQ(device->stopFreq(), 8.5e9);
    EXPECT_NEAR(*device->stepFreq(), 10e6, 1e-3);
    EXPECT_TRUE(setup->isLowPassMode());

    QSignalSpy errorSpy(setup.get(), &NoltAlgorithmsSetup::error);
    simulator.changeModel([](Simulator::AnalyzerModel& model) {
        model.maxFrequency = 15e6;
        model.channel(1).stopFrequency = 15e6;
    });
    ASSERT_TRUE(refresh());
    simulator.clearLog();
    setup->set10MhzLowPassMode();
    ASSERT_TRUE(refresh());
    EXPECT_EQ(errorSpy.count(), 1);
    EXPECT_FALSE(allLines().join(" ").contains("POINts "));
}

TEST_F(SetupDerivation, ErrorsOfFixturePortsAddedLaterReachTheSetup)
{
    auto setup = newSetup();
    QSignalSpy errorSpy(setup.get(), &NoltAlgorithmsSetup::error);
    setup->leftFixtureConn()->fixture()->setPortsCount(2);
    emit setup->leftFixtureConn()->getFixturePort(1)->measureData()->error("late row");
    EXPECT_EQ(errorSpy.count(), 1);
}

TEST_F(SetupDerivation, UsedPortsFollowThePortCountOfAFixture)
{
    auto setup = newSetup();
    setup->setRightFixtureEnabled(false);
    setup->leftFixtureConn()->fixture()->setPortsCount(2);
    EXPECT_EQ(setup->usedPorts()->rows(), (std::vector<uint>{0, 1}));
    setup->leftFixtureConn()->fixture()->setPortsCount(0);
    EXPECT_TRUE(setup->usedPorts()->rows().empty());
}

TEST_F(SetupDerivation, ADroppedLinkKeepsTheUsersCabling)
{
    auto setup = newSetup();
    setup->leftFixtureConn()->setAttachedVnaPort(0, 1);
    setup->rightFixtureConn()->setAttachedVnaPort(0, 0);
    const quint16 port = simulator.port();
    simulator.close();
    // The first refresh may still find the closing link and only lose its reply.
    for (int attempt = 0; attempt < 3; ++attempt)
        refresh();
    QCoreApplication::processEvents();
    ASSERT_FALSE(device->portsCount().has_value());
    ASSERT_TRUE(simulator.listen(port));
    ASSERT_TRUE(refresh());
    QCoreApplication::processEvents();
    EXPECT_EQ(setup->leftFixtureConn()->attachedPorts().rows(), std::vector<uint>{1});
    EXPECT_EQ(setup->rightFixtureConn()->attachedPorts().rows(), std::vector<uint>{0});
}
