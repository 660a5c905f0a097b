#include "measurement/steps/TransmissionStep.h"
#include "tests/app/support/BackendSession.h"

#include <QTimer>


namespace {

class TemporarySetup : public BackendSession
{
protected:
    void SetUp() override
    {
        BackendSession::SetUp();
        simulator.setPortCount(4);
        useTemporarySetup();
    }

    int recalls() const { return messages.filter("Recall setup was performed").size(); }
};

} // namespace

TEST_F(TemporarySetup, ANewRunRestoresTheSetupOfTheLastOneWhenThePortCountArrives)
{
    startBackend();
    // No file yet: the recall on the first port count fails, after the setups took their ports.
    ASSERT_TRUE(waitFor([this] { return !errors.isEmpty(); }));
    EXPECT_EQ(errors, QStringList{"Cannot recall state file: " + *backend->temporarySetupPath()});
    errors.clear();
    setup(0)->leftFixtureConn()->fixture()->setPortsCount(2);
    setup(0)->rightFixtureConn()->fixture()->setPortsCount(2);
    ASSERT_TRUE(setup(0)->leftFixtureConn()->setAttachedVnaPort(0, 3));
    ASSERT_TRUE(setup(0)->rightFixtureConn()->setAttachedVnaPort(1, 2));
    setup(0)->setAbDutConnectionEnabled(true);
    backend.reset();

    startBackend();
    ASSERT_TRUE(waitFor([this] { return recalls() == 1; })) << errors.join("; ").toStdString();
    EXPECT_EQ(setup(0)->leftFixtureConn()->fixture()->portsCount(), 2u);
    EXPECT_EQ(setup(0)->leftFixtureConn()->getAttachedVnaPort(0), 3u);
    EXPECT_EQ(setup(0)->rightFixtureConn()->getAttachedVnaPort(1), 2u);
    EXPECT_TRUE(setup(0)->abDutConnectionEnabled());

    // A link blip and a reconnection to the same analyzer reload nothing.
    const quint16 port = simulator.port();
    simulator.close();
    ASSERT_TRUE(waitFor([this] { return !backend->getVnaDevice()->portsCount(); }));
    ASSERT_TRUE(simulator.listen(port));
    ASSERT_TRUE(waitForPortsCount(4));
    EXPECT_EQ(recalls(), 1);
    EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
}

TEST_F(TemporarySetup, APortCountChangeDuringAMeasurementRecallsAfterIt)
{
    startBackend();
    ASSERT_TRUE(waitForPortsCount(4));
    ASSERT_TRUE(backend->saveStateNow(*backend->temporarySetupPath()));
    messages.clear();
    errors.clear();
    simulator.setSweepTimeMs(300);

    auto* step = qobject_cast<TransmissionStep*>(setup(0)->steps().at(0).get());
    ASSERT_TRUE(step);
    simulator.clearLog();
    // Receives for this test body only.
    QObject listener;
    int recallsWhileMeasuring = 0;
    QObject::connect(backend.get(), &MainQmlBackend::message, &listener, [&](const QString& text) {
        if (text.startsWith("Recall setup") && !measurementRestored())
            ++recallsWhileMeasuring;
    });
    QTimer::singleShot(100, &listener, [this] { simulator.setPortCount(5); });
    ASSERT_TRUE(step->measureFromVna()) << errors.join("; ").toStdString();
    EXPECT_EQ(recallsWhileMeasuring, 0);
    EXPECT_TRUE(waitFor([this] { return recalls() == 1; })) << errors.join("; ").toStdString();
}
