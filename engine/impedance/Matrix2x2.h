#pragma once

#include <Eigen/Dense>

#include <complex>
#include <utility>

namespace Algorithms {

// One frequency point of a two-port: element (row, column) is S(row+1, column+1).
// Row-major storage keeps the containers' memory order S11, S12, S21, S22.
using ComplexMatrix2x2 = Eigen::Matrix<std::complex<double>, 2, 2, Eigen::RowMajor>;
using RealMatrix2x2 = Eigen::Matrix<double, 2, 2, Eigen::RowMajor>;
using ComplexMatrixPair = std::pair<ComplexMatrix2x2, ComplexMatrix2x2>;

// Fixed 2 x 2 arithmetic without checks: a singular matrix gives non-finite entries.
ComplexMatrix2x2 inverse2x2Complex(const ComplexMatrix2x2& m);
RealMatrix2x2 inverse2x2Real(const RealMatrix2x2& m);
// (A - B * C)^-1
ComplexMatrix2x2 subtractProductInverse2x2(const RealMatrix2x2& a, const RealMatrix2x2& b,
                                           const ComplexMatrix2x2& c);
// Left * M * Right with real outer factors.
ComplexMatrix2x2 mixedProduct2x2(const RealMatrix2x2& left, const ComplexMatrix2x2& m,
                                 const RealMatrix2x2& right);
// L * M * Right with a real right factor.
ComplexMatrix2x2 mixedProduct2x2b(const ComplexMatrix2x2& l, const ComplexMatrix2x2& m,
                                  const RealMatrix2x2& right);

// Transfer matrix of a scattering matrix, divided by S12 (infinite when S12 is zero),
// and its exact inverse.
ComplexMatrix2x2 scatteringToTransfer(const ComplexMatrix2x2& s);
ComplexMatrix2x2 transferToScattering(const ComplexMatrix2x2& t);

ComplexMatrixPair zeroMatrixPair();

} // namespace Algorithms
