#include "engine/parameters/ProcessInputParameters.h"
#include "engine/processes/base/IProcessMethod.h"

#include <QSignalSpy>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace Algorithms;

namespace {

// Stages that only ask whether they were cancelled, counting the checks.
class CountingProcess : public IProcessMethod
{
public:
    int checks = 0;
    int stages = 3;
    std::function<void()> duringFirstStage;

protected:
    bool process() override
    {
        for (int stage = 0; stage < stages; ++stage) {
            if (stage == 0 && duringFirstStage)
                duringFirstStage();
            ++checks;
            if (isCanceled())
                return false;
        }
        return true;
    }
    bool loadParameters() override { return true; }
};

} // namespace

TEST(ProcessBase, RunNeedsParametersAndSaysNothingWithout)
{
    CountingProcess process;
    QSignalSpy errors(&process, &IProcessMethod::error);
    EXPECT_FALSE(process.run());
    EXPECT_EQ(process.checks, 0);
    EXPECT_EQ(errors.count(), 0);
}

TEST(ProcessBase, CancelBeforeRunIsForgotten)
{
    ProcessInputParameters parameters;
    CountingProcess process;
    process.setInputParameters(&parameters);
    QSignalSpy errors(&process, &IProcessMethod::error);
    process.cancel();
    EXPECT_EQ(errors.count(), 1);
    EXPECT_EQ(errors.first().at(0).toString(), "The measurement was canceled");
    EXPECT_TRUE(process.run());
    EXPECT_EQ(process.checks, 3);
}

TEST(ProcessBase, CancelStopsAtTheNextCheckAndIsClearedAfterTheRun)
{
    ProcessInputParameters parameters;
    CountingProcess process;
    process.setInputParameters(&parameters);
    process.duringFirstStage = [&] { process.cancel(); };
    QSignalSpy errors(&process, &IProcessMethod::error);
    EXPECT_FALSE(process.run());
    EXPECT_EQ(process.checks, 1);
    EXPECT_EQ(errors.count(), 1);

    process.duringFirstStage = nullptr;
    EXPECT_TRUE(process.run());
}

TEST(ProcessBase, CancelCheckServesQueuedEventsOfTheWorker)
{
    // A cancel posted to the worker's queue arrives through the check itself.
    ProcessInputParameters parameters;
    CountingProcess process;
    process.setInputParameters(&parameters);
    process.duringFirstStage = [&] { QTimer::singleShot(0, &process, [&] { process.cancel(); }); };
    EXPECT_FALSE(process.run());
    EXPECT_EQ(process.checks, 1);
}

namespace {

// A stage that runs out of memory, as a 100,001-point sweep may on a small machine.
class ExhaustedProcess : public IProcessMethod
{
protected:
    bool process() override { throw std::bad_alloc(); }
    bool loadParameters() override { return true; }
};

} // namespace

TEST(ProcessBase, AnExceptionInsideARunIsReportedAsAFailedRun)
{
    ProcessInputParameters parameters;
    ExhaustedProcess process;
    process.setInputParameters(&parameters);
    QSignalSpy errors(&process, &IProcessMethod::error);
    bool result = true;
    EXPECT_NO_THROW(result = process.run());
    EXPECT_FALSE(result);
    ASSERT_EQ(errors.count(), 1);
    EXPECT_EQ(errors.first().at(0).toString(), "Not enough memory for the calculation");
}
