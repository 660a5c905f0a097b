#pragma once

#include <vector>

// The lowest and the highest frequency of a grid, Hz.
struct FrequencyBand
{
    double lowest = 0.0;
    double highest = 0.0;

    // `grid` holds at least one point.
    static FrequencyBand of(const std::vector<double>& grid);
};

// Whether data measured on `measured` (ascending, at least two points) may be
// re-gridded onto `grid` (at least one point): beyond the measured edges
// re-gridding only repeats the edge values. A grid edge may lie outside by a
// thousandth of the measured step at that edge, so that a grid equal to the
// measured one, read back with its last digits rounded, still fits; over that
// distance the repeated value is as good as interpolated.
bool coversGrid(const std::vector<double>& measured, const std::vector<double>& grid);
