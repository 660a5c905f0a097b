#include "app/formatting/TextInputDoubleValidator.h"

#include "app/formatting/MetricText.h"

#include <QLocale>

#include <cmath>

namespace {

const QLocale& numberLocale()
{
    static const QLocale locale = [] {
        QLocale c = QLocale::c();
        c.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
        return c;
    }();
    return locale;
}

} // namespace

TextInputDoubleValidator::TextInputDoubleValidator(QObject* parent)
    : QDoubleValidator(parent)
{
}

QValidator::State TextInputDoubleValidator::validate(QString& input, int&) const
{
    if (input.isEmpty())
        return Intermediate;
    if (input == QLatin1String("-"))
        return bottom() < 0 ? Intermediate : Invalid;
    const int point = input.indexOf(numberLocale().decimalPoint());
    if (point >= 0 && input.size() - point - 1 > decimals())
        return Invalid;
    bool converted = false;
    const double value = numberLocale().toDouble(input, &converted);
    if (!converted || !std::isfinite(value) || value < bottom() || value > top())
        return Invalid;
    return isPlainNumber(input) ? Acceptable : Intermediate;
}
