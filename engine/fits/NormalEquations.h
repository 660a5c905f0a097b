#pragma once

#include <Eigen/LU>

namespace Algorithms {

// Whether a factorised normal matrix leaves the least-squares solution undetermined: an
// exactly zero pivot (which Eigen's condition estimate does not report), or a reciprocal
// condition number below which the normal equations carry no digit of the solution.
template <typename Matrix>
bool isSingularNormalMatrix(const Eigen::PartialPivLU<Matrix>& lu)
{
    constexpr double smallestRcond = 1e-13;
    const auto& factors = lu.matrixLU();
    for (Eigen::Index k = 0; k < factors.rows(); ++k)
        if (factors(k, k) == typename Matrix::Scalar(0))
            return true;
    return !(lu.rcond() >= smallestRcond);
}

} // namespace Algorithms
