#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace Simulator {

// Value texts of the analyzer's files: doubles written exactly (17 significant
// digits), so that a saved and loaded state equals the one saved.
QString exactNumber(double value);
QString numberList(const std::vector<double>& values);
std::optional<std::vector<double>> parseNumberList(const QString& text);
// Port numbers from 1, joined by "," ("1,2"); empty text for none.
QString portList(const std::vector<int>& ports);
std::optional<std::vector<int>> parsePortList(const QString& text);

} // namespace Simulator
