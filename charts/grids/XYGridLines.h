#pragma once

#include <QLine>
#include <QVector>

namespace Orlix::Frontend {

// The lines of a rectangular grid in item pixels, and the x axis labels that
// belong to its vertical lines (in the order of the lines).
struct XYGridLines
{
    QVector<QLine> inner;
    QVector<QLine> outer;
    QVector<double> labels;
};

// No layout draws more lines in one direction: beyond that the grid would be a
// solid area, and absurd ranges or counts must not cost unbounded time or memory.
constexpr int maxGridLines = 1000;

} // namespace Orlix::Frontend
