#pragma once

#include "engine/fits/FitModel.h"

#include <Eigen/Core>

#include <complex>
#include <optional>
#include <vector>

namespace Algorithms {

// The design matrix of the fit: for every delay a block of the model's columns.
using FitDesignMatrix = Eigen::SparseMatrix<std::complex<double>, Eigen::RowMajor>;

// exp(-j 2 pi f_i tau_j) for every grid point (rows) and delay (columns).
Eigen::MatrixXcd buildDelayTable(const std::vector<double>& f, const std::vector<double>& tau);

// Column block j of A (columns j*n ... j*n + n - 1) is B with row i multiplied by delays(i, j).
void buildExponentialMatrix(const FitModelMatrix& B, const Eigen::MatrixXcd& delays, FitDesignMatrix& A);

// log10 |det(A^H A)| of the design with n nodes over f (1e-10 where the logarithm is exactly
// 0, so that 0 never stands for an evaluated point).
double logDetEstimate(int n, const std::vector<double>& f, const Eigen::MatrixXcd& delays, int model);

// The node count near nFirst where log10 |det(A^H A)| peaks: a parabola search over a table
// of evaluated counts, then a local ascent; nFirst whenever the search leaves its range.
int refineNumExp(int nFirst, const std::vector<double>& f, const Eigen::MatrixXcd& delays, int model);

// The next candidate of the parabola search: table entry n - 1 holds D(n), 0 where not
// evaluated; the vertex of the least-squares parabola through the evaluated points, rounded.
// NaN when fewer than three points are evaluated or they give no vertex.
double numExpSearchStep(const std::vector<double>& table);

// Fits y on the grid f by K = |tau| components, component j being a smooth function of
// frequency (NumExp basis functions over nodes spread evenly over the band) times
// exp(-j 2 pi f tau_j), by linear least squares; returns the K smooth functions on f.
// model: 0 cubic B-splines, otherwise sinc functions. numExpMode 0 estimates NumExp from the
// band and the delays and refines it on the determinant of the normal matrix; 1 uses
// fixedNumExp (0: the estimate, unrefined). Empty when the delays cannot be resolved on the
// grid (closer than 3 / band, or further apart than the grid's time range allows), on bad
// input, or when the normal matrix is numerically singular. Reentrant.
std::optional<std::vector<std::vector<std::complex<double>>>> fitExponentials(
    const std::vector<double>& f, const std::vector<std::complex<double>>& y, const std::vector<double>& tau,
    int model = 0, int numExpMode = 0, int fixedNumExp = 0);

} // namespace Algorithms
