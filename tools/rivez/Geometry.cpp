#include "Geometry.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "ShapeKind.h"
#include "ShapeWalk.h"

void Extent::Add(const Extent& other)
{
    if (!other.IsEmpty())
    {
        Add(other.minX, other.minY);
        Add(other.maxX, other.maxY);
    }
}

double WithoutMinusZero(double value)
{
    return value == 0 ? 0.0 : value;
}

std::string CornersText(const Extent& extent)
{
    std::ostringstream text;
    text << "(" << WithoutMinusZero(extent.minX) << ", " << WithoutMinusZero(extent.minY)
         << ") to (" << WithoutMinusZero(extent.maxX) << ", " << WithoutMinusZero(extent.maxY)
         << ")";
    return text.str();
}

namespace
{
// The points of an arc that can stretch an extent: its ends and the quarter points it passes.
// None can when the square around its circle lies within the extent already: each point is the
// centre plus at most the radius, and rounding keeps that order.
void AddArc(Extent& extent, const CCircleShape& c)
{
    const double r = std::fabs(c.m_dRadius);
    if (c.m_dCenterX - r >= extent.minX && c.m_dCenterX + r <= extent.maxX &&
        c.m_dCenterY - r >= extent.minY && c.m_dCenterY + r <= extent.maxY)
        return;
    const double sweep = ArcSweep(c);
    const double start = sweep == kTwoPi ? 0.0 : c.m_dStartAngle;
    auto at = [&](double a)
    {
        const CosSin turn = CosSinOf(a);
        extent.Add(c.m_dCenterX + r * turn.cos, c.m_dCenterY + r * turn.sin);
    };
    at(start);
    at(start + sweep);
    // The quarter points the arc passes.
    const double first = std::ceil(start / (kTwoPi / 4));
    for (double k = first; k * (kTwoPi / 4) <= start + sweep && k < first + 5; ++k)
        at(k * (kTwoPi / 4));
}
} // namespace

void Extent::AddShape(const CObject& object)
{
    switch (KindOf(object))
    {
    case ShapeKind::Body:
        ForEachShape(static_cast<const CBodyShape&>(object).m_arrShape,
                     [&](const CShape& s) { AddShape(s); });
        break;
    case ShapeKind::Polyline:
    {
        const auto& p = static_cast<const CPolylineShape&>(object);
        AddPoints(p.m_pX, p.m_pY, p.m_nCount);
        break;
    }
    case ShapeKind::Circle:
        AddArc(*this, static_cast<const CCircleShape&>(object));
        break;
    case ShapeKind::Ellipse:
    {
        CEllipseShape outline(static_cast<const CEllipseShape&>(object)); // GetPolyData is not const
        POLYDATA record;
        outline.GetPolyData(record);
        AddPoints(record.m_pX, record.m_pY, record.m_nCount);
        delete[] record.m_pX;
        delete[] record.m_pY;
        break;
    }
    case ShapeKind::Text:
    {
        const auto& t = static_cast<const CTextShape&>(object);
        Add(t.m_dX, t.m_dY);
        break;
    }
    case ShapeKind::Other:
        break;
    }
}

Extent ImportExtent(const Import& import)
{
    Extent extent;
    for (const auto* list : {&import.shapes, &import.inserts})
        for (const auto& shape : *list)
            extent.AddShape(*shape);
    return extent;
}
