#include "engine/processes/base/ProcessFactory.h"

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
