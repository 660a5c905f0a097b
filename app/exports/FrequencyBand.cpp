#include "app/exports/FrequencyBand.h"

#include <algorithm>

namespace {

constexpr double EdgeTolerance = 1e-3; // of the measured step at the edge

} // namespace

FrequencyBand FrequencyBand::of(const std::vector<double>& grid)
{
    const auto [lowest, highest] = std::minmax_element(grid.begin(), grid.end());
    return {*lowest, *highest};
}

bool coversGrid(const std::vector<double>& measured, const std::vector<double>& grid)
{
    const FrequencyBand band = FrequencyBand::of(grid);
    const std::size_t last = measured.size() - 1;
    const double lowestAllowed = measured.front() - EdgeTolerance * (measured[1] - measured.front());
    const double highestAllowed = measured.back() + EdgeTolerance * (measured.back() - measured[last - 1]);
    return band.lowest >= lowestAllowed && band.highest <= highestAllowed;
}
