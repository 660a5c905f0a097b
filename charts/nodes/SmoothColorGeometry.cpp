#include "charts/nodes/SmoothColorGeometry.h"

#include "charts/nodes/SmoothColorMaterial.h"

namespace Orlix::Frontend {

namespace {

// Per step: outer edge, inner edge, then with anti-aliasing the outer and the inner fringe.
enum VertexRole { Outer = 0, Inner = 1, OuterFringe = 2, InnerFringe = 3 };

unsigned char premultipliedByte(double channel, double alpha)
{
    return static_cast<unsigned char>(channel * alpha * 255.0);
}

} // namespace

const QSGGeometry::AttributeSet& smoothColorAttributes()
{
    static const QSGGeometry::Attribute attributes[] = {
        QSGGeometry::Attribute::createWithAttributeType(0, 2, QSGGeometry::FloatType,
                                                        QSGGeometry::PositionAttribute),
        QSGGeometry::Attribute::createWithAttributeType(1, 4, QSGGeometry::UnsignedByteType,
                                                        QSGGeometry::ColorAttribute),
        QSGGeometry::Attribute::createWithAttributeType(2, 2, QSGGeometry::FloatType,
                                                        QSGGeometry::TexCoordAttribute)};
    static const QSGGeometry::AttributeSet set = {3, sizeof(SmoothColorVertex), attributes};
    return set;
}

void initSmoothColorNode(QSGGeometryNode& node)
{
    auto* geometry = new QSGGeometry(smoothColorAttributes(), 0, 0, QSGGeometry::UnsignedIntType);
    geometry->setDrawingMode(QSGGeometry::DrawTriangleStrip);
    node.setGeometry(geometry);
    node.setMaterial(new SmoothColorMaterial);
    node.setFlags(QSGNode::OwnsGeometry | QSGNode::OwnsMaterial);
}

Ribbon::Ribbon(QSGGeometry& geometry, int stepCount, float width, const QColor& colour, bool antialiasing)
    : m_geometry(geometry)
    , m_halfWidth(width / 2.0f)
    , m_fringe(0.4f * width)
    , m_antialiasing(antialiasing)
    , m_colour{premultipliedByte(colour.redF(), colour.alphaF()), premultipliedByte(colour.greenF(), colour.alphaF()),
               premultipliedByte(colour.blueF(), colour.alphaF()), premultipliedByte(1.0, colour.alphaF())}
{
    if (stepCount < 2)
        stepCount = 0;
    const int joins = antialiasing && stepCount > 0 ? 4 : 0;
    const int indicesPerStep = antialiasing ? 6 : 2;
    geometry.allocate(stepCount * verticesPerStep(antialiasing), stepCount * indicesPerStep + joins);
    writeIndices(stepCount);
}

void Ribbon::writeIndices(int stepCount)
{
    quint32* index = m_geometry.indexDataAsUInt();
    const quint32 perStep = static_cast<quint32>(verticesPerStep(m_antialiasing));
    const auto strip = [&](quint32 first, quint32 second) {
        for (quint32 step = 0; step < static_cast<quint32>(stepCount); ++step) {
            *index++ = step * perStep + first;
            *index++ = step * perStep + second;
        }
    };
    // Repeating the last index of one strip and the first of the next makes
    // zero-area triangles, so the three strips draw as one.
    const auto join = [&](quint32 nextFirst) {
        *index = *(index - 1);
        ++index;
        *index++ = nextFirst;
    };
    strip(Outer, Inner);
    if (!m_antialiasing || stepCount == 0)
        return;
    join(OuterFringe);
    strip(OuterFringe, Outer);
    join(Inner);
    strip(Inner, InnerFringe);
}

void Ribbon::setStep(int index, QPointF centre, QPointF normal)
{
    SmoothColorVertex* vertex = static_cast<SmoothColorVertex*>(m_geometry.vertexData()) + index * verticesPerStep(m_antialiasing);
    const QPointF outer = centre + normal * m_halfWidth;
    const QPointF inner = centre - normal * m_halfWidth;
    const auto set = [](SmoothColorVertex& v, QPointF p, const unsigned char* rgba, QPointF offset) {
        v = {float(p.x()), float(p.y()), rgba[0], rgba[1], rgba[2], rgba[3], float(offset.x()), float(offset.y())};
    };
    static const unsigned char transparent[4] = {0, 0, 0, 0};
    set(vertex[Outer], outer, m_colour, {});
    set(vertex[Inner], inner, m_colour, {});
    if (!m_antialiasing)
        return;
    set(vertex[OuterFringe], outer, transparent, normal * m_fringe);
    set(vertex[InnerFringe], inner, transparent, -normal * m_fringe);
}

} // namespace Orlix::Frontend
