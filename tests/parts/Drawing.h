#pragma once
// An import built in memory, shape by shape, for the part builder's tests.
#include "Parts.h"
#include "support/DrawingBuilder.h"

struct Drawing : DrawingBuilder<Drawing>
{
    Drawing& Square(double x, double y, double side)
    {
        return Polyline({x, y, x + side, y, x + side, y + side, x, y + side}, true);
    }
    PartsReport Parts(std::optional<double> gap = std::nullopt) const
    {
        return BuildParts(import, {gap, std::nullopt});
    }
};
