#pragma once

#include <QColor>
#include <QPointF>
#include <QSGGeometry>
#include <QSGGeometryNode>

namespace Orlix::Frontend {

// One vertex of the smooth-colour technique: position, premultiplied colour,
// and the offset along which the shader widens an anti-aliasing fringe.
struct SmoothColorVertex
{
    float x;
    float y;
    unsigned char r;
    unsigned char g;
    unsigned char b;
    unsigned char a;
    float dx;
    float dy;
};
static_assert(sizeof(SmoothColorVertex) == 20, "the shader reads 20-byte vertices");

const QSGGeometry::AttributeSet& smoothColorAttributes();

// Gives the node an owned, empty triangle-strip geometry of smooth-colour
// vertices with 32-bit indices, and its own SmoothColorMaterial.
void initSmoothColorNode(QSGGeometryNode& node);

// A band of constant width along a run of steps, each step a point on the
// band's centre line with the unit normal there. The core is a triangle strip
// from the outer to the inner edge; with anti-aliasing two transparent fringes
// follow it in the same strip, joined by repeated indices.
class Ribbon
{
public:
    // Allocates the geometry for stepCount steps (none when stepCount < 2).
    Ribbon(QSGGeometry& geometry, int stepCount, float width, const QColor& colour, bool antialiasing);

    void setStep(int index, QPointF centre, QPointF normal);

    static int verticesPerStep(bool antialiasing) { return antialiasing ? 4 : 2; }

private:
    void writeIndices(int stepCount);

    QSGGeometry& m_geometry;
    float m_halfWidth;
    float m_fringe;
    bool m_antialiasing;
    unsigned char m_colour[4];
};

} // namespace Orlix::Frontend
