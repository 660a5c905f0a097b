#include "engine/processes/bisection/PhaseContinuity.h"
#include "engine/processes/filtering/Concatenation.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Algorithms;
using C = std::complex<double>;

TEST(ProcessVectors, ConcatenationPutsTheMiddleSampleBetweenTheHalves)
{
    const auto two = concatenateComplex({C(1, 2)}, 3.5, {C(4, 5), C(6, 7)});
    EXPECT_EQ(two, (std::vector<C>{C(1, 2), C(3.5, 0), C(4, 5), C(6, 7)}));
    EXPECT_EQ(concatenate({-2.0, -1.0}, 0, {1.0}), (std::vector<double>{-2.0, -1.0, 0.0, 1.0}));
    EXPECT_EQ(concatenate({}, 7, {}), (std::vector<double>{7.0}));
}

TEST(ProcessVectors, ElementMapsOfTheSignContinuity)
{
    EXPECT_EQ(complexHypot({C(3, 4), C(0, -2)}), (std::vector<double>{5.0, 2.0}));
    const auto doubled = complexArg({C(0, 1), C(-1, 0)});
    EXPECT_DOUBLE_EQ(doubled[0], M_PI);
    EXPECT_DOUBLE_EQ(doubled[1], 2.0 * M_PI);
    const auto unit = complexExpCosSin({M_PI, -M_PI});
    EXPECT_NEAR(std::abs(unit[0] - C(0, 1)), 0.0, 1e-15);
    EXPECT_NEAR(std::abs(unit[1] - C(0, -1)), 0.0, 1e-15);
}

TEST(ProcessVectors, TransmissionKnownUpToItsSignComesOutContinuous)
{
    // A delay whose samples the fit returned with random signs.
    std::vector<C> truth, fitted;
    for (int i = 0; i < 200; ++i) {
        truth.push_back(0.9 * std::polar(1.0, -0.07 * i));
        fitted.push_back((i % 3 == 1 || i % 7 == 6 ? -1.0 : 1.0) * truth.back());
    }
    const auto continuous = withContinuousSign(fitted);
    for (std::size_t i = 0; i < truth.size(); ++i)
        EXPECT_NEAR(std::abs(continuous[i] - truth[i]), 0.0, 1e-12) << i;
}
