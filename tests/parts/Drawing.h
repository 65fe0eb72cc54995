#pragma once
// An import built in memory, shape by shape, for the part builder's tests.
#include <cmath>

#include "Parts.h"

struct Drawing
{
    Import import;

    Drawing& Line(double x1, double y1, double x2, double y2) { return Polyline({x1, y1, x2, y2}); }
    Drawing& Polyline(std::vector<double> xy, bool closed = false, int lineClass = 0)
    {
        auto p = std::make_unique<CPolylineShape>();
        for (size_t i = 0; i + 1 < xy.size(); i += 2)
            p->Add(xy[i], xy[i + 1], 1);
        p->m_bClose = closed;
        p->m_nLineType = lineClass;
        import.shapes.push_back(std::move(p));
        return *this;
    }
    Drawing& Square(double x, double y, double side)
    {
        return Polyline({x, y, x + side, y, x + side, y + side, x, y + side}, true);
    }
    // Counter-clockwise from a0 to a1, in degrees; 0 to 360 is a whole circle.
    Drawing& Arc(double cx, double cy, double r, double a0, double a1)
    {
        auto c = std::make_unique<CCircleShape>();
        c->m_dCenterX = cx;
        c->m_dCenterY = cy;
        c->m_dRadius = r;
        c->m_dStartAngle = DegreesToRadians(a0);
        c->m_dEndAngle = DegreesToRadians(a1);
        import.shapes.push_back(std::move(c));
        return *this;
    }
    Drawing& Circle(double cx, double cy, double r) { return Arc(cx, cy, r, 0, 360); }
    Drawing& Text(double x, double y)
    {
        auto t = std::make_unique<CTextShape>();
        t->m_dX = x;
        t->m_dY = y;
        t->m_strText = L"A";
        import.shapes.push_back(std::move(t));
        return *this;
    }
    PartsReport Parts(std::optional<double> gap = std::nullopt) const
    {
        return BuildParts(import, {gap, std::nullopt});
    }
};
