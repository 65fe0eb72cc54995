#include "Pieces.h"

#include <algorithm>
#include <cmath>
#include <future>

#include "Arc.h"
#include "Beside.h"
#include "ShapeKind.h"
#include "ShapeWalk.h"

namespace
{
const size_t kCollectedBeside = 1 << 14;

bool Finite(const ContourPoint& p)
{
    return std::isfinite(p.x) && std::isfinite(p.y);
}

class Collector
{
  public:
    // Room for a piece per shape, what most drawings have.
    explicit Collector(size_t shapes) { m_list.runs.emplace_back().reserve(shapes); }

    PieceList Take()
    {
        if (m_minX <= m_maxX)
            m_list.size = std::max(m_maxX - m_minX, m_maxY - m_minY);
        return std::move(m_list);
    }

    void AddRange(const OwnedShapes& shapes, size_t from, size_t to)
    {
        VisitShapes(shapes, from, to,
                    [this](const CObject& shape, int number) { Add(shape, number); });
        m_next = static_cast<int>(to);
    }

    // The pieces another collector found after these, as runs of their own, and its extent.
    void Append(Collector&& after)
    {
        for (std::vector<Piece>& run : after.m_list.runs)
            m_list.runs.push_back(std::move(run));
        m_list.firstInsertPiece = std::move(after.m_list.firstInsertPiece);
        m_minX = std::min(m_minX, after.m_minX);
        m_minY = std::min(m_minY, after.m_minY);
        m_maxX = std::max(m_maxX, after.m_maxX);
        m_maxY = std::max(m_maxY, after.m_maxY);
    }

    void AddInsertChildren(const CObject& insert)
    {
        m_list.firstInsertPiece.push_back(m_next);
        m_next = VisitInsertChildren(
            insert, m_next, [this](const CObject& shape, int number) { Add(shape, number); });
    }

  private:
    std::vector<Piece>& Pieces() { return m_list.runs.front(); }

    void Add(const CObject& object, int number)
    {
        switch (KindOf(object))
        {
        case ShapeKind::Polyline:
        {
            const auto& p = static_cast<const CPolylineShape&>(object);
            AddPoints(number, p.m_pX, p.m_pY, p.m_nCount, p.m_bClose != 0);
            break;
        }
        case ShapeKind::Circle:
            AddArc(number, static_cast<const CCircleShape&>(object));
            break;
        case ShapeKind::Ellipse:
        {
            // A copy, as GetPolyData is not const.
            CEllipseShape outline(static_cast<const CEllipseShape&>(object));
            POLYDATA record;
            outline.GetPolyData(record);
            AddPoints(number, record.m_pX, record.m_pY, record.m_nCount, record.m_bClose != 0);
            delete[] record.m_pX;
            delete[] record.m_pY;
            break;
        }
        default:
            break;
        }
    }

    void AddPoints(int number, const double* xs, const double* ys, int count, bool closed)
    {
        if (count < 1 || !xs || !ys)
            return;
        Piece piece{{xs[0], ys[0]}, {xs[count - 1], ys[count - 1]}, 0.0, number, closed};
        if (!Finite(piece.start) || !Finite(piece.end))
            return;
        // The farthest square, then one root: the root keeps the order of the squares, so the
        // reach is the distance to the farthest point exactly. Kept in locals, as the members
        // could alias the arrays.
        double farthest = 0.0, minX = m_minX, minY = m_minY, maxX = m_maxX, maxY = m_maxY;
        for (int i = 0; i < count; ++i)
        {
            const double x = xs[i], y = ys[i];
            if (!std::isfinite(x) || !std::isfinite(y))
                continue;
            const double dx = piece.start.x - x, dy = piece.start.y - y;
            farthest = std::max(farthest, dx * dx + dy * dy);
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            minY = std::min(minY, y);
            maxY = std::max(maxY, y);
        }
        piece.reach = std::sqrt(farthest);
        m_minX = minX, m_minY = minY, m_maxX = maxX, m_maxY = maxY;
        Pieces().push_back(piece);
    }

    void AddArc(int number, const CCircleShape& c)
    {
        const double r = std::fabs(c.m_dRadius), sweep = ArcSweep(c);
        const ContourPoint center{c.m_dCenterX, c.m_dCenterY};
        if (!Finite(center) || !std::isfinite(r))
            return;
        const bool whole = sweep == kTwoPi;
        const double a0 = whole ? 0.0 : c.m_dStartAngle, a1 = a0 + sweep;
        const CosSin from = CosSinOf(a0), to = CosSinOf(a1);
        Piece piece{{center.x + r * from.cos, center.y + r * from.sin},
                    {center.x + r * to.cos, center.y + r * to.sin},
                    sweep >= kPi ? 2 * r : 2 * r * std::sin(sweep / 2),
                    number,
                    whole};
        Extend({center.x - r, center.y - r});
        Extend({center.x + r, center.y + r});
        Pieces().push_back(piece);
    }

    void Extend(const ContourPoint& p)
    {
        if (!Finite(p))
            return;
        m_minX = std::min(m_minX, p.x);
        m_maxX = std::max(m_maxX, p.x);
        m_minY = std::min(m_minY, p.y);
        m_maxY = std::max(m_maxY, p.y);
    }

    PieceList m_list;
    int m_next = 0;
    double m_minX = HUGE_VAL, m_minY = HUGE_VAL, m_maxX = -HUGE_VAL, m_maxY = -HUGE_VAL;
};
} // namespace

PieceList CollectPieces(const Import& import)
{
    // On a large drawing, the first half of the shapes beside the rest.
    const size_t shapes = import.shapes.size();
    const size_t half = shapes >= kCollectedBeside ? shapes / 2 : 0;
    std::future<Collector> first;
    if (half > 0)
        first = Beside(
            [&]
            {
                Collector collector(half);
                collector.AddRange(import.shapes, 0, half);
                return collector;
            });
    Collector rest(shapes - half);
    rest.AddRange(import.shapes, half, shapes);
    for (const auto& insert : import.inserts)
        rest.AddInsertChildren(*insert);
    if (half == 0)
        return rest.Take();
    Collector collector = first.get();
    collector.Append(std::move(rest));
    return collector.Take();
}
