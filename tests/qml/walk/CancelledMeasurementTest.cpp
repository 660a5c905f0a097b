#include "measurement/fixtures/VNAFixtureConnection.h"
#include "measurement/setups/FixtureSetups.h"
#include "measurement/setups/NoltAlgorithmsSetup.h"
#include "measurement/steps/ReflectionStep.h"
#include "measurement/steps/TransmissionStep.h"
#include "simulator/physics/ExampleFixtures.h"
#include "tests/qml/walk/WalkSession.h"

#include <QAbstractItemModel>
#include <QTimer>

#include <memory>

namespace {

using MeasureEnums::MeasureStatus;

class CancelledMeasurementTest : public WalkSession
{
protected:
    // The notifications as "type: text", newest first.
    QStringList notifications() const
    {
        auto* model = window->findChild<QAbstractItemModel*>(QStringLiteral("notificationModel"));
        const int textRole = model->roleNames().key("text");
        const int typeRole = model->roleNames().key("type");
        QStringList rows;
        for (int row = 0; row < model->rowCount(); ++row) {
            const QString text = model->index(row, 0).data(textRole).toString();
            rows << model->index(row, 0).data(typeRole).toString() + ": " + text.mid(text.indexOf(": ") + 2);
        }
        return rows;
    }

    NoltAlgorithmsSetup* setup() const { return backend->getFixtureSetups()->setup(0); }
    QmlFixturePort* leftPort() const { return setup()->leftFixtureConn()->getFixturePort(0)->measureData(); }

    // Presses the measure button, then Cancel on the busy page once the analyzer sweeps,
    // and waits until the wizard is back; false when the busy page did not offer Cancel.
    // The sweep is long enough for the click on a loaded machine and ends with the abort.
    bool measureAndCancelDuringTheSweep(const QString& measureButton)
    {
        simulator.setSweepTimeMs(5000);
        bool cancelShown = false;
        QObject context;
        auto once = std::make_shared<QMetaObject::Connection>();
        *once = QObject::connect(&simulator, &Simulator::AnalyzerSimulator::sweepStarted, &context, [&, once] {
            QObject::disconnect(*once);
            QTimer::singleShot(0, &context, [&] {
                cancelShown = visible(QStringLiteral("cancelMeasurement")) != nullptr;
                if (cancelShown)
                    photograph(QStringLiteral("busy-cancel"));
                pressVisible(QStringLiteral("cancelMeasurement"));
            });
        });
        pressVisible(measureButton);
        EXPECT_TRUE(
            waitForWork([&] { return property(QStringLiteral("mainLayout"), "currentIndex").toInt() == 0; }));
        simulator.setSweepTimeMs(0);
        return cancelShown;
    }

    // Told as a cancel, with no error, and the step still complete.
    void expectToldAsACancel()
    {
        const QStringList told = notifications();
        EXPECT_TRUE(told.contains("message: Measurement cancelled")) << told.join("; ").toStdString();
        EXPECT_TRUE(told.filter("error: ").isEmpty()) << told.join("; ").toStdString();
        EXPECT_TRUE(waitFor([&] { return visible(QStringLiteral("stepStatus"))->property("text") == "Step is complete"; }));
    }
};

} // namespace

// Cancel on the busy page while the analyzer sweeps for a thru measured before: the
// cancel is told as such, and the earlier halves stay, measured.
TEST_F(CancelledMeasurementTest, ACancelledRemeasurementIsToldAsACancelAndKeepsTheEarlierThru)
{
    ASSERT_TRUE(reachWizard());
    pressVisible(QStringLiteral("stepperElement4"));
    auto* thru = qobject_cast<TransmissionStep*>(setup()->steps().at(0).get());
    ASSERT_NE(thru, nullptr);
    pressVisible(QStringLiteral("thruMeasure"));
    ASSERT_TRUE(waitForWork([&] { return thru->thruMeasured() == MeasureStatus::MEASURED; }))
        << notifications().join("; ").toStdString();
    const std::optional<double> length = leftPort()->fixtureLength();
    ASSERT_TRUE(length);

    EXPECT_TRUE(measureAndCancelDuringTheSweep(QStringLiteral("thruMeasure")));
    expectToldAsACancel();
    EXPECT_EQ(thru->thruMeasured(), MeasureStatus::MEASURED);
    EXPECT_EQ(leftPort()->fixtureLength(), length);
}

// The same for the open of a fixture characterised by its reflection alone.
TEST_F(CancelledMeasurementTest, ACancelledOpenIsToldAsACancelAndKeepsTheEarlierOpen)
{
    ASSERT_TRUE(reachWizard());
    pressVisible(QStringLiteral("stepperElement4"));
    setup()->setRightFixtureEnabled(false);
    ReflectionStep* reflect = nullptr;
    ASSERT_TRUE(waitFor([&] {
        reflect = qobject_cast<ReflectionStep*>(setup()->steps().at(0).get());
        return reflect != nullptr;
    }));
    const Simulator::Physics::LineCascade half({{50.0, 1e-9, 0.05}});
    simulator.setFixture(half, half, Simulator::Physics::exampleDut());
    simulator.setWorld(Simulator::FixtureWorld::Arrangement::Open);
    pressVisible(QStringLiteral("openMeasure"));
    ASSERT_TRUE(waitForWork([&] { return reflect->calculated() == MeasureStatus::MEASURED; }))
        << notifications().join("; ").toStdString();
    const std::optional<double> length = leftPort()->fixtureLength();
    ASSERT_TRUE(length);

    EXPECT_TRUE(measureAndCancelDuringTheSweep(QStringLiteral("openMeasure")));
    expectToldAsACancel();
    EXPECT_EQ(reflect->openMeasured(), MeasureStatus::MEASURED);
    EXPECT_EQ(reflect->calculated(), MeasureStatus::MEASURED);
    EXPECT_EQ(leftPort()->fixtureLength(), length);
}
