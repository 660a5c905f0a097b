#include "engine/vectors/Interpolation.h"
#include "engine/vectors/PhaseUnwrap.h"
#include "engine/vectors/Ranges.h"
#include "engine/vectors/VectorBuilding.h"
#include "engine/vectors/VectorChecks.h"

#include "tests/support/MessageCapture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Algorithms;

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

} // namespace

TEST(VectorChecks, EqualityToleranceIsOneE14)
{
    EXPECT_FALSE(isEqualVector({1.0}, {1.0 + 2e-14}));
    EXPECT_TRUE(isEqualVector({1.0}, {1.0 + 5e-15}));
    EXPECT_FALSE(isEqualVector({1.0}, {1.0, 2.0}));
    EXPECT_TRUE(isEqualVector({}, {}));
    EXPECT_FALSE(isEqualVector({notANumber}, {notANumber}));
}

TEST(VectorChecks, FinitenessAndValidity)
{
    EXPECT_FALSE(isFiniteValue(notANumber));
    EXPECT_FALSE(isFiniteValue(inf));
    EXPECT_FALSE(isFiniteValue(-inf));
    EXPECT_TRUE(isFiniteValue(std::numeric_limits<double>::max()));
    EXPECT_FALSE(isFiniteComplex({1.0, notANumber}));
    EXPECT_TRUE(isFiniteComplex({1.0, -2.0}));

    MessageCapture capture;
    EXPECT_FALSE(isValidVector({}));
    EXPECT_TRUE(MessageCapture::lines().isEmpty());
    EXPECT_FALSE(isValidVector({1.0, notANumber, 2.0}));
    EXPECT_EQ(MessageCapture::lines(), QStringList{"Invalid vector detected"});
    EXPECT_TRUE(isValidVector({1.0, 2.0}));
    EXPECT_FALSE(isValidComplexVector({{1.0, 0.0}, {0.0, inf}}));
    EXPECT_FALSE(isValidComplexVector({}));
    EXPECT_TRUE(isValidComplexVector({{1.0, 0.0}}));
}

TEST(VectorChecks, DifferencesFromOrder)
{
    const auto d = differencesFrom(1.0, 4.0, 10.0);
    ASSERT_TRUE(d.has_value());
    EXPECT_DOUBLE_EQ(d->first, 9.0);
    EXPECT_DOUBLE_EQ(d->second, 3.0);
    EXPECT_FALSE(differencesFrom(1.0, notANumber, 2.0).has_value());
}

TEST(VectorBuilding, SplitMakeConcatenateSelect)
{
    const std::vector<std::complex<double>> v{{1, 2}, {3, 4}};
    const auto parts = splitComplex(v);
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_EQ(parts[0], (std::vector<double>{1, 3}));
    EXPECT_EQ(parts[1], (std::vector<double>{2, 4}));
    EXPECT_EQ(makeComplex(parts[0], parts[1]), v);
    const auto empty = splitComplex({});
    ASSERT_EQ(empty.size(), 2u);
    EXPECT_TRUE(empty[0].empty() && empty[1].empty());

    const auto joined = concatenateComplexValue({{1, 0}}, {5, 5}, {{2, 0}, {3, 0}});
    EXPECT_EQ(joined, (std::vector<std::complex<double>>{{1, 0}, {5, 5}, {2, 0}, {3, 0}}));

    EXPECT_EQ(selectByIndex({10, 20, 30}, {3, 1}), (std::vector<double>{30, 10}));
    EXPECT_TRUE(selectByIndex({10, 20, 30}, {}).empty());
    EXPECT_EQ(selectByIndexComplex(v, {2}), (std::vector<std::complex<double>>{{3, 4}}));
}

TEST(Ranges, ColonAndStepRanges)
{
    EXPECT_EQ(colonRange(-2, 2, 1), (std::vector<double>{-2, -1, 0, 1, 2}));
    const auto r = colonRange(0, 1, 0.3);
    ASSERT_EQ(r.size(), 4u);
    EXPECT_DOUBLE_EQ(r[1], 0.3);
    EXPECT_DOUBLE_EQ(r[2], 0.6);
    EXPECT_EQ(r[3], 1.0);
    EXPECT_EQ(colonRangeInt(0, 7, 2), (std::vector<int>{0, 2, 4, 7}));
    EXPECT_EQ(colonRangeInt(3, 3, 1), (std::vector<int>{3}));
    EXPECT_TRUE(colonRange(2, 1, 1).empty());
    EXPECT_TRUE(colonRangeInt(0, 5, 0).empty());

    std::vector<double> out{99};
    stepRange(0.0, 1.0, 0.25, out);
    EXPECT_EQ(out, (std::vector<double>{0, 0.25, 0.5, 0.75, 1.0}));
    stepRange(0.0, 1.0, 0.4, out);
    // round(2.5 + 1) = 4 elements: 0, 0.4, 0.8, then the end value.
    EXPECT_EQ(out.size(), 4u);
    EXPECT_DOUBLE_EQ(out[2], 0.8);
    EXPECT_EQ(out.back(), 1.0);
}

TEST(Interpolation, SingleValue)
{
    MessageCapture capture;
    EXPECT_DOUBLE_EQ(interp1({0, 1, 2}, {0, 10, 20}, 0.5), 5.0);
    EXPECT_DOUBLE_EQ(interp1({0, 1, 2}, {0, 10, 20}, 2.0), 20.0);
    EXPECT_DOUBLE_EQ(interp1({0, 1, 2}, {0, 10, 20}, 0.0), 0.0);
    EXPECT_TRUE(MessageCapture::lines().isEmpty());
    EXPECT_DOUBLE_EQ(interp1({0, 1, 2}, {0, 10, 20}, 2.5), -1.0);
    EXPECT_EQ(MessageCapture::lines(), QStringList{"ERROR INTERP1"});
    EXPECT_DOUBLE_EQ(interp1({0}, {0}, 0.0), -1.0);
    EXPECT_DOUBLE_EQ(interp1({0, 1}, {0, 1, 2}, 0.5), -1.0);

    MessageCapture::lines().clear();
    EXPECT_DOUBLE_EQ(interpolateDoubleValue(3.5, 3.0, 3.0, 1.0, 2.0), -1.0);
    EXPECT_EQ(MessageCapture::lines(), QStringList{"interpolateDoubleValue: Divide by Zero!"});
    EXPECT_DOUBLE_EQ(interpolateDoubleValue(0.5e-300, 0.0, 1e-300, 0.0, 2.0), 1.0);
}

TEST(Interpolation, VectorClampsEndsAndFollowsCursor)
{
    const std::vector<double> x{0, 1, 2, 3};
    const std::vector<double> y{0, 10, 20, 30};
    EXPECT_EQ(interp1Complex(x, y, {-1, 0.5, 1, 2.5, 4}), (std::vector<double>{0, 5, 10, 25, 30}));
    // Points or samples out of order are refused, not answered with zeros.
    EXPECT_TRUE(interp1Complex(x, y, {2.5, 0.5}).empty());
    EXPECT_TRUE(interp1Complex({0, 2, 1, 3}, y, {0.5}).empty());
    EXPECT_TRUE(interpolateComplexVector(x, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}, {3, 2, 1}).empty());
    EXPECT_TRUE(interp1Complex(x, {1, 2}, {0.5}).empty());

    const std::vector<std::complex<double>> z{{0, 0}, {1, -1}, {2, -2}, {3, -3}};
    const auto zi = interpolateComplexVector(x, z, {0.25, 2.75});
    ASSERT_EQ(zi.size(), 2u);
    EXPECT_DOUBLE_EQ(zi[0].real(), 0.25);
    EXPECT_DOUBLE_EQ(zi[1].imag(), -2.75);
    EXPECT_TRUE(interpolateComplexVector(x, {{1, 1}}, {0.5}).empty());
}

TEST(PhaseUnwrap, RemovesJumpsAbovePi)
{
    const auto u = unwrapPhase({0, 3, -3});
    ASSERT_EQ(u.size(), 3u);
    EXPECT_DOUBLE_EQ(u[0], 0.0);
    EXPECT_DOUBLE_EQ(u[1], 3.0);
    EXPECT_NEAR(u[2], 2 * M_PI - 3.0, 1e-12);

    // A step of exactly pi stays.
    const auto exact = unwrapPhase({0.0, M_PI});
    EXPECT_DOUBLE_EQ(exact[1], M_PI);

    // A linear phase of a delay, wrapped into (-pi, pi], comes back as the straight line.
    std::vector<double> wrapped;
    for (int k = 0; k < 200; ++k)
        wrapped.push_back(std::arg(std::polar(1.0, -0.7 * k)));
    const auto line = unwrapPhase(wrapped);
    for (int k = 0; k < 200; ++k)
        EXPECT_NEAR(line[static_cast<std::size_t>(k)], -0.7 * k, 1e-9);
}
