#include "tests/qml/walk/WalkSession.h"

namespace {

// The running task's text while the analyzer sweeps slowly for a thru, in English
// and in Russian ("-r").
class BusyStageTest : public BilingualWalkSession
{
protected:
    // The text of the newest progress row.
    QString newestStage() const
    {
        const QList<QQuickItem*> texts = allVisible(QStringLiteral("progressGrooveText"));
        return texts.isEmpty() ? QString() : texts.back()->property("text").toString();
    }
};

} // namespace

// The measurement waits for the analyzer inside the press, so the text is read as the
// sweep ends: what the row showed all through it.
TEST_P(BusyStageTest, TheSweepStageShowsWhileTheAnalyzerSweeps)
{
    ASSERT_TRUE(reachWizard());
    pressVisible(QStringLiteral("stepperElement4"));
    QString shownDuringTheSweep;
    QObject context;
    QObject::connect(&simulator, &Simulator::AnalyzerSimulator::sweepFinished, &context, [&] {
        if (shownDuringTheSweep.isEmpty())
            shownDuringTheSweep = newestStage();
    });
    simulator.setSweepTimeMs(2000);
    pressVisible(QStringLiteral("thruMeasure"));
    ASSERT_TRUE(waitForWork([&] { return !shownDuringTheSweep.isEmpty(); }));
    EXPECT_EQ(shownDuringTheSweep,
              GetParam() ? QStringLiteral("Чтение S-параметров") : QStringLiteral("Read SParameters"));
    simulator.setSweepTimeMs(0);
    EXPECT_TRUE(waitForWork([&] { return property(QStringLiteral("mainLayout"), "currentIndex").toInt() == 0; }));
}

INSTANTIATE_TEST_SUITE_P(EnglishAndRussian, BusyStageTest, ::testing::Bool());
