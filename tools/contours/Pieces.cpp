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
const size_t kSqueezedFrom = 1 << 12;
const size_t kMeasuredEvery = 64;

bool Finite(const ContourPoint& p)
{
    return std::isfinite(p.x) && std::isfinite(p.y);
}

struct Piece
{
    ContourPoint start, end;
    double reach = 0.0; // the farthest any point of the piece lies from its start
    int number = 0;
    bool whole = false; // closed by its flag, or a whole circle or ellipse
};

enum class Fate
{
    Dot,
    Closed,
    Open,
};

// A piece all within the tolerance of its start is a dot; else one whole, or whose ends meet
// within the tolerance, is closed.
Fate FateAt(double tolerance, double reach, bool whole, const ContourPoint& start,
            const ContourPoint& end)
{
    if (reach <= tolerance)
        return Fate::Dot;
    return whole || Distance(start, end) <= tolerance ? Fate::Closed : Fate::Open;
}

// Sorts pieces as they come, as far as the extent found so far allows: the default tolerance
// only grows with the extent, so a piece that is a dot, or shut, at the tolerance of the part
// seen so far is one at the end too. Only the pieces that may be open keep their ends.
class Collector
{
  public:
    // Room for every piece of so many shapes, which is what most drawings have: reserved, not
    // touched.
    Collector(size_t room, std::optional<double> tolerance) : m_fixed(tolerance)
    {
        m_open.ends.reserve(2 * room);
        m_open.numbers.reserve(room);
        m_openReaches.reserve(room);
        m_shutReaches.reserve(room);
    }

    // The pieces sorted at the tolerance of the whole extent.
    SortedPieces Sort()
    {
        SortedPieces sorted;
        sorted.tolerance = Tolerance();
        Squeeze(sorted.tolerance);
        sorted.closed = static_cast<int>(m_shutReaches.size());
        sorted.open = std::move(m_open);
        sorted.firstInsertPiece = std::move(m_firstInsertPiece);
        return sorted;
    }

    // The extent of every stride-th shape, its pieces left out.
    void Measure(const OwnedShapes& shapes, size_t stride)
    {
        m_measuring = true;
        auto add = [this](const CObject& shape, int number) { Add(shape, number); };
        for (size_t i = 0; i < shapes.size(); i += stride)
            VisitNumbered(*shapes[i], static_cast<int>(i), add);
        m_measuring = false;
    }

    // A tolerance that the whole extent's is known not to be below.
    void SetLeast(double tolerance) { m_least = tolerance; }

    // The tolerance at the extent found so far, or the least where that is more.
    double Tolerance() const
    {
        if (m_fixed)
            return *m_fixed;
        const double own =
            m_minX <= m_maxX ? kRelativeGapTolerance * std::max(m_maxX - m_minX, m_maxY - m_minY)
                             : 0.0;
        // At the end the extent's own is never below the least, and this is it, bit for bit.
        return std::max(own, m_least);
    }

    void AddRange(const OwnedShapes& shapes, size_t from, size_t to)
    {
        VisitShapes(shapes, from, to,
                    [this](const CObject& shape, int number) { Add(shape, number); });
        m_next = static_cast<int>(to);
    }

    // The pieces another collector found after these, and its extent.
    void Append(Collector&& after)
    {
        m_minX = std::min(m_minX, after.m_minX);
        m_minY = std::min(m_minY, after.m_minY);
        m_maxX = std::max(m_maxX, after.m_maxX);
        m_maxY = std::max(m_maxY, after.m_maxY);
        after.Squeeze(Tolerance()); // only what may still be open is copied
        auto append = [](auto& to, const auto& from)
        { to.insert(to.end(), from.begin(), from.end()); };
        append(m_open.ends, after.m_open.ends);
        append(m_open.numbers, after.m_open.numbers);
        append(m_openReaches, after.m_openReaches);
        append(m_shutReaches, after.m_shutReaches);
        m_firstInsertPiece = std::move(after.m_firstInsertPiece);
    }

    void AddInsertChildren(const CObject& insert)
    {
        m_firstInsertPiece.push_back(m_next);
        m_next = VisitInsertChildren(
            insert, m_next, [this](const CObject& shape, int number) { Add(shape, number); });
    }

  private:
    void Keep(const Piece& piece)
    {
        if (m_measuring)
            return;
        const double bound = Tolerance();
        const Fate fate = FateAt(bound, piece.reach, piece.whole, piece.start, piece.end);
        if (fate == Fate::Dot)
            return;
        if (fate == Fate::Closed)
        {
            m_shutReaches.push_back(piece.reach); // closed, unless a dot after all
            return;
        }
        m_open.ends.push_back(piece.start);
        m_open.ends.push_back(piece.end);
        m_open.numbers.push_back(piece.number);
        m_openReaches.push_back(piece.reach);
        // Sorted again as the extent grows, the pieces kept take less fresh memory.
        if (bound > 2 * m_squeezedAt && m_open.Count() >= kSqueezedFrom)
            Squeeze(bound);
    }

    // Leaves out the pieces that are dots at the tolerance, and keeps the reaches alone of those
    // it shuts.
    void Squeeze(double tolerance)
    {
        m_shutReaches.erase(std::remove_if(m_shutReaches.begin(), m_shutReaches.end(),
                                           [&](double reach) { return reach <= tolerance; }),
                            m_shutReaches.end());
        std::vector<ContourPoint>& ends = m_open.ends;
        std::vector<int>& numbers = m_open.numbers;
        size_t kept = 0;
        for (size_t k = 0; k < numbers.size(); ++k)
        {
            const Fate fate =
                FateAt(tolerance, m_openReaches[k], false, ends[2 * k], ends[2 * k + 1]);
            if (fate == Fate::Closed)
                m_shutReaches.push_back(m_openReaches[k]);
            if (fate != Fate::Open)
                continue;
            ends[2 * kept] = ends[2 * k];
            ends[2 * kept + 1] = ends[2 * k + 1];
            numbers[kept] = numbers[k];
            m_openReaches[kept++] = m_openReaches[k];
        }
        ends.resize(2 * kept);
        numbers.resize(kept);
        m_openReaches.resize(kept);
        m_squeezedAt = tolerance;
    }

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
        Keep(piece);
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
        Keep(piece);
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

    const std::optional<double> m_fixed;
    OpenPieces m_open;                 // the pieces that may be open
    std::vector<double> m_openReaches; // and their reaches
    std::vector<double> m_shutReaches; // of the pieces closed unless they are dots
    std::vector<int> m_firstInsertPiece;
    double m_squeezedAt = 0.0;
    double m_least = 0.0;
    bool m_measuring = false;
    int m_next = 0;
    double m_minX = HUGE_VAL, m_minY = HUGE_VAL, m_maxX = -HUGE_VAL, m_maxY = -HUGE_VAL;
};
} // namespace

SortedPieces CollectPieces(const Import& import, std::optional<double> tolerance)
{
    // On a large drawing, the first half of the shapes beside the rest.
    const size_t shapes = import.shapes.size();
    const size_t half = shapes >= kCollectedBeside ? shapes / 2 : 0;
    // The extent of some shapes first: its tolerance is at most the whole one's, and sorting
    // by it from the start keeps fewer pieces that turn out dots or closed.
    double least = 0.0;
    if (half > 0 && !tolerance)
    {
        Collector scout(0, std::nullopt);
        scout.Measure(import.shapes, kMeasuredEvery);
        least = scout.Tolerance();
    }
    std::future<Collector> first;
    if (half > 0)
        first = Beside(
            [&]
            {
                Collector collector(shapes, tolerance); // room for the rest's pieces too
                collector.SetLeast(least);
                collector.AddRange(import.shapes, 0, half);
                return collector;
            });
    Collector rest(shapes - half, tolerance);
    rest.SetLeast(least);
    rest.AddRange(import.shapes, half, shapes);
    for (const auto& insert : import.inserts)
        rest.AddInsertChildren(*insert);
    if (half == 0)
        return rest.Sort();
    Collector collector = first.get();
    collector.Append(std::move(rest));
    return collector.Sort();
}
