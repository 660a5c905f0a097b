#include "measurement/port/CurveBuilders.h"

#include "measurement/models/Zip.h"

#include <cmath>
#include <stdexcept>

namespace {

const double MagnitudeFloor = std::pow(10.0, MagnitudeFloorDb / 20.0);

template <typename Values, typename Map>
QVector<QPointF> buildCurve(const std::vector<double>& axis, const Values& values, Map map)
{
    QVector<QPointF> curve;
    const auto pairs = Helpers::Ranges::zip(axis, values);
    curve.reserve(static_cast<int>(axis.size()));
    for (const auto& [x, value] : pairs)
        curve.append(QPointF(x, map(x, value)));
    return curve;
}

} // namespace

QVector<QPointF> decibelCurve(const std::vector<double>& frequencies,
                              const std::vector<std::complex<double>>& values)
{
    return buildCurve(frequencies, values, [](double frequency, std::complex<double> value) {
        const double magnitude = std::abs(value);
        if (!std::isfinite(frequency) || !std::isfinite(magnitude))
            throw std::runtime_error("SParam is inf or nan");
        return 20.0 * std::log10(std::max(magnitude, MagnitudeFloor));
    });
}

QVector<QPointF> magnitudeCurve(const std::vector<double>& times, const std::vector<std::complex<double>>& values)
{
    return buildCurve(times, values,
                      [](double, std::complex<double> value) { return std::hypot(value.real(), value.imag()); });
}

QVector<QPointF> valueCurve(const std::vector<double>& times, const std::vector<double>& values)
{
    return buildCurve(times, values, [](double, double value) { return value; });
}
