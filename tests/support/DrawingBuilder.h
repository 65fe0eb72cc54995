#pragma once
// An import built in memory, shape by shape, for the tests of what works on an import. Each
// suite derives its Drawing from it (Self), adding what it asks of the drawing.
#include <memory>
#include <vector>

#include "Import.h"
#include "shape/Geometry.h"

template <class Self> struct DrawingBuilder
{
    Import import;

    Self& Line(double x1, double y1, double x2, double y2) { return Polyline({x1, y1, x2, y2}); }
    Self& Polyline(std::vector<double> xy, bool closed = false, int lineClass = 0)
    {
        auto p = std::make_unique<CPolylineShape>();
        for (size_t i = 0; i + 1 < xy.size(); i += 2)
            p->Add(xy[i], xy[i + 1], 1);
        p->m_bClose = closed;
        p->m_nLineType = lineClass;
        return Add(std::move(p));
    }
    // Counter-clockwise from a0 to a1, in degrees; 0 to 360 is a whole circle.
    Self& Arc(double cx, double cy, double r, double a0, double a1)
    {
        auto c = std::make_unique<CCircleShape>();
        c->m_dCenterX = cx;
        c->m_dCenterY = cy;
        c->m_dRadius = r;
        c->m_dStartAngle = DegreesToRadians(a0);
        c->m_dEndAngle = DegreesToRadians(a1);
        return Add(std::move(c));
    }
    Self& Circle(double cx, double cy, double r) { return Arc(cx, cy, r, 0, 360); }
    Self& Text(double x, double y)
    {
        auto t = std::make_unique<CTextShape>();
        t->m_dX = x;
        t->m_dY = y;
        t->m_strText = L"A";
        return Add(std::move(t));
    }

  private:
    template <class Shape> Self& Add(std::unique_ptr<Shape> shape)
    {
        import.shapes.push_back(std::move(shape));
        return static_cast<Self&>(*this);
    }
};
