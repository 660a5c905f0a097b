#pragma once

#include <Eigen/Core>
#include <Eigen/SparseCore>

#include <complex>
#include <cstddef>
#include <vector>

namespace Algorithms {

// Basis functions sampled on the grid: N rows, one column per basis function. Stored
// sparse by rows, since a cubic B-spline has at most four non-zero functions at any point.
using FitModelMatrix = Eigen::SparseMatrix<double, Eigen::RowMajor>;

// The cubic B-spline collocation matrix of the nodes (ascending, n values) on the first N
// points of f, with the not-a-knot knot sequence: the knots are the nodes without the
// second and the next-to-last one, the ends repeated four times (for n < 5 only the ends,
// which gives the cubic Bernstein polynomials; with n = 2 or 3 the first ceil(n/2) and the
// last floor(n/2) of them). Rows sum to 1 for n >= 4, a point takes the piece on its right
// at an interior knot, and points outside the nodes get zero rows.
void buildAlternativeFitModel(const std::vector<double>& f, std::size_t N, const std::vector<double>& nodes,
                              FitModelMatrix& B);

// B[i][k] = sinc((f_i - nodes_k) / (nodes_1 - nodes_0)), sinc(x) = sin(pi x) / (pi x), 1 at 0.
FitModelMatrix buildSincMatrix(const std::vector<double>& f, const std::vector<double>& nodes);

// n nodes spread evenly from min(f) to max(f) (the last exactly max(f)) and the model on
// them: 0 the B-spline model, any other value the sinc model.
FitModelMatrix buildFitModel(const std::vector<double>& f, int n, int model);

} // namespace Algorithms
