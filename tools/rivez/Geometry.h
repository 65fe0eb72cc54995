#pragma once
// What the summary and the picture both need of an import's shapes.
#include <algorithm>
#include <cmath>
#include <string>

#include "Arc.h"
#include "Import.h"
#include "ShapeKind.h"
#include "ShapeWalk.h"
#include "shape/Geometry.h"

// The smallest rectangle holding the points added to it.
struct Extent
{
    // Inline: the extent of a large drawing adds millions of points.
    void Add(double x, double y)
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
    void Add(const Extent& other);
    // The points of two coordinate arrays in turn, as Add takes them one by one.
    void AddPoints(const double* xs, const double* ys, int count)
    {
        // On a copy: members could alias the arrays, and would be stored after every point.
        Extent extent = *this;
        for (int i = 0; i < count; ++i)
            extent.Add(xs[i], ys[i]);
        *this = extent;
    }
    // A shape's geometry: every point of a polyline, the arc of a circle, the outline of an
    // ellipse, the position of a text, the children of a body. Non-finite coordinates are left
    // out.
    void AddShape(const CObject& shape);
    bool IsEmpty() const { return !(minX <= maxX); }

    double minX = 1.0, minY = 1.0, maxX = -1.0, maxY = -1.0; // empty until the first point
};

// The value for text meant to be read: a zero of either sign is 0, never -0.
double WithoutMinusZero(double value);

// "(minX, minY) to (maxX, maxY)".
std::string CornersText(const Extent& extent);

Extent ImportExtent(const Import& import);

// Calls visit for every shape within one object, or of a list, going into bodies; objects that
// are not shapes are left out. Inline: the summary walks every shape of a large drawing.
template <class Visit> void ForEachShape(const CObject* object, Visit&& visit)
{
    auto leaf = [&](const CObject& found, int)
    {
        if (const auto* shape = KindOf(found) == ShapeKind::Other
                                    ? dynamic_cast<const CShape*>(&found)
                                    : static_cast<const CShape*>(&found))
            visit(*shape);
    };
    if (object)
        VisitNumbered(*object, 0, leaf);
}

template <class Visit> void ForEachShape(const CObArray& shapes, Visit&& visit)
{
    for (INT_PTR i = 0; i < shapes.GetSize(); ++i)
        ForEachShape(shapes[i], visit);
}

template <class Visit> void ForEachShape(const OwnedShapes& shapes, Visit&& visit)
{
    for (const auto& object : shapes)
        ForEachShape(object.get(), visit);
}
