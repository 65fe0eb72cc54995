#include "Strokes.h"

#include <algorithm>
#include <cmath>

#include "Arc.h"
#include "ShapeWalk.h"

namespace
{
// Even a loose chord tolerance gives a full circle this many sides; a tight one no more than
// the most.
constexpr int kLeastSidesOfCircle = 8;
constexpr int kMostSegmentsOfArc = 4096;

bool Finite(const ContourPoint& p)
{
    return std::isfinite(p.x) && std::isfinite(p.y);
}

struct PendingArc
{
    size_t stroke;
    ContourPoint center;
    double radius, a0, sweep;
};

class Collector
{
  public:
    void AddAll(const OwnedShapes& shapes)
    {
        VisitShapes(shapes, 0, shapes.size(),
                    [this](const CObject& shape, int number) { Add(shape, number); });
        m_next = static_cast<int>(shapes.size());
    }

    void AddInsertChildren(const CObject& insert)
    {
        m_next = VisitInsertChildren(
            insert, m_next, [this](const CObject& shape, int number) { Add(shape, number); });
    }

    StrokeList Take(std::optional<double> chordTolerance)
    {
        if (m_minX <= m_maxX)
            m_list.size = std::max(m_maxX - m_minX, m_maxY - m_minY);
        m_list.chordTolerance =
            chordTolerance ? *chordTolerance : kRelativeChordTolerance * m_list.size;
        for (const PendingArc& arc : m_arcs)
            m_list.strokes[arc.stroke].points =
                ArcPoints(arc.center, arc.radius, arc.a0, arc.sweep, m_list.chordTolerance);
        return std::move(m_list);
    }

  private:
    void Add(const CObject& object, int number)
    {
        switch (KindOf(object))
        {
        case ShapeKind::Polyline:
        {
            const auto& p = static_cast<const CPolylineShape&>(object);
            AddPoints(p, number, p.m_pX, p.m_pY, p.m_nCount, p.m_bClose != 0);
            break;
        }
        case ShapeKind::Circle:
        {
            const auto& c = static_cast<const CCircleShape&>(object);
            AddArc(c, number, c);
            break;
        }
        case ShapeKind::Ellipse:
        {
            const auto& e = static_cast<const CEllipseShape&>(object);
            CEllipseShape outline(e); // GetPolyData is not const
            POLYDATA record;
            outline.GetPolyData(record);
            AddPoints(e, number, record.m_pX, record.m_pY, record.m_nCount, record.m_bClose != 0);
            delete[] record.m_pX;
            delete[] record.m_pY;
            break;
        }
        case ShapeKind::Text:
        {
            const auto& t = static_cast<const CTextShape&>(object);
            if (Finite({t.m_dX, t.m_dY}))
                m_list.texts.push_back({number, {t.m_dX, t.m_dY}});
            break;
        }
        default:
            break;
        }
    }

    void AddPoints(const CShape& shape, int number, const double* xs, const double* ys, int count,
                   bool closed)
    {
        if (count < 1 || !xs || !ys)
            return;
        Stroke stroke{number, shape.m_nLineType, closed, std::nullopt, {}};
        stroke.points.reserve(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i)
            if (Finite({xs[i], ys[i]}))
            {
                stroke.points.push_back({xs[i], ys[i]});
                Extend(stroke.points.back());
            }
        // A closed path ends where it starts without saying so twice.
        while (closed && stroke.points.size() > 1 && stroke.points.back().x == stroke.points[0].x &&
               stroke.points.back().y == stroke.points[0].y)
            stroke.points.pop_back();
        if (!stroke.points.empty())
            m_list.strokes.push_back(std::move(stroke));
    }

    void AddArc(const CShape& shape, int number, const CCircleShape& c)
    {
        const double r = std::fabs(c.m_dRadius), sweep = ArcSweep(c);
        const ContourPoint center{c.m_dCenterX, c.m_dCenterY};
        if (!Finite(center) || !std::isfinite(r) || !std::isfinite(c.m_dStartAngle))
            return;
        const bool whole = sweep == kTwoPi;
        m_arcs.push_back({m_list.strokes.size(), center, r, whole ? 0.0 : c.m_dStartAngle, sweep});
        m_list.strokes.push_back({number, shape.m_nLineType, whole,
                                  whole ? std::optional<Round>(Round{center, r}) : std::nullopt,
                                  {}});
        Extend({center.x - r, center.y - r});
        Extend({center.x + r, center.y + r});
    }

    void Extend(const ContourPoint& p)
    {
        m_minX = std::min(m_minX, p.x);
        m_maxX = std::max(m_maxX, p.x);
        m_minY = std::min(m_minY, p.y);
        m_maxY = std::max(m_maxY, p.y);
    }

    StrokeList m_list;
    std::vector<PendingArc> m_arcs;
    int m_next = 0;
    double m_minX = HUGE_VAL, m_minY = HUGE_VAL, m_maxX = -HUGE_VAL, m_maxY = -HUGE_VAL;
};
} // namespace

Path ArcPoints(ContourPoint center, double radius, double a0, double sweep, double chordTolerance)
{
    // A chord of angle 2 acos(1 - t / r) strays t from its arc.
    const double ratio = radius > 0 ? chordTolerance / radius : 2.0;
    const double step = ratio < 2 ? 2 * std::acos(1 - ratio) : kPi;
    const double least = std::ceil(sweep / kTwoPi * kLeastSidesOfCircle);
    const double wanted = step > 0 ? std::ceil(sweep / step) : kMostSegmentsOfArc;
    const int segments =
        static_cast<int>(std::clamp(std::max(wanted, least), 1.0, double(kMostSegmentsOfArc)));
    const bool whole = sweep == kTwoPi;
    Path points;
    points.reserve(static_cast<size_t>(segments) + 1);
    for (int i = 0; i <= segments - (whole ? 1 : 0); ++i)
    {
        const double a = a0 + sweep * i / segments;
        points.push_back({center.x + radius * std::cos(a), center.y + radius * std::sin(a)});
    }
    return points;
}

double DistanceToPath(const ContourPoint& p, const Path& path, bool closed)
{
    double nearest = path.empty() ? HUGE_VAL : Distance(p, path[0]);
    const size_t segments = closed ? path.size() : path.size() - (path.empty() ? 0 : 1);
    for (size_t i = 0; i < segments; ++i)
    {
        const ContourPoint &a = path[i], &b = path[(i + 1) % path.size()];
        const double dx = b.x - a.x, dy = b.y - a.y, length = dx * dx + dy * dy;
        const double t =
            length > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length, 0.0, 1.0) : 0.0;
        nearest = std::min(nearest, Distance(p, {a.x + t * dx, a.y + t * dy}));
    }
    return nearest;
}

StrokeList CollectStrokes(const Import& import, std::optional<double> chordTolerance)
{
    Collector collector;
    collector.AddAll(import.shapes);
    for (const auto& insert : import.inserts)
        collector.AddInsertChildren(*insert);
    return collector.Take(chordTolerance);
}
