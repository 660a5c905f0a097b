#include "engine/processes/base/ProcessFactory.h"
#include "engine/processes/bisection/ProcessBisect.h"
#include "engine/processes/filtering/ProcessFiltering.h"
#include "engine/processes/transmission/ProcessTimeGate.h"

#include <gtest/gtest.h>

using namespace Algorithms;

TEST(ProcessFactory, UnknownCombinationsGiveNoProcessAndATextInsteadOfThrowing)
{
    QString text;
    EXPECT_FALSE(createProcessMethodByNumber(7, &text));
    EXPECT_EQ(text, "The correction method does not support this measurement");
    EXPECT_FALSE(createProcessMethodByNumber(-1));

    text.clear();
    EXPECT_NO_THROW(EXPECT_FALSE(createProcessMethod(0, static_cast<CalcMethod>(3), &text)));
    EXPECT_EQ(text, "Unknown correction method");

    text.clear();
    EXPECT_FALSE(createReflectProcessMethod(1, CalcMethod::Bisect, true, &text));
    EXPECT_EQ(text, "The correction method does not support this measurement");
    text.clear();
    EXPECT_FALSE(createReflectProcessMethod(0, CalcMethod::TimeGating, true, &text));
    EXPECT_FALSE(text.isEmpty());
    EXPECT_NO_THROW(createReflectProcessMethod(1, static_cast<CalcMethod>(-4), false));
}

TEST(ProcessFactory, TwoXThruProcessesByNumberAndByMethod)
{
    EXPECT_TRUE(dynamic_cast<ProcessTimeGate*>(createProcessMethodByNumber(TimeGateProcess).get()));
    EXPECT_TRUE(dynamic_cast<ProcessFiltering*>(createProcessMethodByNumber(FilteringProcess).get()));
    EXPECT_TRUE(dynamic_cast<ProcessBisect*>(createProcessMethodByNumber(BisectProcess).get()));
    EXPECT_TRUE(dynamic_cast<ProcessTimeGate*>(createProcessMethod(0, CalcMethod::TimeGating).get()));
    EXPECT_TRUE(dynamic_cast<ProcessFiltering*>(createProcessMethod(0, CalcMethod::Filtering).get()));
    // Bisection has no reflect variant: a non-zero reflect still gives the 2x-thru process.
    EXPECT_TRUE(dynamic_cast<ProcessBisect*>(createProcessMethod(1, CalcMethod::Bisect).get()));
    EXPECT_EQ(createProcessMethodByNumber(TimeGateProcess)->parent(), nullptr);
}
