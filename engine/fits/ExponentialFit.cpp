#include "engine/fits/ExponentialFit.h"

#include "engine/fits/NormalEquations.h"
#include "engine/transforms/ComplexArithmetic.h"
#include "engine/vectors/VectorChecks.h"

#include <Eigen/Dense>
#include <Eigen/SparseCore>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <limits>

namespace Algorithms {

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

FitDesignMatrix designMatrix(const std::vector<double>& f, const Eigen::MatrixXcd& delays, int n, int model)
{
    FitDesignMatrix A;
    buildExponentialMatrix(buildFitModel(f, n, model), delays, A);
    return A;
}

// A^H A, accumulated row by row: each row of A has only a few non-zero entries (four per
// delay for the B-spline model), so this costs N times their square, with no temporary.
Eigen::MatrixXcd normalMatrix(const FitDesignMatrix& A)
{
    Eigen::MatrixXcd normal = Eigen::MatrixXcd::Zero(A.cols(), A.cols());
    std::vector<Eigen::Index> columns;
    std::vector<std::complex<double>> values;
    for (Eigen::Index i = 0; i < A.rows(); ++i) {
        columns.clear();
        values.clear();
        for (FitDesignMatrix::InnerIterator it(A, i); it; ++it) {
            columns.push_back(it.col());
            values.push_back(it.value());
        }
        // The matrix is Hermitian: its upper triangle is accumulated, then mirrored.
        for (std::size_t p = 0; p < columns.size(); ++p) {
            const std::complex<double> left = std::conj(values[p]);
            for (std::size_t q = 0; q < columns.size(); ++q)
                if (columns[q] >= columns[p])
                    normal(columns[p], columns[q]) += plainProduct(left, values[q]);
        }
    }
    for (Eigen::Index c = 0; c < normal.cols(); ++c)
        for (Eigen::Index r = c + 1; r < normal.rows(); ++r)
            normal(r, c) = std::conj(normal(c, r));
    return normal;
}

} // namespace

Eigen::MatrixXcd buildDelayTable(const std::vector<double>& f, const std::vector<double>& tau)
{
    Eigen::MatrixXcd delays(static_cast<Eigen::Index>(f.size()), static_cast<Eigen::Index>(tau.size()));
    for (Eigen::Index j = 0; j < delays.cols(); ++j)
        for (Eigen::Index i = 0; i < delays.rows(); ++i)
            delays(i, j) = std::polar(1.0, -2.0 * pi * f[static_cast<std::size_t>(i)] * tau[static_cast<std::size_t>(j)]);
    return delays;
}

void buildExponentialMatrix(const FitModelMatrix& B, const Eigen::MatrixXcd& delays, FitDesignMatrix& A)
{
    const Eigen::Index n = B.cols();
    const Eigen::Index blocks = delays.cols();
    A.resize(B.rows(), n * blocks);
    Eigen::VectorXi perRow(B.rows());
    for (Eigen::Index i = 0; i < B.rows(); ++i)
        perRow[i] = static_cast<int>(B.row(i).nonZeros() * blocks);
    A.reserve(perRow);
    for (Eigen::Index i = 0; i < B.rows(); ++i)
        for (Eigen::Index j = 0; j < blocks; ++j)
            for (FitModelMatrix::InnerIterator it(B, i); it; ++it)
                A.insert(i, j * n + it.col()) = it.value() * delays(i, j);
    A.makeCompressed();
}

double logDetEstimate(int n, const std::vector<double>& f, const Eigen::MatrixXcd& delays, int model)
{
    if (n < 2)
        return notANumber;
    const Eigen::PartialPivLU<Eigen::MatrixXcd> lu(normalMatrix(designMatrix(f, delays, n, model)));
    // The sum of the pivots' logarithms: the determinant itself overflows for large systems.
    double logDet = 0.0;
    const auto& factors = lu.matrixLU();
    for (Eigen::Index k = 0; k < factors.rows(); ++k)
        logDet += std::log10(std::abs(factors(k, k)));
    return logDet == 0.0 ? 1e-10 : logDet;
}

double numExpSearchStep(const std::vector<double>& table)
{
    const double m = static_cast<double>(table.size());
    std::vector<std::pair<double, double>> points;
    for (std::size_t k = 0; k < table.size(); ++k)
        if (table[k] != 0.0)
            points.emplace_back(static_cast<double>(k + 1) / m, table[k]);
    if (points.size() < 3)
        return notANumber;
    Eigen::MatrixXd design(static_cast<Eigen::Index>(points.size()), 3);
    Eigen::VectorXd values(static_cast<Eigen::Index>(points.size()));
    for (std::size_t k = 0; k < points.size(); ++k) {
        const double x = points[k].first;
        design.row(static_cast<Eigen::Index>(k)) << x * x, x, 1.0;
        values[static_cast<Eigen::Index>(k)] = points[k].second;
    }
    const Eigen::Vector3d p = design.colPivHouseholderQr().solve(values);
    return std::round(m * (-p[1] / (2.0 * p[0])));
}

int refineNumExp(int nFirst, const std::vector<double>& f, const Eigen::MatrixXcd& delays, int model)
{
    const int limit = static_cast<int>(f.size()) / static_cast<int>(std::max<Eigen::Index>(delays.cols(), 1));
    const bool roomy = limit >= 2 * nFirst - 2;
    const int middle = roomy ? nFirst + 1 : limit / 2;
    const int upper = roomy ? 2 * nFirst - 2 : limit;
    if (upper < 4 || middle < 2)
        return nFirst;

    std::vector<double> table(static_cast<std::size_t>(upper), 0.0);
    auto evaluate = [&](int n) {
        double& entry = table[static_cast<std::size_t>(n - 1)];
        if (entry == 0.0)
            entry = logDetEstimate(n, f, delays, model);
        return entry;
    };
    auto outside = [&](double n) { return !std::isfinite(n) || n < 4.0 || n > limit || n > upper; };
    evaluate(4);
    evaluate(middle);
    evaluate(upper);

    double previous = 0.0;
    double candidate = numExpSearchStep(table);
    while (candidate != previous) {
        if (outside(candidate))
            return nFirst;
        evaluate(static_cast<int>(candidate));
        previous = candidate;
        candidate = numExpSearchStep(table);
    }

    const int n = static_cast<int>(candidate);
    if (n < 5 || n > limit - 1 || n + 1 > upper)
        return nFirst;
    const double below = evaluate(n - 1);
    const double here = evaluate(n);
    const double above = evaluate(n + 1);
    int direction = 0;
    if (below < here && here < above)
        direction = 1;
    else if (below > here && here > above)
        direction = -1;
    else
        return n;
    for (int current = n;;) {
        const int next = current + direction;
        if (outside(next))
            return nFirst;
        if (evaluate(next) < evaluate(current))
            return current;
        current = next;
    }
}

std::optional<std::vector<std::vector<std::complex<double>>>> fitExponentials(
    const std::vector<double>& f, const std::vector<std::complex<double>>& y, const std::vector<double>& tau,
    int model, int numExpMode, int fixedNumExp)
{
    const std::size_t count = f.size();
    const std::size_t components = tau.size();
    if (count < 2 || y.size() != count || components < 2 || !isValidVector(f) || !isValidVector(tau))
        return std::nullopt;
    if (numExpMode != 0 && numExpMode != 1)
        return std::nullopt;

    double delayStep = std::numeric_limits<double>::infinity();
    for (std::size_t j = 0; j + 1 < components; ++j)
        delayStep = std::min(delayStep, tau[j + 1] - tau[j]);
    const auto [low, high] = std::minmax_element(f.begin(), f.end());
    const double band = *high - *low;
    const double timeRange = static_cast<double>(count - 1) / (band + f[1] - f[0]);
    if (delayStep < 3.0 / band || timeRange / static_cast<double>(components) < delayStep)
        return std::nullopt;

    const int k = static_cast<int>(components);
    int n = std::max(4, static_cast<int>(std::floor(band * delayStep) + 1.0));
    if (n * k > static_cast<int>(count))
        n -= 1;

    const Eigen::MatrixXcd delays = buildDelayTable(f, tau);
    if (numExpMode == 0) {
        const double current = logDetEstimate(n, f, delays, model);
        const double fewer = n > 4 ? logDetEstimate(n - 1, f, delays, model) : current - 1.0;
        if (current <= fewer)
            std::cout << "DET clarification not applied" << std::endl;
        else
            n = refineNumExp(n, f, delays, model);
    } else if (fixedNumExp == 0) {
        std::cout << "Refinement of NumExp is not used" << std::endl;
    } else {
        // Fewer than four nodes cannot carry a cubic model over the band, and more basis
        // functions than points leave the fit undetermined.
        if (fixedNumExp < 4 || fixedNumExp * k > static_cast<int>(count))
            return std::nullopt;
        n = fixedNumExp;
        std::cout << "FIXED VALUE of NumExp = " << n << std::endl;
    }

    const FitModelMatrix B = buildFitModel(f, n, model);
    FitDesignMatrix A;
    buildExponentialMatrix(B, delays, A);
    const Eigen::PartialPivLU<Eigen::MatrixXcd> lu(normalMatrix(A));
    if (isSingularNormalMatrix(lu))
        return std::nullopt;
    const Eigen::VectorXcd target = Eigen::Map<const Eigen::VectorXcd>(y.data(), static_cast<Eigen::Index>(count));
    const Eigen::VectorXcd coefficients = lu.solve(A.adjoint() * target);

    std::vector<std::vector<std::complex<double>>> result(components);
    for (std::size_t j = 0; j < components; ++j) {
        const Eigen::VectorXcd c = coefficients.segment(static_cast<Eigen::Index>(j) * n, n);
        const Eigen::VectorXd real = B * c.real();
        const Eigen::VectorXd imaginary = B * c.imag();
        result[j].resize(count);
        for (std::size_t i = 0; i < count; ++i)
            result[j][i] = {real[static_cast<Eigen::Index>(i)], imaginary[static_cast<Eigen::Index>(i)]};
    }
    return result;
}

} // namespace Algorithms
