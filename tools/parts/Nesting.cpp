#include "Nesting.h"

#include <algorithm>
#include <cmath>

namespace
{
double Perimeter(const Path& ring)
{
    double length = 0;
    for (size_t i = 0; i < ring.size(); ++i)
        length += Distance(ring[i], ring[(i + 1) % ring.size()]);
    return length;
}

std::array<double, 4> BoxOf(const Path& points)
{
    std::array<double, 4> box{HUGE_VAL, HUGE_VAL, -HUGE_VAL, -HUGE_VAL};
    for (const ContourPoint& p : points)
        box = {std::min(box[0], p.x), std::min(box[1], p.y), std::max(box[2], p.x),
               std::max(box[3], p.y)};
    return box;
}

bool Holds(const std::array<double, 4>& outer, const std::array<double, 4>& inner)
{
    return outer[0] <= inner[0] && outer[1] <= inner[1] && outer[2] >= inner[2] &&
           outer[3] >= inner[3];
}

// Points that repeat the one before within round-off (a billionth of the ring's size) say
// nothing, and would make a ring seem to turn back on itself.
void DropRepeats(Path& ring, const std::array<double, 4>& box)
{
    const double roundOff = 1e-9 * std::max(box[2] - box[0], box[3] - box[1]);
    size_t kept = 0;
    for (size_t i = 0; i < ring.size(); ++i)
        if (kept == 0 || Distance(ring[i], ring[kept - 1]) > roundOff)
            ring[kept++] = ring[i];
    while (kept > 1 && Distance(ring[kept - 1], ring[0]) <= roundOff)
        --kept;
    ring.resize(kept);
}

// Whether a point lies inside a ring, by the edges a ray to its right crosses; only asked of
// points well away from every edge.
bool InsideEvenOdd(const ContourPoint& p, const Path& ring)
{
    bool inside = false;
    for (size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++)
        if ((ring[i].y > p.y) != (ring[j].y > p.y) &&
            p.x < ring[j].x + (p.y - ring[j].y) * (ring[i].x - ring[j].x) / (ring[i].y - ring[j].y))
            inside = !inside;
    return inside;
}

std::vector<int> Merged(std::vector<int> a, const std::vector<int>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    std::sort(a.begin(), a.end());
    a.erase(std::unique(a.begin(), a.end()), a.end());
    return a;
}

// A ring as the nesting sees it, with what GEOS makes of it.
struct Candidate
{
    PartRing ring;
    Geos::Geometry polygon;
    Geos::Prepared prepared; // made when first needed
    std::optional<Round> circle;
    double sag = 0.0; // how far the circle's chords stray inside it
    std::vector<int> containers;
    bool dropped = false;
    int depth = 0;
};
} // namespace

double SignedArea(const Path& path)
{
    double twice = 0;
    for (size_t i = 0; i < path.size(); ++i)
    {
        const ContourPoint &a = path[i], &b = path[(i + 1) % path.size()];
        twice += (a.x - path[0].x) * (b.y - path[0].y) - (b.x - path[0].x) * (a.y - path[0].y);
    }
    return twice / 2;
}

struct Nesting::Index
{
    explicit Index(const Geos& g) : geos(g), tree(g.NewTree()) {}

    const Geos& geos;
    Geos::Tree tree;                      // the parts' outlines' boxes
    std::vector<Geos::Geometry> polygons; // each part with its holes
    std::vector<Geos::Prepared> prepared; // made when first needed
    std::vector<double> areas;
};

namespace
{
class Sorter
{
  public:
    Sorter(const Geos& geos, double tolerance, std::vector<PartProblem>& problems)
        : m_geos(geos), m_tolerance(tolerance), m_problems(problems)
    {
    }

    void Add(RingSource source)
    {
        Candidate c;
        c.ring.pieces = Merged(source.pieces, {});
        c.ring.points = std::move(source.points);
        c.ring.box = BoxOf(c.ring.points);
        DropRepeats(c.ring.points, c.ring.box);
        c.ring.area = SignedArea(c.ring.points);
        c.ring.perimeter = Perimeter(c.ring.points);
        c.ring.box = BoxOf(c.ring.points);
        if (std::fabs(c.ring.area) <= m_tolerance * c.ring.perimeter / 2 ||
            !(c.polygon = m_geos.Polygon(c.ring.points, {})))
        {
            Problem("encloses-nothing", c.ring.points.empty() ? ContourPoint{} : c.ring.points[0],
                    c.ring.pieces, "a ring that encloses no area; left out");
            return;
        }
        // The ring's own test is quick; the polygon's, which says where, only for those it fails.
        char* reason = nullptr;
        GEOSGeometry* location = nullptr;
        const GEOSGeometry* shell = GEOSGetExteriorRing_r(m_geos.Context(), c.polygon.get());
        c.circle = source.circle;
        if (c.circle)
            c.sag = c.circle->radius * (1 - std::cos(kPi / static_cast<double>(c.ring.points.size())));
        if (!c.circle && GEOSisSimple_r(m_geos.Context(), shell) != 1 &&
            GEOSisValidDetail_r(m_geos.Context(), c.polygon.get(), 0, &reason, &location) != 1)
        {
            ContourPoint at = c.ring.points[0];
            if (location)
                GEOSGeomGetX_r(m_geos.Context(), location, &at.x),
                    GEOSGeomGetY_r(m_geos.Context(), location, &at.y);
            Problem("self-touching-ring", at, c.ring.pieces,
                    std::string("a ring that touches or crosses itself (") +
                        (reason ? reason : "") + ")");
        }
        GEOSFree_r(m_geos.Context(), reason);
        if (location)
            GEOSGeom_destroy_r(m_geos.Context(), location);
        m_rings.push_back(std::move(c));
    }

    void Sort(std::vector<Part>& parts, Nesting::Index& index)
    {
        const Geos::Tree tree = m_geos.NewTree();
        for (size_t i = 0; i < m_rings.size(); ++i)
            m_geos.Insert(tree, m_rings[i].polygon.get(), i);
        for (size_t b = 0; b < m_rings.size(); ++b)
            m_geos.Query(tree, m_rings[b].polygon.get(), [&](size_t a) { Relate(a, b); });
        for (Candidate& c : m_rings)
            c.depth = static_cast<int>(std::count_if(c.containers.begin(), c.containers.end(),
                                                     [&](int a) { return !m_rings[a].dropped; }));
        // Parts first, so that every hole finds the part it belongs to.
        std::vector<int> partOf(m_rings.size(), -1);
        for (size_t i = 0; i < m_rings.size(); ++i)
            if (!m_rings[i].dropped && Parent(i) < 0)
            {
                partOf[i] = static_cast<int>(parts.size());
                parts.push_back({Oriented(std::move(m_rings[i].ring), true), {}, {}});
            }
        for (size_t i = 0; i < m_rings.size(); ++i)
            if (!m_rings[i].dropped && partOf[i] < 0)
                parts[partOf[Parent(i)]].holes.push_back(
                    Oriented(std::move(m_rings[i].ring), false));
        m_rings.clear();
        for (const Part& part : parts)
        {
            std::vector<const Path*> holes;
            for (const PartRing& hole : part.holes)
                holes.push_back(&hole.points);
            index.polygons.push_back(m_geos.Polygon(part.outline.points, holes));
            index.areas.push_back(part.outline.area);
            if (index.polygons.back())
                m_geos.Insert(index.tree, index.polygons.back().get(), index.polygons.size() - 1);
        }
        index.prepared.resize(index.polygons.size());
    }

  private:
    // Whether ring a contains, repeats or crosses ring b; a is taken only when it is the larger.
    void Relate(size_t a, size_t b)
    {
        Candidate &outer = m_rings[a], &inner = m_rings[b];
        const double outerArea = std::fabs(outer.ring.area), innerArea = std::fabs(inner.ring.area);
        if (a == b || outerArea < innerArea || (outerArea == innerArea && a > b) ||
            outer.dropped || inner.dropped)
            return;
        if (inner.circle && RelateRound(outer, inner, a))
            return;
        if (!outer.prepared)
            outer.prepared = m_geos.Prepare(outer.polygon);
        const GEOSContextHandle_t context = m_geos.Context();
        // Most rings whose boxes meet lie apart: one test tells.
        if (GEOSPreparedIntersects_r(context, outer.prepared.get(), inner.polygon.get()) != 1)
            return;
        if (Holds(outer.ring.box, inner.ring.box) &&
            GEOSPreparedContains_r(context, outer.prepared.get(), inner.polygon.get()) == 1)
        {
            if (outerArea - innerArea <= m_tolerance * inner.ring.perimeter)
            {
                inner.dropped = true;
                Problem("duplicate-ring", inner.ring.points[0], inner.ring.pieces,
                        "a ring drawn again over another; left out");
            }
            else
                inner.containers.push_back(static_cast<int>(a));
        }
        else if (GEOSPreparedOverlaps_r(context, outer.prepared.get(), inner.polygon.get()) == 1)
            Problem("crossing-outlines", Crossing(outer, inner),
                    Merged(outer.ring.pieces, inner.ring.pieces), "rings that cross each other");
    }

    // A circle lies clearly inside, outside or across a ring (further than the chords' sag and
    // the tolerance from the edge) by its centre and radius alone; false where it does not.
    bool RelateRound(const Candidate& outer, Candidate& inner, size_t a)
    {
        const Round& round = *inner.circle;
        const double band = inner.sag + outer.sag + m_tolerance;
        bool inside = false, across = false;
        if (outer.circle)
        {
            const double d = Distance(outer.circle->center, round.center),
                         r = outer.circle->radius;
            inside = d + round.radius <= r - band;
            across = d + round.radius > r + band && d < r + round.radius - band;
            if (!inside && !across && d < r + round.radius + band)
                return false;
        }
        else
        {
            if (DistanceToPath(round.center, outer.ring.points, true) < round.radius + band)
                return false;
            inside = InsideEvenOdd(round.center, outer.ring.points);
        }
        if (inside)
            inner.containers.push_back(static_cast<int>(a));
        else if (across)
            Problem("crossing-outlines", Crossing(outer, inner),
                    Merged(outer.ring.pieces, inner.ring.pieces), "rings that cross each other");
        return true;
    }

    // Near where two rings cross: the point of the second nearest the middle of the overlap of
    // their boxes.
    static ContourPoint Crossing(const Candidate& a, const Candidate& b)
    {
        const ContourPoint middle{
            (std::max(a.ring.box[0], b.ring.box[0]) + std::min(a.ring.box[2], b.ring.box[2])) / 2,
            (std::max(a.ring.box[1], b.ring.box[1]) + std::min(a.ring.box[3], b.ring.box[3])) / 2};
        return *std::min_element(b.ring.points.begin(), b.ring.points.end(),
                                 [&](const ContourPoint& p, const ContourPoint& q)
                                 { return Distance(p, middle) < Distance(q, middle); });
    }

    // The ring a hole belongs to: the smallest part outline around it; -1 for an outline.
    int Parent(size_t i) const
    {
        const Candidate& c = m_rings[i];
        if (c.depth % 2 == 0)
            return -1;
        int parent = -1;
        for (int a : c.containers)
            if (!m_rings[a].dropped && m_rings[a].depth % 2 == 0 &&
                (parent < 0 || std::fabs(m_rings[a].ring.area) < std::fabs(m_rings[parent].ring.area)))
                parent = a;
        return parent;
    }

    static PartRing Oriented(PartRing ring, bool counterClockwise)
    {
        if ((ring.area > 0) != counterClockwise)
            std::reverse(ring.points.begin(), ring.points.end());
        ring.area = std::fabs(ring.area);
        return ring;
    }

    void Problem(const char* kind, ContourPoint at, std::vector<int> pieces, std::string text)
    {
        m_problems.push_back({kind, at, std::move(pieces), std::move(text)});
    }

    const Geos& m_geos;
    double m_tolerance;
    std::vector<PartProblem>& m_problems;
    std::vector<Candidate> m_rings;
};
} // namespace

Nesting::Nesting(const Geos& geos, std::vector<RingSource> rings, double tolerance,
                 std::vector<Part>& parts, std::vector<PartProblem>& problems)
    : m_index(std::make_unique<Index>(geos))
{
    Sorter sorter(geos, tolerance, problems);
    for (RingSource& ring : rings)
        sorter.Add(std::move(ring));
    rings.clear();
    sorter.Sort(parts, *m_index);
}

Nesting::~Nesting() = default;

int Nesting::PartAt(const ContourPoint& point) const
{
    const Geos& geos = m_index->geos;
    const Geos::Geometry probe = geos.Point(point);
    int found = -1;
    if (!probe || m_index->polygons.empty())
        return found;
    geos.Query(m_index->tree, probe.get(),
               [&](size_t p)
               {
                   if (found >= 0 && m_index->areas[p] >= m_index->areas[found])
                       return;
                   Geos::Prepared& prepared = m_index->prepared[p];
                   if (!prepared)
                       prepared = geos.Prepare(m_index->polygons[p]);
                   if (prepared &&
                       GEOSPreparedCovers_r(geos.Context(), prepared.get(),
                                            probe.get()) == 1)
                       found = static_cast<int>(p);
               });
    return found;
}

std::vector<int> Nesting::PartsInside(const Path& closed) const
{
    const Geos& geos = m_index->geos;
    std::vector<int> inside;
    if (m_index->polygons.empty())
        return inside;
    const Geos::Geometry area = geos.Polygon(closed, {});
    if (!area)
        return inside;
    Geos::Prepared prepared;
    geos.Query(m_index->tree, area.get(),
               [&](size_t p)
               {
                   if (!prepared)
                       prepared = geos.Prepare(area);
                   if (prepared && m_index->polygons[p] &&
                       GEOSPreparedContains_r(geos.Context(), prepared.get(),
                                              m_index->polygons[p].get()) == 1)
                       inside.push_back(static_cast<int>(p));
               });
    std::sort(inside.begin(), inside.end());
    return inside;
}
