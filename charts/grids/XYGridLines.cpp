#include "charts/grids/PixelRounding.h"
#include "charts/grids/XYGrid.h"

#include <algorithm>
#include <cmath>

namespace Orlix::Frontend {

namespace {

// Line numbers k of the nice layout are whole numbers far inside the range of qint64.
constexpr double lineNumberLimit = 9.2e18;

// Collects the vertical lines, each with its label; a line whose pixel is not
// a finite whole number (a range of zero width, say) is left out.
class VerticalLines
{
public:
    VerticalLines(XYGridLines& lines, int height)
        : m_lines(lines)
        , m_height(height)
    {
    }

    void add(double pixel, double label)
    {
        const std::optional<int> x = wholePixel(pixel);
        if (!x || m_lines.labels.size() >= maxGridLines)
            return;
        m_lines.inner.append(QLine(*x, 0, *x, m_height));
        m_lines.labels.append(label);
    }

private:
    XYGridLines& m_lines;
    int m_height;
};

// The step rounded to four significant digits; 0 for a step too small, or not finite.
double roundedToFourDigits(double step)
{
    if (!(std::abs(step) > 1e-12) || !std::isfinite(step))
        return 0.0;
    const double p = std::pow(10.0, std::floor(std::log10(std::abs(step))) - 3.0);
    return std::floor(step / p + 0.5) * p;
}

double niceGridStep(double span)
{
    if (!(std::abs(span) > 1e-12))
        return span;
    const double p = std::pow(10.0, std::floor(std::log10(span)));
    const double f = span / p;
    static const double limits[] = {1.0, 1.25, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 7.5};
    static const double factors[] = {0.1, 0.125, 0.2, 0.25, 0.3, 0.4, 0.5, 0.6, 0.75};
    for (int i = 0; i < 9; ++i)
        if (f <= limits[i])
            return p * factors[i];
    return p;
}

void addEquidistant(VerticalLines& lines, double xMin, double span, int xCount, int width)
{
    for (int k = 1; k < xCount; ++k)
        lines.add(k * (width - 1) / 10.0, xMin + k * span / xCount);
}

void addCentered(VerticalLines& lines, double xMin, double span, int xCount, double unitsPerPixel)
{
    if (unitsPerPixel == 0.0)
        return;
    const double centre = xMin + span / 2.0;
    const auto add = [&](double value) { lines.add((value - xMin) / unitsPerPixel, value); };
    add(centre);
    const double step = roundedToFourDigits(span / xCount);
    // A step of 0 would only repeat the centre line.
    if (step == 0.0)
        return;
    for (int k = 1; k < xCount / 2; ++k)
        add(centre - k * step);
    for (int k = 1; k < xCount / 2; ++k)
        add(centre + k * step);
}

void addNice(VerticalLines& lines, double xMin, double xMax, double unitsPerPixel)
{
    const double step = niceGridStep(xMax - xMin);
    if (!(step > 0.0) || !std::isfinite(step))
        return;
    const double first = std::ceil(xMin / step);
    const double end = std::ceil(xMax / step);
    if (!(std::abs(first) < lineNumberLimit) || !(std::abs(end) < lineNumberLimit))
        return;
    // Counted in whole numbers: a double counter stops moving once it passes 2^53.
    const qint64 count = std::min<qint64>(static_cast<qint64>(end) - static_cast<qint64>(first), maxGridLines);
    for (qint64 i = 0; i < count; ++i) {
        const double value = (first + static_cast<double>(i)) * step;
        lines.add((value - xMin) / unitsPerPixel, value);
    }
}

// Lines at 9, 8, ..., 1 times each power of ten, from the top of the range
// down. Worked in decade exponents, so that a range reaching below the
// smallest double still ends, and labelled with the exponent.
void addLog(VerticalLines& lines, double exponentMin, double exponentMax, int width)
{
    if (!std::isfinite(exponentMin) || !std::isfinite(exponentMax) || !(exponentMax > exponentMin))
        return;
    const double pixelsPerDecade = width / (exponentMax - exponentMin);
    double decade = std::floor(exponentMax - 1e-6);
    int multiple = static_cast<int>(std::clamp(std::floor(std::pow(10.0, exponentMax - decade) + 1e-9), 1.0, 10.0));
    for (int i = 0; i < maxGridLines; ++i) {
        const double exponent = decade + std::log10(multiple);
        if (!(exponent > exponentMin))
            return;
        lines.add((exponent - exponentMin) * pixelsPerDecade, exponent);
        if (--multiple == 0) {
            multiple = 9;
            decade -= 1.0;
        }
    }
}

} // namespace

XYGridLines XYGrid::computeLines(GridLayoutMode layout, QPointF xRange, int yCount, QSize size)
{
    XYGridLines result;
    const int w = size.width();
    const int h = size.height();
    const double xMin = xRange.x();
    const double xMax = xRange.y();
    const double span = xMax - xMin;
    // An item not laid out yet has no width, but its labels are wanted already.
    const double unitsPerPixel = span / std::max(w, 1);

    VerticalLines vertical(result, h);
    switch (layout) {
    case EquidistantGrid:
        addEquidistant(vertical, xMin, span, xCount, w);
        break;
    case CenteredLinGrid:
        addCentered(vertical, xMin, span, xCount, unitsPerPixel);
        break;
    case NiceLabelsLinGrid:
        addNice(vertical, xMin, xMax, unitsPerPixel);
        break;
    case LogGrid:
        addLog(vertical, xMin, xMax, w);
        break;
    }

    const int horizontal = std::min(yCount, maxGridLines + 1);
    for (int k = 1; k < horizontal; ++k) {
        const int y = static_cast<int>(double(h - 1) / yCount * k + 0.5);
        result.inner.append(QLine(0, y, w, y));
    }

    result.outer = {QLine(0, 0, 0, h), QLine(0, h, w, h), QLine(w, 0, w, h), QLine(w, 0, 0, 0)};
    return result;
}

} // namespace Orlix::Frontend
