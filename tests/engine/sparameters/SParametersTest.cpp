#include "engine/sparameters/SParametersOnePortVNA.h"
#include "engine/sparameters/SParametersTwoPortVNA.h"

#include <gtest/gtest.h>

using namespace Algorithms;
using C = std::complex<double>;

namespace {

SParametersTwoPort threePointTwoPort()
{
    SParametersTwoPort s;
    s.setFrequencies({1e9, 2e9, 3e9});
    s.setS11({{0.1, 0}, {0.2, 0}, {0.3, 0}});
    s.setS12({{1, 1}, {2, 2}, {3, 3}});
    s.setS21({{-1, 0}, {-2, 0}, {-3, 0}});
    s.setS22({{0, 0.5}, {0, 0.6}, {0, 0.7}});
    return s;
}

} // namespace

TEST(SParameters, ValidityNeedsThreeMatchingPoints)
{
    SParametersOnePort one;
    one.setFrequencies({1, 2});
    one.setS11({{0, 0}, {0, 0}});
    EXPECT_FALSE(one.isValid());
    EXPECT_FALSE(one.pointCount().has_value());
    one.setFrequencies({1, 2, 3});
    one.setS11({{0, 0}, {0, 0}, {0, 0}});
    EXPECT_EQ(one.pointCount(), std::optional<std::size_t>(3));

    auto two = threePointTwoPort();
    EXPECT_TRUE(two.isValid());
    two.s21().pop_back();
    EXPECT_FALSE(two.isValid());
    const SParametersTwoPort before = two;
    two.mirror();
    EXPECT_EQ(two.s11(), before.s11());
    EXPECT_EQ(two.s12(), before.s12());
}

TEST(SParameters, MirrorTwiceRestores)
{
    auto s = threePointTwoPort();
    const auto original = s;
    s.mirror();
    EXPECT_EQ(s.s11(), original.s22());
    EXPECT_EQ(s.s12(), original.s21());
    EXPECT_EQ(s.s21(), original.s12());
    s.mirror();
    EXPECT_EQ(s.s11(), original.s11());
    EXPECT_EQ(s.s22(), original.s22());
}

TEST(SParameters, ResizePadsWithZeros)
{
    auto s = threePointTwoPort();
    s.resize(5);
    EXPECT_TRUE(s.isValid());
    EXPECT_EQ(s.frequencies().size(), 5u);
    for (const auto* v : {&s.s11(), &s.s12(), &s.s21(), &s.s22()}) {
        ASSERT_EQ(v->size(), 5u);
        EXPECT_EQ((*v)[3], C(0, 0));
        EXPECT_EQ((*v)[4], C(0, 0));
    }
    EXPECT_EQ(s.frequencies()[4], 0.0);
    s.resize(2);
    EXPECT_FALSE(s.isValid());
}

TEST(SParameters, InterpolateRegridsAllParameters)
{
    auto s = threePointTwoPort();
    ASSERT_TRUE(s.interpolate({1e9, 1.5e9, 2.5e9, 3e9}));
    ASSERT_EQ(s.frequencies().size(), 4u);
    EXPECT_NEAR(s.s11()[1].real(), 0.15, 1e-12);
    EXPECT_NEAR(s.s12()[2].imag(), 2.5, 1e-12);
    EXPECT_NEAR(s.s21()[2].real(), -2.5, 1e-12);
    EXPECT_NEAR(s.s22()[1].imag(), 0.55, 1e-12);
}

TEST(SParameters, InterpolateKeepsDataOnSameGridOrFailure)
{
    auto s = threePointTwoPort();
    const auto original = s;
    EXPECT_TRUE(s.interpolate({1e9, 2e9, 3e9}));
    EXPECT_EQ(s.s11(), original.s11());
    EXPECT_EQ(s.frequencies(), original.frequencies());

    EXPECT_FALSE(s.interpolate({1e9, 2e9}));
    EXPECT_EQ(s.frequencies(), original.frequencies());
    // A grid out of order has no segments to interpolate in.
    EXPECT_FALSE(s.interpolate({3e9, 2.5e9, 1.5e9, 1e9}));
    EXPECT_EQ(s.frequencies(), original.frequencies());
    EXPECT_EQ(s.s21(), original.s21());

    SParametersOnePort one;
    one.setFrequencies({0, 1, 2});
    one.setS11({{0, 0}, {1, 1}, {2, 2}});
    const std::vector<double> nearGrid{5e-15, 1.0, 2.0};
    EXPECT_TRUE(one.interpolate(nearGrid));
    EXPECT_EQ(one.frequencies()[0], 0.0);
    EXPECT_TRUE(one.interpolate({0.5, 1.0, 1.5, 2.0}));
    EXPECT_NEAR(one.s11()[0].imag(), 0.5, 1e-12);
    EXPECT_FALSE(one.interpolate({0.5, 1.5, 1.0, 2.0}));
    EXPECT_EQ(one.frequencies().size(), 4u);

    SParametersOnePort invalid;
    EXPECT_FALSE(invalid.interpolate({1, 2, 3}));
}

TEST(SParameters, CopiesAreDeepAndPortsStayPaired)
{
    SParametersTwoPortVNA s;
    static_cast<SParametersTwoPort&>(s) = threePointTwoPort();
    s.setFirstPort(3);
    s.setSecondPort(1);
    SParametersTwoPortVNA copy = s;
    copy.s11()[0] = C(9, 9);
    EXPECT_NE(s.s11()[0], copy.s11()[0]);
    copy.mirror();
    copy.swapPortIndices();
    EXPECT_EQ(copy.firstPort(), std::optional<std::uint64_t>(1));
    EXPECT_EQ(copy.secondPort(), std::optional<std::uint64_t>(3));

    SParametersOnePortVNA one;
    EXPECT_FALSE(one.port().has_value());
    one.setPort(0);
    SParametersOnePortVNA moved = std::move(one);
    EXPECT_EQ(moved.port(), std::optional<std::uint64_t>(0));
}
