#include "ShapeCounts.h"

#include "ShapeKind.h"

void ShapeCounts::Count(const CShape& shape)
{
    switch (KindOf(shape))
    {
    case ShapeKind::Polyline:
        ++polylines;
        points += static_cast<const CPolylineShape&>(shape).m_nCount;
        break;
    case ShapeKind::Circle:
        ++circles;
        break;
    case ShapeKind::Ellipse:
        ++ellipses;
        break;
    default:
        ++texts;
        break;
    }
    ++byLineClass[shape.m_nLineType];
}

void ShapeCounts::Add(const ShapeCounts& other)
{
    polylines += other.polylines;
    circles += other.circles;
    ellipses += other.ellipses;
    texts += other.texts;
    points += other.points;
    for (const auto& [lineClass, count] : other.byLineClass)
        byLineClass[lineClass] += count;
}
