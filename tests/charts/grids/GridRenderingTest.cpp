#include "charts/grids/XYGrid.h"
#include "charts/nodes/ArcNode.h"

#include <QImage>
#include <QQuickView>
#include <QTest>
#include <QtMath>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

using namespace Orlix::Frontend;

namespace {

// An item that shows one circle through an ArcNode.
class CircleItem : public QQuickItem
{
public:
    explicit CircleItem(QQuickItem* parent)
        : QQuickItem(parent)
    {
        setFlag(ItemHasContents);
    }

protected:
    QSGNode* updatePaintNode(QSGNode* oldNode, UpdatePaintNodeData*) override
    {
        auto* node = oldNode != nullptr ? static_cast<ArcNode*>(oldNode) : new ArcNode;
        node->update({{50, 50}, 30, 0, 2 * M_PI}, 3.0f, Qt::green, true);
        return node;
    }
};

bool near(QRgb pixel, QColor colour)
{
    return std::abs(qRed(pixel) - colour.red()) <= 8 && std::abs(qGreen(pixel) - colour.green()) <= 8
           && std::abs(qBlue(pixel) - colour.blue()) <= 8;
}

// True when a pixel within one pixel of (x, y) has the colour.
bool colourAround(const QImage& image, int x, int y, QColor colour)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (near(image.pixel(x + dx, y + dy), colour))
                return true;
    return false;
}

double distanceToSegment(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const double t = std::clamp(QPointF::dotProduct(p - a, ab) / QPointF::dotProduct(ab, ab), 0.0, 1.0);
    const QPointF nearest = a + ab * t;
    return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

} // namespace

// A 100 x 100 grid at (10, 10) with 3-pixel lines: red vertical lines at the
// tenths of 99 pixels, one red horizontal line halfway, blue edges; a green
// circle of radius 30 around (180, 60). Every coloured pixel lies on one of them.
TEST(GridRenderingTest, GridAndCircleAppearInTheirColoursAndNowhereElse)
{
    QQuickView view;
    view.setColor(Qt::white);
    view.resize(240, 120);
    auto* grid = new XYGrid(view.contentItem());
    grid->setPosition({10, 10});
    grid->setSize({100, 100});
    grid->setYCount(2);
    grid->setLineWidth(3.0);
    grid->setInnerGridLinesColor(Qt::red);
    grid->setOuterGridLinesColor(Qt::blue);
    auto* circle = new CircleItem(view.contentItem());
    circle->setPosition({130, 10});
    circle->setSize({100, 100});
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const QImage image = view.grabWindow();
    ASSERT_EQ(image.size(), QSize(240, 120));

    const std::vector<int> columns{10, 20, 30, 40, 50, 59, 69, 79, 89};
    for (int column : columns)
        EXPECT_TRUE(colourAround(image, 10 + column, 35, Qt::red)) << column;
    EXPECT_TRUE(colourAround(image, 25, 60, Qt::red));
    EXPECT_TRUE(colourAround(image, 10, 35, Qt::blue));
    EXPECT_TRUE(colourAround(image, 110, 35, Qt::blue));
    EXPECT_TRUE(colourAround(image, 35, 10, Qt::blue));
    EXPECT_TRUE(colourAround(image, 35, 110, Qt::blue));
    for (double degrees : {0.0, 90.0, 200.0, 315.0}) {
        const double angle = qDegreesToRadians(degrees);
        EXPECT_TRUE(colourAround(image, int(180 + 30 * std::cos(angle)), int(60 + 30 * std::sin(angle)), Qt::green))
            << degrees;
    }

    std::vector<std::pair<QPointF, QPointF>> segments;
    for (int column : columns)
        segments.push_back({{10.5 + column, 10}, {10.5 + column, 110}});
    segments.push_back({{10, 60.5}, {110, 60.5}});
    for (double edge : {10.5, 110.5}) {
        segments.push_back({{edge, 10}, {edge, 111}});
        segments.push_back({{10, edge}, {111, edge}});
    }
    int coloured = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (near(image.pixel(x, y), Qt::white))
                continue;
            ++coloured;
            const QPointF centre(x + 0.5, y + 0.5);
            double nearest = std::abs(std::hypot(centre.x() - 180, centre.y() - 60) - 30);
            for (const auto& [a, b] : segments)
                nearest = std::min(nearest, distanceToSegment(centre, a, b));
            EXPECT_LE(nearest, 3.0) << x << ", " << y;
        }
    }
    EXPECT_GT(coloured, 1000);
}
