#include "charts/grids/NiceLabels.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Labels of any sensible tick count fit far within this; it bounds the list
// for an absurd tick count.
constexpr qint64 maxLabels = 10000;

// 1, 2, 5 or 10 times the power of ten of x: the nearest such number when
// rounding, else the smallest one not below x.
double niceNumber(double x, bool round)
{
    // Powers of ten below the smallest normal double lose digits, down to 0;
    // a span that small is counted in units of the smallest whole power.
    const double exponent = std::max(std::floor(std::log10(x)), -307.0);
    const double power = std::pow(10.0, exponent);
    const double fraction = x / power;
    double nice;
    if (round)
        nice = fraction < 1.5 ? 1.0 : fraction < 3.0 ? 2.0 : fraction < 7.0 ? 5.0 : 10.0;
    else
        nice = fraction <= 1.0 ? 1.0 : fraction <= 2.0 ? 2.0 : fraction <= 5.0 ? 5.0 : 10.0;
    return nice * power;
}

// One unit in the last place at the larger magnitude of the two values.
double ulpOf(double a, double b)
{
    const double magnitude = std::max(std::abs(a), std::abs(b));
    return std::nextafter(magnitude, std::numeric_limits<double>::infinity()) - magnitude;
}

} // namespace

QVariantList NiceLabels::looseLabels(double min, double max, int tickCount)
{
    if (!(max > min) || tickCount < 2 || !std::isfinite(min) || !std::isfinite(max) || !std::isfinite(max - min))
        return {};
    const double range = niceNumber(max - min, false);
    double step = niceNumber(range / (tickCount - 1), true);
    // A nearly constant curve (50 ohms give or take 1e-14) asks for a step
    // below the resolution of its values; widen it to one that can count them.
    const double finest = minimumStepInUlps * ulpOf(min, max);
    if (!(step >= finest))
        step = niceNumber(finest, false);
    if (!(step > 0.0) || !std::isfinite(step))
        return {};
    const double lowest = std::floor(min / step);
    const double highest = std::ceil(max / step);
    const qint64 count = static_cast<qint64>(highest - lowest) + 1;
    if (!std::isfinite(highest * step) || !std::isfinite(lowest * step) || count > maxLabels)
        return {};

    QVariantList labels;
    labels.reserve(int(count));
    for (qint64 i = 0; i < count; ++i)
        labels.append((highest - static_cast<double>(i)) * step);
    return labels;
}

QVariantList NiceLabels::looseLabels(double min, double max)
{
    return looseLabels(min, max, 10);
}

QPointF NiceLabels::looseLabelsMinMax(QPointF point)
{
    const QVariantList labels = looseLabels(point.x(), point.y(), 10);
    if (labels.isEmpty())
        return {0.0, 0.0};
    return {labels.last().toDouble(), labels.first().toDouble()};
}
