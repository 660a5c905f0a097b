#include "app/formatting/OneScaleText.h"

#include "app/formatting/MetricText.h"
#include "app/formatting/UnitPrefixTable.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// A double keeps no more decimal digits exactly.
constexpr int MostDigits = 15;
constexpr int ShownDigits = 6;

// The smallest distance between two neighbouring finite values that differ, 0 when none do.
double finestStep(const QVector<double>& values)
{
    double finest = 0.0;
    for (int i = 1; i < values.size(); ++i) {
        const double step = std::abs(values[i] - values[i - 1]);
        if (std::isfinite(step) && step > 0.0 && (finest == 0.0 || step < finest))
            finest = step;
    }
    return finest;
}

} // namespace

QStringList toNormalizedOnOneScale(const QVector<double>& values, int precision)
{
    double largest = 0.0;
    for (const double value : values)
        if (std::isfinite(value))
            largest = std::max(largest, std::abs(value));
    const auto table = UnitPrefixTable::current();
    const UnitPrefix& prefix = table->nearest(largest > 0.0 ? largest : 1.0);

    // Decimals enough for the finest step between neighbours.
    int decimals = std::clamp(precision, 0, MostDigits);
    const double step = finestStep(values) / prefix.factor;
    if (step > 0.0 && std::isfinite(step))
        decimals = std::clamp(static_cast<int>(std::ceil(-std::log10(step) - 1e-9)), decimals, MostDigits);
    const double largestScaled = largest / prefix.factor;
    const int wholeDigits = largestScaled >= 1.0 ? static_cast<int>(std::floor(std::log10(largestScaled))) + 1 : 1;
    const int digits = std::clamp(wholeDigits + decimals, ShownDigits, MostDigits);

    QStringList texts;
    texts.reserve(values.size());
    for (const double value : values) {
        if (!std::isfinite(value)) {
            texts.append(QString::number(value, 'g', ShownDigits));
            continue;
        }
        // Adding 0 turns a rounded -0 into 0.
        const double shown = toPrecision(value / prefix.factor, decimals) + 0.0;
        texts.append(QString::number(shown, 'g', digits) + QLatin1Char(' ') + prefix.text);
    }
    return texts;
}
