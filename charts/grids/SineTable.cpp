#include "charts/grids/SineTable.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace Orlix::Frontend {

namespace {

constexpr int entries = 256;
constexpr double fullTurn = 2.0 * M_PI;

const std::array<double, entries + 1>& table()
{
    static const std::array<double, entries + 1> values = [] {
        std::array<double, entries + 1> v{};
        for (int i = 0; i <= entries; ++i)
            v[i] = std::sin(i * fullTurn / entries);
        return v;
    }();
    return values;
}

} // namespace

double tableSin(double angle)
{
    if (!std::isfinite(angle))
        return std::nan("");
    double turns = std::fmod(angle, fullTurn);
    if (turns < 0.0)
        turns += fullTurn;
    const double position = turns / fullTurn * entries;
    const int index = std::min(static_cast<int>(position), entries - 1);
    const double fraction = position - index;
    return table()[index] + (table()[index + 1] - table()[index]) * fraction;
}

double tableCos(double angle)
{
    return tableSin(angle + M_PI / 2.0);
}

} // namespace Orlix::Frontend
