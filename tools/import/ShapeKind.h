#pragma once
// What an object of an import is. A failed dynamic_cast compares type names, and the summary
// asks it of millions of objects of a handful of types, so the answer is kept per type.
#include "shape/Shape.h"

enum class ShapeKind
{
    Body,
    Polyline,
    Circle,
    Ellipse,
    Text,
    Other, // a shape of a class none of these is
};

ShapeKind KindOf(const CObject& object);
