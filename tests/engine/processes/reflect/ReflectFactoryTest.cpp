#include "engine/processes/base/ProcessFactory.h"
#include "engine/processes/reflect/ProcessFilteringReflect.h"
#include "engine/processes/reflect/ProcessFilteringReflectOpenAndShort.h"
#include "engine/processes/reflect/ProcessTimeGateReflect.h"
#include "engine/processes/reflect/ProcessTimeGateReflectOpenAndShort.h"

#include <gtest/gtest.h>

using namespace Algorithms;

TEST(ReflectFactory, ReflectProcessesByNumberKindAndMethod)
{
    EXPECT_TRUE(dynamic_cast<ProcessTimeGateReflect*>(createProcessMethodByNumber(3).get()));
    EXPECT_TRUE(dynamic_cast<ProcessTimeGateReflectOpenAndShort*>(createProcessMethodByNumber(4).get()));
    EXPECT_TRUE(dynamic_cast<ProcessFilteringReflect*>(createProcessMethodByNumber(5).get()));
    EXPECT_TRUE(dynamic_cast<ProcessFilteringReflectOpenAndShort*>(createProcessMethodByNumber(6).get()));

    EXPECT_TRUE(dynamic_cast<ProcessTimeGateReflect*>(createReflectProcessMethod(1, CalcMethod::TimeGating, true).get()));
    EXPECT_TRUE(dynamic_cast<ProcessTimeGateReflectOpenAndShort*>(
        createReflectProcessMethod(1, CalcMethod::TimeGating, false).get()));
    EXPECT_TRUE(dynamic_cast<ProcessFilteringReflect*>(createReflectProcessMethod(1, CalcMethod::Filtering, true).get()));
    EXPECT_TRUE(dynamic_cast<ProcessFilteringReflectOpenAndShort*>(
        createReflectProcessMethod(1, CalcMethod::Filtering, false).get()));
    EXPECT_FALSE(createReflectProcessMethod(2, CalcMethod::TimeGating, true));

    EXPECT_TRUE(dynamic_cast<ProcessTimeGateReflect*>(createProcessMethod(1, CalcMethod::TimeGating).get()));
    EXPECT_TRUE(dynamic_cast<ProcessFilteringReflect*>(createProcessMethod(2, CalcMethod::Filtering).get()));
    EXPECT_EQ(createProcessMethodByNumber(4)->parent(), nullptr);
}
