#include "Geometry.h"

#include <algorithm>
#include <cmath>
#include <sstream>

void Extent::Add(double x, double y)
{
    if (!std::isfinite(x) || !std::isfinite(y))
        return;
    if (IsEmpty())
    {
        minX = maxX = x;
        minY = maxY = y;
        return;
    }
    minX = std::min(minX, x);
    maxX = std::max(maxX, x);
    minY = std::min(minY, y);
    maxY = std::max(maxY, y);
}

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
Extent ArcExtent(const CCircleShape& c)
{
    Extent extent;
    const double r = std::fabs(c.m_dRadius), sweep = ArcSweep(c);
    const double start = sweep == kTwoPi ? 0.0 : c.m_dStartAngle;
    auto at = [&](double a)
    { extent.Add(c.m_dCenterX + r * std::cos(a), c.m_dCenterY + r * std::sin(a)); };
    at(start);
    at(start + sweep);
    // The quarter points the arc passes.
    const double first = std::ceil(start / (kTwoPi / 4));
    for (double k = first; k * (kTwoPi / 4) <= start + sweep && k < first + 5; ++k)
        at(k * (kTwoPi / 4));
    return extent;
}
} // namespace

Extent ShapeExtent(const CObject& object)
{
    Extent extent;
    if (const auto* body = dynamic_cast<const CBodyShape*>(&object))
        ForEachShape(body->m_arrShape, [&](const CShape& s) { extent.Add(ShapeExtent(s)); });
    else if (const auto* p = dynamic_cast<const CPolylineShape*>(&object))
        for (int i = 0; i < p->m_nCount; ++i)
            extent.Add(p->m_pX[i], p->m_pY[i]);
    else if (const auto* c = dynamic_cast<const CCircleShape*>(&object))
        extent = ArcExtent(*c);
    else if (const auto* e = dynamic_cast<const CEllipseShape*>(&object))
    {
        CEllipseShape outline(*e); // GetPolyData is not const
        POLYDATA record;
        outline.GetPolyData(record);
        for (int i = 0; i < record.m_nCount; ++i)
            extent.Add(record.m_pX[i], record.m_pY[i]);
        delete[] record.m_pX;
        delete[] record.m_pY;
    }
    else if (const auto* t = dynamic_cast<const CTextShape*>(&object))
        extent.Add(t->m_dX, t->m_dY);
    return extent;
}

Extent ImportExtent(const Import& import)
{
    Extent extent;
    for (const auto* list : {&import.shapes, &import.inserts})
        for (const auto& shape : *list)
            extent.Add(ShapeExtent(*shape));
    return extent;
}

void ForEachShape(const CObArray& shapes, const std::function<void(const CShape&)>& visit)
{
    for (INT_PTR i = 0; i < shapes.GetSize(); ++i)
    {
        if (const auto* body = dynamic_cast<const CBodyShape*>(shapes[i]))
            ForEachShape(body->m_arrShape, visit);
        else if (const auto* shape = dynamic_cast<const CShape*>(shapes[i]))
            visit(*shape);
    }
}

void ForEachShape(const OwnedShapes& shapes, const std::function<void(const CShape&)>& visit)
{
    for (const auto& object : shapes)
    {
        if (const auto* body = dynamic_cast<const CBodyShape*>(object.get()))
            ForEachShape(body->m_arrShape, visit);
        else if (const auto* shape = dynamic_cast<const CShape*>(object.get()))
            visit(*shape);
    }
}
