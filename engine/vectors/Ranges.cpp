#include "engine/vectors/Ranges.h"

#include <cmath>

namespace Algorithms {

std::vector<int> colonRangeInt(int a, int b, int step)
{
    if (step < 1 || b < a)
        return {};
    const int count = (b - a) / step + 1;
    std::vector<int> result(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k)
        result[static_cast<std::size_t>(k)] = a + k * step;
    result.back() = b;
    return result;
}

std::vector<double> colonRange(double a, double b, double step)
{
    if (!(step > 0.0) || !(b >= a))
        return {};
    const double count = std::round((b - a) / step) + 1.0;
    if (!std::isfinite(count) || count < 1.0)
        return {};
    std::vector<double> result(static_cast<std::size_t>(count));
    result[0] = a;
    for (std::size_t k = 1; k < result.size(); ++k)
        result[k] = result[k - 1] + step;
    result.back() = b;
    return result;
}

void stepRange(double a, double b, double step, std::vector<double>& out)
{
    out.clear();
    if (!(step > 0.0) || !(b >= a))
        return;
    const double count = std::round((b - a) / step + 1.0);
    if (!std::isfinite(count) || count < 1.0)
        return;
    out.assign(static_cast<std::size_t>(count), 0.0);
    out[0] = a;
    double value = a;
    for (std::size_t k = 1; k < out.size(); ++k) {
        value += step;
        if (value > b)
            break;
        out[k] = value;
    }
    out.back() = b;
}

} // namespace Algorithms
