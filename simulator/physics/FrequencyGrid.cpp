#include "simulator/physics/FrequencyGrid.h"

namespace Simulator::Physics {

std::vector<double> lowPassGrid(double step, std::size_t count)
{
    std::vector<double> grid(count);
    for (std::size_t k = 0; k < count; ++k)
        grid[k] = step * static_cast<double>(k + 1);
    return grid;
}

std::vector<double> bandPassGrid(double start, double stop, std::size_t count)
{
    if (count < 2)
        return count == 1 ? std::vector<double>{start} : std::vector<double>{};
    std::vector<double> grid(count);
    const double step = (stop - start) / static_cast<double>(count - 1);
    for (std::size_t k = 0; k < count; ++k)
        grid[k] = start + step * static_cast<double>(k);
    grid.back() = stop;
    return grid;
}

} // namespace Simulator::Physics
