#pragma once

#include <QString>
#include <QStringList>

#include <complex>
#include <optional>
#include <vector>

namespace Simulator {

// Argument parsing and reply formatting of the simulated analyzer.

// Short form of a keyword in SCPI notation: its leading upper-case part ("LINear" -> "LIN").
QString shortForm(const QString& keyword);

// A decimal number; no value for anything else (units are not accepted).
std::optional<double> parseNumber(const QString& text);
// A whole number; no value for fractions or other text.
std::optional<int> parseInteger(const QString& text);
// "1"/"0"/"ON"/"OFF" in any letter case.
std::optional<bool> parseBoolean(const QString& text);
// The index of the keyword (notation as in ScpiPattern: short form in upper case)
// that the text names in its short or long form, any letter case.
std::optional<int> parseKeyword(const QString& text, const QStringList& keywords);

// Reals with 15 significant digits (exact enough for every frequency grid).
QString formatNumber(double value);
QString formatBoolean(bool value);
QString formatNumbers(const std::vector<double>& values);
// Real and imaginary parts of each value, all joined by ",".
QString formatComplexNumbers(const std::vector<std::complex<double>>& values);

} // namespace Simulator
