#include "engine/fits/FitModel.h"
#include "engine/vectors/Ranges.h"

#include <Eigen/Dense>
#include <gtest/gtest.h>

#include <cmath>

using namespace Algorithms;

namespace {

std::vector<double> evenGrid(double start, double stop, std::size_t count)
{
    std::vector<double> f(count);
    for (std::size_t k = 0; k < count; ++k)
        f[k] = start + (stop - start) * static_cast<double>(k) / static_cast<double>(count - 1);
    return f;
}

std::vector<double> nodesOver(const std::vector<double>& f, std::size_t n)
{
    std::vector<double> nodes;
    stepRange(f.front(), f.back(), (f.back() - f.front()) / static_cast<double>(n - 1), nodes);
    return nodes;
}

Eigen::MatrixXd dense(const std::vector<double>& f, std::size_t n)
{
    FitModelMatrix B;
    buildAlternativeFitModel(f, f.size(), nodesOver(f, n), B);
    return Eigen::MatrixXd(B);
}

} // namespace

TEST(BSplineModel, PartitionOfUnityWithInterpolatingEnds)
{
    const auto f = evenGrid(1e9, 5e9, 201);
    for (std::size_t n : {4u, 5u, 6u, 13u, 40u}) {
        const Eigen::MatrixXd B = dense(f, n);
        ASSERT_EQ(B.rows(), 201);
        ASSERT_EQ(B.cols(), static_cast<Eigen::Index>(n));
        for (Eigen::Index r = 0; r < B.rows(); ++r)
            EXPECT_NEAR(B.row(r).sum(), 1.0, 1e-14) << "n " << n << " row " << r;
        EXPECT_NEAR(B(0, 0), 1.0, 1e-15);
        EXPECT_NEAR(B.row(0).tail(n - 1).cwiseAbs().sum(), 0.0, 1e-15);
        EXPECT_NEAR(B(200, n - 1), 1.0, 1e-15);
        EXPECT_NEAR(B.row(200).head(n - 1).cwiseAbs().sum(), 0.0, 1e-15);
        EXPECT_GE(B.minCoeff(), 0.0);
    }
}

TEST(BSplineModel, ReproducesCubicPolynomials)
{
    const auto f = evenGrid(-3e9, 3e9, 301);
    Eigen::VectorXd cubic(301);
    for (Eigen::Index i = 0; i < 301; ++i) {
        const double x = f[static_cast<std::size_t>(i)] / 1e9;
        cubic[i] = 0.3 - 1.2 * x + 0.5 * x * x + 0.07 * x * x * x;
    }
    for (std::size_t n : {4u, 5u, 9u, 30u}) {
        const Eigen::MatrixXd B = dense(f, n);
        const Eigen::VectorXd coefficients = B.colPivHouseholderQr().solve(cubic);
        EXPECT_LT((B * coefficients - cubic).cwiseAbs().maxCoeff(), 1e-11) << "n " << n;
    }
}

// With four nodes the basis is the four cubic Bernstein polynomials over the band; with
// three, the first two and the last one of them.
TEST(BSplineModel, FewNodesGiveBernsteinPolynomials)
{
    const auto f = evenGrid(0.0, 1.0, 11);
    const Eigen::MatrixXd four = dense(f, 4);
    const Eigen::MatrixXd three = dense(f, 3);
    ASSERT_EQ(three.cols(), 3);
    for (Eigen::Index i = 0; i < 11; ++i) {
        const double t = f[static_cast<std::size_t>(i)];
        const double bernstein[4] = {std::pow(1 - t, 3), 3 * t * std::pow(1 - t, 2), 3 * t * t * (1 - t), t * t * t};
        for (int b = 0; b < 4; ++b)
            EXPECT_NEAR(four(i, b), bernstein[b], 1e-15);
        EXPECT_NEAR(three(i, 0), bernstein[0], 1e-15);
        EXPECT_NEAR(three(i, 1), bernstein[1], 1e-15);
        EXPECT_NEAR(three(i, 2), bernstein[3], 1e-15);
    }
}

// The basis is evaluated point by point, so a grid that is not symmetric about the middle
// of the band still gets the true B-splines.
TEST(BSplineModel, UnevenGridStillGetsTrueBasis)
{
    std::vector<double> f(60);
    for (std::size_t k = 0; k < f.size(); ++k)
        f[k] = 1e9 * std::pow(static_cast<double>(k) / 59.0, 2.0);
    const Eigen::MatrixXd B = dense(f, 8);
    for (Eigen::Index r = 0; r < B.rows(); ++r)
        EXPECT_NEAR(B.row(r).sum(), 1.0, 1e-14);
    const Eigen::MatrixXd even = dense(evenGrid(0.0, 1e9, 60), 8);
    // Mirror symmetry holds on the even grid only; the uneven grid's last column differs.
    EXPECT_NEAR(even(10, 0), even(49, 7), 1e-14);
    EXPECT_GT(std::abs(B(10, 0) - B(49, 7)), 1e-3);
}

TEST(SincModel, InterpolatesAtItsNodes)
{
    const auto f = evenGrid(0.0, 10.0, 11);
    const FitModelMatrix B = buildSincMatrix(f, {0.0, 2.0, 4.0, 6.0, 8.0, 10.0});
    const Eigen::MatrixXd dense(B);
    EXPECT_DOUBLE_EQ(dense(4, 2), 1.0);
    EXPECT_NEAR(dense(4, 1), 0.0, 1e-15);
    EXPECT_NEAR(dense(5, 2), 2.0 / 3.14159265358979323846, 1e-15); // sinc(1/2)
}
