#include "engine/timedomain/TimeAxis.h"

#include "engine/vectors/Ranges.h"

#include <cmath>

namespace Algorithms {

namespace {

constexpr double pi = 3.14159265358979323846;

} // namespace

TimeContour timeContour(const std::vector<double>& times, double naturalStep, std::size_t points)
{
    TimeContour contour;
    const double length = static_cast<double>(points);
    const double u0 = times.empty() ? 0.0 : times[0] / naturalStep;
    const double du = times.size() < 2 ? 0.0 : times[1] / naturalStep - u0;
    contour.a = std::polar(1.0, 2.0 * pi * u0 / length);
    contour.w = std::polar(1.0, 2.0 * pi * du / length);
    return contour;
}

std::vector<double> spreadTimes(double start, double stop, std::size_t points)
{
    std::vector<double> times = colonRange(start, stop, (stop - start) / static_cast<double>(points - 1));
    times.resize(points, 0.0);
    return times;
}

} // namespace Algorithms
