#include "engine/parameters/ProcessInputParameters.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

using Algorithms::ProcessInputParameters;

namespace {

// One spy per change signal, in declaration order, for counting what a call announced.
class AllSignals
{
public:
    explicit AllSignals(ProcessInputParameters& p)
    {
        for (auto signal : {&ProcessInputParameters::sigTimeMinChanged,
                            &ProcessInputParameters::sigNormalizingValueChanged,
                            &ProcessInputParameters::sigLowSignalCenterModeChanged,
                            &ProcessInputParameters::sigHighSignalCenterModeChanged,
                            &ProcessInputParameters::sigKaiserBetaChanged,
                            &ProcessInputParameters::sigKaiserBetaXChanged,
                            &ProcessInputParameters::sigStartZeroChanged,
                            &ProcessInputParameters::sigRiseTimeChanged,
                            &ProcessInputParameters::sigNRiseTimeChanged,
                            &ProcessInputParameters::sigGatingModeChanged,
                            &ProcessInputParameters::sigPulseModeChanged})
            m_spies.push_back(std::make_unique<QSignalSpy>(&p, signal));
    }

    std::vector<int> counts() const
    {
        std::vector<int> result;
        for (const auto& spy : m_spies)
            result.push_back(spy->count());
        return result;
    }

private:
    std::vector<std::unique_ptr<QSignalSpy>> m_spies;
};

} // namespace

TEST(ProcessInputParameters, StartsWithTheDefaultSetAndTestModeOff)
{
    ProcessInputParameters p(nullptr);
    EXPECT_FALSE(p.isTestMode());
    EXPECT_DOUBLE_EQ(p.timeMin(), -2e-10);
    EXPECT_DOUBLE_EQ(p.normalizingValue(), 0.89);
    EXPECT_EQ(p.lowSignalCenterMode(), 0);
    EXPECT_EQ(p.highSignalCenterMode(), 1);
    EXPECT_DOUBLE_EQ(p.kaiserBeta(), 0.0);
    EXPECT_DOUBLE_EQ(p.kaiserBetaX(), 6.0);
    EXPECT_DOUBLE_EQ(p.startZero(), -4.9e-8);
    EXPECT_DOUBLE_EQ(p.riseTime(), 4.9e-11);
    EXPECT_EQ(p.nRiseTime(), 4);
    EXPECT_EQ(p.gatingMode(), 0);
    EXPECT_EQ(p.pulseMode(), 0);

    // The edited set starts equal to the default set: switching changes nothing.
    AllSignals announced(p);
    p.setTestMode(true);
    EXPECT_DOUBLE_EQ(p.timeMin(), -2e-10);
    EXPECT_DOUBLE_EQ(p.kaiserBetaX(), 6.0);
    EXPECT_EQ(p.highSignalCenterMode(), 1);
    EXPECT_EQ(announced.counts(), std::vector<int>(11, 0));
}

TEST(ProcessInputParameters, TestModeSelectsTheSetOfTheSixShapingParameters)
{
    ProcessInputParameters p(nullptr);
    p.setTimeMin(-1e-10);
    p.setNormalizingValue(0.5);
    p.setLowSignalCenterMode(1);
    p.setHighSignalCenterMode(0);
    p.setKaiserBeta(2.0);
    p.setKaiserBetaX(3.0);

    // Stored but not in force while the test mode is off.
    EXPECT_DOUBLE_EQ(p.timeMin(), -2e-10);
    EXPECT_DOUBLE_EQ(p.normalizingValue(), 0.89);
    EXPECT_EQ(p.lowSignalCenterMode(), 0);
    EXPECT_EQ(p.highSignalCenterMode(), 1);
    EXPECT_DOUBLE_EQ(p.kaiserBeta(), 0.0);
    EXPECT_DOUBLE_EQ(p.kaiserBetaX(), 6.0);

    p.setTestMode(true);
    EXPECT_DOUBLE_EQ(p.timeMin(), -1e-10);
    EXPECT_DOUBLE_EQ(p.normalizingValue(), 0.5);
    EXPECT_EQ(p.lowSignalCenterMode(), 1);
    EXPECT_EQ(p.highSignalCenterMode(), 0);
    EXPECT_DOUBLE_EQ(p.kaiserBeta(), 2.0);
    EXPECT_DOUBLE_EQ(p.kaiserBetaX(), 3.0);

    p.setTestMode(false);
    EXPECT_DOUBLE_EQ(p.kaiserBetaX(), 6.0);
    EXPECT_DOUBLE_EQ(p.timeMin(), -2e-10);
}

TEST(ProcessInputParameters, TheOtherFiveAreInForceWhateverTheTestMode)
{
    ProcessInputParameters p(nullptr);
    p.setStartZero(-1e-9);
    p.setRiseTime(2e-11);
    p.setNRiseTime(8);
    p.setGatingMode(1);
    p.setPulseMode(1);
    for (bool testMode : {false, true}) {
        p.setTestMode(testMode);
        EXPECT_DOUBLE_EQ(p.startZero(), -1e-9);
        EXPECT_DOUBLE_EQ(p.riseTime(), 2e-11);
        EXPECT_EQ(p.nRiseTime(), 8);
        EXPECT_EQ(p.gatingMode(), 1);
        EXPECT_EQ(p.pulseMode(), 1);
    }
}

TEST(ProcessInputParameters, SettersSignalEveryCall)
{
    ProcessInputParameters p(nullptr);
    QSignalSpy kaiserBetaX(&p, &ProcessInputParameters::sigKaiserBetaXChanged);
    QSignalSpy gating(&p, &ProcessInputParameters::sigGatingModeChanged);

    // An edit of a parameter not in force is announced although its getter still reads the default.
    p.setKaiserBetaX(3.0);
    EXPECT_EQ(kaiserBetaX.count(), 1);
    EXPECT_DOUBLE_EQ(p.kaiserBetaX(), 6.0);
    p.setKaiserBetaX(3.0);
    EXPECT_EQ(kaiserBetaX.count(), 2);

    // The same value again is announced again: the processes write parameters back on every run.
    p.setGatingMode(0);
    p.setGatingMode(0);
    EXPECT_EQ(gating.count(), 2);
    p.setGatingMode(1);
    EXPECT_EQ(p.gatingMode(), 1);
}

TEST(ProcessInputParameters, SwitchingTheTestModeAnnouncesNothing)
{
    ProcessInputParameters p(nullptr);
    p.setKaiserBetaX(3.0);
    AllSignals announced(p);
    p.setTestMode(true);
    EXPECT_DOUBLE_EQ(p.kaiserBetaX(), 3.0);
    p.setTestMode(false);
    EXPECT_EQ(announced.counts(), std::vector<int>(11, 0));
}

TEST(ProcessInputParameters, ResetCopiesTheDefaultsAndAnnouncesAllEleven)
{
    ProcessInputParameters p(nullptr);
    p.setTestMode(true);
    p.setTimeMin(-3e-10);
    p.setKaiserBeta(4.0);
    p.setNRiseTime(8);
    p.setPulseMode(1);
    AllSignals announced(p);

    p.resetToDefaults();
    EXPECT_EQ(announced.counts(), std::vector<int>(11, 1));
    EXPECT_TRUE(p.isTestMode());
    EXPECT_DOUBLE_EQ(p.timeMin(), -2e-10);
    EXPECT_DOUBLE_EQ(p.kaiserBeta(), 0.0);
    EXPECT_EQ(p.nRiseTime(), 4);
    EXPECT_EQ(p.pulseMode(), 0);

    // Nothing edited since: still every signal once more.
    p.resetToDefaults();
    EXPECT_EQ(announced.counts(), std::vector<int>(11, 2));
}
