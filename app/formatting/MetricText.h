#pragma once

#include <QString>

#include <optional>

// Numbers as the interface shows and reads them: with an SI prefix, so that
// 1500000 shows as "1.5 M" and "2.5 k" reads as 2500.

// Whose prefix texts a text carries: those of the interface's language, or the
// English ones that files keep in every language.
enum class PrefixLanguage { Interface, English };

// The value scaled by the prefix whose factor lies nearest to its magnitude,
// rounded to `precision` decimals and to 6 significant digits, a blank and the
// prefix ("500 " when no prefix). A value that is not finite gives the plain
// number ("nan", "inf", "-inf").
QString toNormalized(double value, int precision, PrefixLanguage language = PrefixLanguage::Interface);

// A plain number ("-12.5": digits with an optional sign and dot-separated
// fraction), optionally followed by blanks and a prefix text, of the
// interface's language or English; no value when the text is anything else or
// the number is not finite.
std::optional<double> readMetric(const QString& text);

// A number as users type it into a field: readMetric's forms, or exponent
// notation ("15e9", "-1.5E-3"), which engineers type as often; no value for
// anything else or a number that is not finite.
std::optional<double> readTyped(const QString& text);

// readMetric, with 0 for unreadable text.
double toMetric(const QString& text);

// Rounded to `precision` decimals, halves away from zero.
double toPrecision(double value, int precision);

// Digits with an optional sign and a dot-separated fraction, nothing else.
bool isPlainNumber(const QString& text);

// A plain number or one in exponent notation: a number without a prefix.
bool isUnprefixedNumber(const QString& text);
