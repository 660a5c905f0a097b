#include "engine/fits/BisectionFit.h"

#include "simulator/physics/ExampleFixtures.h"
#include "simulator/physics/FrequencyGrid.h"
#include "simulator/physics/ScatteringSets.h"
#include "simulator/physics/Standards.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <thread>
#include <vector>

using namespace Algorithms;
using Complex = std::complex<double>;

namespace {

constexpr double pi = 3.14159265358979323846;

// The measured 2x-thru of the example fixture halves at every grid point.
std::vector<ComplexMatrix2x2> reflectiveThru(std::size_t count)
{
    using namespace Simulator::Physics;
    const auto grid = bandPassGrid(10e6, 20e9, count);
    const auto thru = twoXThru(exampleLeftHalf(), exampleRightHalf(), grid);
    std::vector<ComplexMatrix2x2> points;
    for (std::size_t k = 0; k < grid.size(); ++k)
        points.push_back(matrixAt(thru, k));
    return points;
}

// The fitted halves (A at port 1, B at port 2) joined face to face.
ComplexMatrix2x2 cascadeOfHalves(const ComplexMatrixPair& fit)
{
    return Simulator::Physics::cascade(fit.second, fit.first);
}

bool isReciprocal(const ComplexMatrix2x2& m)
{
    return m(0, 1) == m(1, 0);
}

bool isAllNaN(const ComplexMatrixPair& fit)
{
    for (const ComplexMatrix2x2* m : {&fit.first, &fit.second}) {
        for (int i = 0; i < 4; ++i) {
            if (!std::isnan(m->data()[i].real()) || !std::isnan(m->data()[i].imag()))
                return false;
        }
    }
    return true;
}

bool sameBits(const ComplexMatrixPair& x, const ComplexMatrixPair& y)
{
    return x.first == y.first && x.second == y.second;
}

} // namespace

TEST(BisectionFit, AMatchedThruSplitsIntoTwoMatchedHalvesOfHalfTheDelay)
{
    // A lossy matched line of 180 ps: S21 = 10^(-0.4 dB / 20) e^(-j 2 pi f tau).
    for (double f : {1e8, 3.3e9, 7e9, 18e9}) {
        const Complex s21 = std::pow(10.0, -0.4 / 20.0) * std::exp(Complex(0.0, -2.0 * pi * f * 180e-12));
        ComplexMatrix2x2 thru;
        thru << 0.0, s21, s21, 0.0;
        const ComplexMatrixPair fit = solveBisectionFit(thru);
        const Complex t = std::sqrt(s21);
        for (const ComplexMatrix2x2& half : {fit.first, fit.second}) {
            EXPECT_EQ(half(0, 0), Complex(0.0));
            EXPECT_EQ(half(1, 1), Complex(0.0));
            EXPECT_LT(std::abs(half(0, 1) - t), 1e-15);
            EXPECT_TRUE(isReciprocal(half));
        }
    }
}

TEST(BisectionFit, TheHalvesOfAReflectiveThruCascadeBackToIt)
{
    double largestReflection = 0.0;
    for (const ComplexMatrix2x2& thru : reflectiveThru(101)) {
        largestReflection = std::max(largestReflection, std::abs(thru(0, 0)));
        const ComplexMatrixPair fit = solveBisectionFit(thru);
        EXPECT_TRUE(isReciprocal(fit.first));
        EXPECT_TRUE(isReciprocal(fit.second));
        EXPECT_EQ(fit.first(0, 1), fit.second(0, 1)); // one transmission for both halves
        EXPECT_LT((cascadeOfHalves(fit) - thru).cwiseAbs().maxCoeff(), 1e-9);
    }
    EXPECT_GT(largestReflection, 0.1);
}

TEST(BisectionFit, OnlyTheMeanOfTheTwoTransmissionsEnters)
{
    const ComplexMatrix2x2 thru = reflectiveThru(11)[7];
    ComplexMatrix2x2 skewed = thru;
    skewed(0, 1) += Complex(0.02, -0.01);
    skewed(1, 0) -= Complex(0.02, -0.01);
    EXPECT_TRUE(sameBits(solveBisectionFit(skewed), solveBisectionFit(thru)));
}

TEST(BisectionFit, ANonFiniteThruGivesNaNHalvesWithoutThrowing)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (int entry = 0; entry < 4; ++entry) {
        for (Complex bad : {Complex(nan, 0.0), Complex(0.0, inf), Complex(-inf, 1.0)}) {
            ComplexMatrix2x2 thru = reflectiveThru(11)[3];
            thru.data()[entry] = bad;
            EXPECT_TRUE(isAllNaN(solveBisectionFit(thru))) << "entry " << entry;
        }
    }
}

TEST(BisectionFit, HalvesThatDoNotReproduceTheThruAreNeverReturned)
{
    // Far outside the passive range the optimiser can stall short of a solution;
    // such a point must come back refused, in bounded time, never as a pair of
    // wrong halves.
    std::mt19937 random(7);
    std::uniform_real_distribution<double> part(-1.0, 1.0), decade(-8.0, 8.0);
    int refused = 0;
    for (int trial = 0; trial < 400; ++trial) {
        ComplexMatrix2x2 thru;
        for (int i = 0; i < 4; ++i)
            thru.data()[i] = Complex(part(random), part(random)) * std::pow(10.0, decade(random));
        const ComplexMatrixPair fit = solveBisectionFit(thru);
        if (isAllNaN(fit)) {
            ++refused;
            continue;
        }
        ComplexMatrix2x2 symmetrised = thru;
        symmetrised(0, 1) = symmetrised(1, 0) = (thru(0, 1) + thru(1, 0)) / 2.0;
        const ComplexMatrix2x2 misfit = cascadeOfHalves(fit) - symmetrised;
        for (int i = 0; i < 4; ++i)
            EXPECT_LE(std::abs(misfit.data()[i]), 1e-7 * std::max(1.0, std::abs(symmetrised.data()[i])));
    }
    EXPECT_GT(refused, 0);
}

TEST(BisectionFit, FitsOnTwoThreadsAtOnceGiveTheSameHalvesAsOneAfterTheOther)
{
    const std::vector<ComplexMatrix2x2> thru = reflectiveThru(301);
    std::vector<ComplexMatrixPair> sequential;
    for (const auto& point : thru)
        sequential.push_back(solveBisectionFit(point));

    std::vector<ComplexMatrixPair> forward(thru.size()), backward(thru.size());
    std::thread first([&] {
        for (std::size_t k = 0; k < thru.size(); ++k)
            forward[k] = solveBisectionFit(thru[k]);
    });
    std::thread second([&] {
        for (std::size_t k = thru.size(); k-- > 0;)
            backward[k] = solveBisectionFit(thru[k]);
    });
    first.join();
    second.join();

    for (std::size_t k = 0; k < thru.size(); ++k) {
        EXPECT_TRUE(sameBits(forward[k], sequential[k])) << "point " << k;
        EXPECT_TRUE(sameBits(backward[k], sequential[k])) << "point " << k;
    }
}
