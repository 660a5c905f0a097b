#include "simulator/measurement/MatrixInterpolation.h"

#include "engine/vectors/Interpolation.h"

namespace Simulator {

std::vector<Eigen::MatrixXcd> interpolated(const std::vector<double>& frequencies,
                                           const std::vector<Eigen::MatrixXcd>& samples,
                                           const std::vector<double>& grid)
{
    if (samples.size() == 1)
        return std::vector<Eigen::MatrixXcd>(grid.size(), samples.front());

    const Eigen::Index rows = samples.front().rows();
    const Eigen::Index columns = samples.front().cols();
    std::vector<Eigen::MatrixXcd> result(grid.size(), Eigen::MatrixXcd::Zero(rows, columns));
    std::vector<std::complex<double>> entry(samples.size());
    for (Eigen::Index row = 0; row < rows; ++row) {
        for (Eigen::Index column = 0; column < columns; ++column) {
            for (std::size_t k = 0; k < samples.size(); ++k)
                entry[k] = samples[k](row, column);
            const auto values = Algorithms::interpolateComplexVector(frequencies, entry, grid);
            for (std::size_t k = 0; k < grid.size(); ++k)
                result[k](row, column) = values[k];
        }
    }
    return result;
}

} // namespace Simulator
