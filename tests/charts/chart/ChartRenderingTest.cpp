#include "tests/charts/chart/ChartScene.h"

#include <cmath>

namespace ChartTest {
namespace {

const QRgb white = qRgb(255, 255, 255);
const QRgb red = qRgb(255, 0, 0);
const QRgb blue = qRgb(0, 0, 255);
const QRgb green = qRgb(0, 255, 0);

// Whether one of three neighbouring pixels across a line has exactly its
// colour: where the line's centre falls within a pixel decides which.
bool colourInRows(const QImage& image, int x, int row, QRgb colour)
{
    for (int y = row - 1; y <= row + 1; ++y)
        if (image.pixel(x, y) == colour)
            return true;
    return false;
}

bool colourInColumns(const QImage& image, int column, int y, QRgb colour)
{
    for (int x = column - 1; x <= column + 1; ++x)
        if (image.pixel(x, y) == colour)
            return true;
    return false;
}

int countColour(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

using ChartRendering = ChartScene;

TEST_F(ChartRendering, DrawsTracesWhereTheirDataLiesInZOrderAndNothingElse)
{
    // Red y = 2.5 (row 140 - 35 = 105), blue x = 6 (column 144), green y = 0
    // over x 0 .. 3 (clamped one pixel inside: row 139).
    Trace* redTrace = addTrace(Qt::red, segment({0.0, 2.5}, {10.0, 2.5}), 0.0);
    addTrace(Qt::blue, segment({6.0, 0.0}, {6.0, 10.0}), 1.0);
    addTrace(Qt::green, segment({0.0, 0.0}, {3.0, 0.0}), 0.0);
    QImage image = frame();

    EXPECT_TRUE(colourInRows(image, 50, 105, red));
    EXPECT_TRUE(colourInRows(image, 200, 105, red));
    EXPECT_TRUE(colourInColumns(image, 144, 20, blue));
    EXPECT_TRUE(colourInColumns(image, 144, 130, blue));
    EXPECT_TRUE(colourInRows(image, 30, 138, green));
    EXPECT_TRUE(colourInColumns(image, 144, 105, blue)) << "the higher z is drawn on top";
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool onLine = std::abs(y - 105) <= 2 || std::abs(x - 144) <= 2 || (y >= 136 && y < 140 && x <= 75);
            if (!onLine) {
                ASSERT_EQ(image.pixel(x, y), white) << x << ", " << y;
            }
        }
    }

    redTrace->setZ(2.0);
    EXPECT_TRUE(colourInColumns(frame(), 144, 105, red)) << "a new z re-sorts the traces";

    redTrace->replace(segment({0.0, 5.0}, {10.0, 5.0}));
    image = frame();
    EXPECT_TRUE(colourInRows(image, 50, 70, red));
    EXPECT_NE(image.pixel(50, 105), red);

    redTrace->setVisible(false);
    EXPECT_EQ(countColour(frame(), red), 0);

    // New points of a hidden trace are taken at once, not left to ask for a
    // trace pass at every frame, and show when the trace does.
    redTrace->replace(segment({0.0, 7.5}, {10.0, 7.5}));
    EXPECT_EQ(countColour(frame(), red), 0);
    EXPECT_TRUE(redTrace->renderData()->pendingUpload.isEmpty());
    redTrace->setVisible(true);
    EXPECT_TRUE(colourInRows(frame(), 50, 35, red));
}

TEST_F(ChartRendering, ResizingRedrawsAtTheNewSize)
{
    addTrace(Qt::red, segment({0.0, 2.5}, {10.0, 2.5}));
    addTrace(Qt::blue, segment({6.0, 0.0}, {6.0, 10.0}));
    ASSERT_TRUE(colourInRows(frame(), 50, 105, red));

    clip->setSize({200.0, 100.0});
    const QImage image = frame();
    EXPECT_TRUE(colourInRows(image, 50, 75, red));
    EXPECT_TRUE(colourInColumns(image, 120, 50, blue));
    EXPECT_EQ(image.pixel(50, 105), white);
    EXPECT_EQ(image.pixel(144, 50), white);
}

TEST_F(ChartRendering, AntialiasedTracesAreDrawnWhereTheirDataLies)
{
    chart->setAntialiasing(true);
    // An ordinary curve: its slots lie a fraction of a pixel apart, which a
    // multisampling software rasterizer would drop.
    addTrace(Qt::red, segment({0.0, 2.5}, {10.0, 2.5}));
    const QImage image = frame();
    auto reddish = [&](int x, int y) {
        const QColor c = image.pixelColor(x, y);
        return c.red() > 200 && c.green() < 100 && c.blue() < 100;
    };
    int columns = 0;
    for (int x = 2; x < 238; ++x)
        columns += reddish(x, 104) || reddish(x, 105);
    EXPECT_GT(columns, 200);
    for (int y = 0; y < 140; ++y) {
        if (std::abs(y - 105) > 2) {
            ASSERT_EQ(image.pixel(120, y), white) << y;
        }
    }
}

} // namespace
} // namespace ChartTest
