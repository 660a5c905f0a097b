#include "engine/fits/FitModel.h"

#include "engine/vectors/Ranges.h"

#include <unsupported/Eigen/Splines>

#include <algorithm>
#include <cmath>

namespace Algorithms {

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr int degree = 3;

using CubicSpline = Eigen::Spline<double, 1, degree>;

CubicSpline::KnotVectorType notAKnotKnots(const std::vector<double>& nodes)
{
    const std::size_t n = nodes.size();
    std::vector<double> knots(4, nodes.front());
    if (n >= 5)
        knots.insert(knots.end(), nodes.begin() + 2, nodes.end() - 2);
    knots.insert(knots.end(), 4, nodes.back());
    CubicSpline::KnotVectorType result(static_cast<Eigen::Index>(knots.size()));
    for (std::size_t k = 0; k < knots.size(); ++k)
        result[static_cast<Eigen::Index>(k)] = knots[k];
    return result;
}

// Column of each basis function, or -1 for a function the model leaves out.
std::vector<int> basisColumns(std::size_t n)
{
    if (n >= 4) {
        std::vector<int> columns(n);
        for (std::size_t b = 0; b < n; ++b)
            columns[b] = static_cast<int>(b);
        return columns;
    }
    // Four Bernstein functions, of which the first ceil(n/2) and the last floor(n/2) are kept.
    std::vector<int> columns(4, -1);
    const std::size_t front = (n + 1) / 2;
    for (std::size_t b = 0; b < front; ++b)
        columns[b] = static_cast<int>(b);
    for (std::size_t b = 0; b < n / 2; ++b)
        columns[3 - b] = static_cast<int>(n - 1 - b);
    return columns;
}

} // namespace

void buildAlternativeFitModel(const std::vector<double>& f, std::size_t N, const std::vector<double>& nodes,
                              FitModelMatrix& B)
{
    const std::size_t n = nodes.size();
    const std::size_t rows = std::min(N, f.size());
    B.resize(static_cast<Eigen::Index>(N), static_cast<Eigen::Index>(n));
    B.setZero();
    if (n < 2)
        return;
    const CubicSpline::KnotVectorType knots = notAKnotKnots(nodes);
    const std::vector<int> columns = basisColumns(n);

    B.reserve(Eigen::VectorXi::Constant(static_cast<Eigen::Index>(N), degree + 1));
    for (std::size_t i = 0; i < rows; ++i) {
        const double x = f[i];
        if (x < nodes.front() || x > nodes.back())
            continue;
        const Eigen::DenseIndex span = CubicSpline::Span(x, degree, knots);
        const auto values = CubicSpline::BasisFunctions(x, degree, knots);
        for (int r = 0; r <= degree; ++r) {
            const int column = columns[static_cast<std::size_t>(span - degree + r)];
            if (column >= 0 && values[r] != 0.0)
                B.insert(static_cast<Eigen::Index>(i), column) = values[r];
        }
    }
    B.makeCompressed();
}

FitModelMatrix buildSincMatrix(const std::vector<double>& f, const std::vector<double>& nodes)
{
    FitModelMatrix B(static_cast<Eigen::Index>(f.size()), static_cast<Eigen::Index>(nodes.size()));
    if (nodes.size() < 2)
        return B;
    const double spacing = nodes[1] - nodes[0];
    B.reserve(Eigen::VectorXi::Constant(static_cast<Eigen::Index>(f.size()), static_cast<int>(nodes.size())));
    for (std::size_t i = 0; i < f.size(); ++i) {
        for (std::size_t k = 0; k < nodes.size(); ++k) {
            const double x = (f[i] - nodes[k]) / spacing;
            B.insert(static_cast<Eigen::Index>(i), static_cast<Eigen::Index>(k)) = x == 0.0 ? 1.0 : std::sin(pi * x) / (pi * x);
        }
    }
    B.makeCompressed();
    return B;
}

FitModelMatrix buildFitModel(const std::vector<double>& f, int n, int model)
{
    const auto [low, high] = std::minmax_element(f.begin(), f.end());
    std::vector<double> nodes;
    if (n >= 2)
        stepRange(*low, *high, (*high - *low) / static_cast<double>(n - 1), nodes);
    if (model != 0)
        return buildSincMatrix(f, nodes);
    FitModelMatrix B;
    buildAlternativeFitModel(f, f.size(), nodes, B);
    return B;
}

} // namespace Algorithms
