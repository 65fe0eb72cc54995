#pragma once
// Shapes counted by kind and line class, as the summary and the report tell them.
#include <map>

#include "shape/Shape.h"

struct ShapeCounts
{
    int polylines = 0, circles = 0, ellipses = 0, texts = 0;
    long long points = 0; // of the polylines
    std::map<int, int> byLineClass;

    void Count(const CShape& shape);
    void Add(const ShapeCounts& other);
    int Total() const { return polylines + circles + ellipses + texts; }
};
