#pragma once

#include <QPointF>
#include <QString>
#include <QVector>

#include <optional>

namespace Orlix::Automation {

// A real number as remote replies write it: 'g' with 6 significant digits.
QString formatReal(double value);
QString formatBool(bool value);

// The y values of a non-empty curve joined by ",", with no blank and no line end.
QString formatTraceValues(const QVector<QPointF>& curve);

// The value as a reply, or `missingCode` raised when there is none.
QString realOrRaise(const std::optional<double>& value, int missingCode);

} // namespace Orlix::Automation
