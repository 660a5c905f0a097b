#include "engine/timedomain/ExponentialFitGate.h"

#include "tests/engine/timedomain/TimeDomainFixtures.h"
#include "tests/support/MessageCapture.h"

#include <Eigen/Dense>
#include <algorithm>
#include <gtest/gtest.h>

using namespace Algorithms;
using namespace TimeDomainFixtures;

namespace {

// Magnitude and phase that are cubic polynomials of frequency (GHz).
struct CubicResponse
{
    std::vector<double> magnitude;
    std::vector<double> phase;
    std::vector<Complex> values;
};

CubicResponse cubicResponse(const std::vector<double>& f)
{
    CubicResponse r;
    for (double frequency : f) {
        const double x = frequency / 1e9;
        r.magnitude.push_back(0.9 - 0.02 * x + 0.001 * x * x - 2e-5 * x * x * x);
        r.phase.push_back(-2.0 * pi * frequency * 0.4e-9 + 0.01 * x * x);
        r.values.push_back(std::polar(r.magnitude.back(), r.phase.back()));
    }
    return r;
}

double maxDifference(const std::vector<double>& a, const std::vector<double>& b)
{
    double difference = 0.0;
    for (std::size_t k = 0; k < a.size(); ++k)
        difference = std::max(difference, std::abs(a[k] - b[k]));
    return difference;
}

} // namespace

TEST(ExponentialFitGate, CubicMagnitudeAndPhaseComeBackUnchanged)
{
    const auto f = bandPass();
    const auto response = cubicResponse(f);
    for (double tSpan : {0.1e-9, 1e-9, 4e-9}) {
        std::vector<double> magnitude;
        std::vector<double> phase;
        gateByExponentialFit(f, response.values, 0, 1, tSpan, magnitude, phase);
        ASSERT_EQ(magnitude.size(), f.size());
        EXPECT_LT(maxDifference(magnitude, response.magnitude), 1e-11) << tSpan;
        EXPECT_LT(maxDifference(phase, response.phase), 1e-9) << tSpan;
    }
}

// With four nodes the fit is the least-squares cubic over the band.
TEST(ExponentialFitGate, FourNodesFitOneCubic)
{
    const auto f = bandPass();
    std::vector<Complex> s;
    Eigen::MatrixXd powers(static_cast<Eigen::Index>(f.size()), 4);
    Eigen::VectorXd wavy(static_cast<Eigen::Index>(f.size()));
    for (std::size_t k = 0; k < f.size(); ++k) {
        const double x = f[k] / 1e9;
        wavy[static_cast<Eigen::Index>(k)] = 0.5 + 0.1 * std::sin(x);
        powers.row(static_cast<Eigen::Index>(k)) << 1.0, x, x * x, x * x * x;
        s.push_back(wavy[static_cast<Eigen::Index>(k)]);
    }
    const Eigen::VectorXd cubic = powers * powers.colPivHouseholderQr().solve(wavy);
    std::vector<double> magnitude;
    std::vector<double> phase;
    gateByExponentialFit(f, s, 0, 1, 1e-12, magnitude, phase);
    ASSERT_EQ(magnitude.size(), f.size());
    for (std::size_t k = 0; k < f.size(); ++k)
        EXPECT_NEAR(magnitude[k], cubic[static_cast<Eigen::Index>(k)], 1e-10);
    EXPECT_LT(maxDifference(phase, std::vector<double>(f.size(), 0.0)), 1e-12);
}

TEST(ExponentialFitGate, LowPassGridFitsTheZeroFrequencyPointAndDropsIt)
{
    const auto f = lowPass();
    const auto s = impedanceStep(f, 0.02);
    std::vector<double> magnitude;
    std::vector<double> phase;
    gateByExponentialFit(f, s, 0, 0, 2e-9, magnitude, phase);
    ASSERT_EQ(magnitude.size(), f.size());
    ASSERT_EQ(phase.size(), f.size());
    // The step's reflection is a smooth envelope: the fit follows it closely.
    for (std::size_t k = 0; k < f.size(); ++k)
        EXPECT_NEAR(magnitude[k], std::abs(s[k]), 2e-3);
}

TEST(ExponentialFitGate, PinnedFitKeepsTheFirstSample)
{
    const auto f = bandPass();
    auto response = cubicResponse(f);
    response.values[0] *= 1.2; // an outlier the free fit would smooth away
    std::vector<double> magnitude;
    std::vector<double> phase;
    gateByExponentialFit(f, response.values, 1, 1, 1e-9, magnitude, phase);
    ASSERT_EQ(magnitude.size(), f.size());
    EXPECT_NEAR(magnitude[0], std::abs(response.values[0]), 1e-12);
    EXPECT_NEAR(phase[0], std::arg(response.values[0]), 1e-12);
}

TEST(ExponentialFitGate, PhaseIsUnwrappedBeforeTheFit)
{
    // Raw phases 3.1 then -3.1: carried on as -3.1 + 2 pi, and so is every later sample.
    std::vector<double> f;
    std::vector<Complex> s;
    for (int k = 0; k < 40; ++k) {
        f.push_back(1e9 + k * 1e7);
        s.push_back(std::polar(1.0, k < 20 ? 3.1 : -3.1));
    }
    std::vector<double> magnitude;
    std::vector<double> phase;
    gateByExponentialFit(f, s, 0, 1, 1e-12, magnitude, phase);
    ASSERT_EQ(phase.size(), 40u);
    EXPECT_GT(phase[39], 3.1);
    EXPECT_NEAR(phase[39], -3.1 + 2.0 * pi, 0.1);
}

TEST(ExponentialFitGate, LeavesOutputsEmptyWhenItCannotFit)
{
    const auto f = bandPass();
    const auto response = cubicResponse(f);
    std::vector<double> magnitude{1.0};
    std::vector<double> phase{1.0};
    gateByExponentialFit(f, response.values, 2, 1, 1e-9, magnitude, phase);
    EXPECT_TRUE(magnitude.empty());
    EXPECT_TRUE(phase.empty());

    MessageCapture capture;
    gateByExponentialFit(f, response.values, 0, 1, 1e-6, magnitude, phase); // far more nodes than points
    EXPECT_TRUE(magnitude.empty());
    EXPECT_FALSE(MessageCapture::lines().isEmpty());

    gateByExponentialFit(f, response.values, 0, 0, 1e-9, magnitude, phase); // band-pass grid as low pass
    EXPECT_TRUE(magnitude.empty());

    // A sweep with a gap leaves basis functions without a single point under them.
    std::vector<double> gapped;
    for (int k = 0; k < 20; ++k) {
        gapped.push_back(1e9 + k * 1e7);
        gapped.push_back(1.81e9 + k * 1e7);
    }
    std::sort(gapped.begin(), gapped.end());
    gateByExponentialFit(gapped, cubicResponse(gapped).values, 0, 1, 12e-9, magnitude, phase);
    EXPECT_TRUE(magnitude.empty());
    EXPECT_TRUE(phase.empty());
}
