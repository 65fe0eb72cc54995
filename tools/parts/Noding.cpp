#include "Noding.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>

#include "Geos.h"
#include "NearPoints.h"

namespace
{
// Which groups meet where a free end of one lies on a stroke of another (a T-junction),
// found through a tree of the strokes' boxes. Groups linked round in a cycle enclose something.
class Touching
{
  public:
    Touching(const Geos& geos, const std::vector<Stroke>& strokes,
             const std::vector<StrokeGroup>& groups, double tolerance)
        : m_geos(geos), m_strokes(strokes), m_groups(groups), m_tolerance(tolerance)
    {
        m_parent.resize(groups.size());
        std::iota(m_parent.begin(), m_parent.end(), 0);
        m_round.assign(groups.size(), 0);
        for (size_t g = 0; g < groups.size(); ++g)
            m_round[g] = groups[g].hasLoops;
    }

    void Run()
    {
        std::vector<int> groupOf(m_strokes.size(), -1);
        std::vector<int> items;
        for (size_t g = 0; g < m_groups.size(); ++g)
            for (int s : m_groups[g].strokes)
            {
                groupOf[s] = static_cast<int>(g);
                items.push_back(s);
            }
        if (items.size() < 2)
            return;
        // The tree keeps the boxes' envelopes, not the boxes.
        const Geos::Tree tree = m_geos.NewTree();
        for (int s : items)
            if (const Geos::Geometry box = BoxOf(m_strokes[s].points))
                m_geos.Insert(tree, box.get(), static_cast<size_t>(s));
        for (size_t g = 0; g < m_groups.size(); ++g)
            for (const FreeEnd& end : m_groups[g].freeEnds)
                if (const Geos::Geometry box = BoxOf({end.at}))
                    m_geos.Query(tree, box.get(),
                                 [&](size_t s)
                                 {
                                     if (static_cast<int>(s) != end.stroke &&
                                         DistanceToPath(end.at, m_strokes[s].points, false) <=
                                             m_tolerance)
                                         Link(static_cast<int>(g), groupOf[s]);
                                 });
    }

    int Cluster(int group) { return Root(m_parent, group); }
    // Whether the cluster's line work meets round somewhere.
    bool Round(int cluster) const { return m_round[cluster] != 0; }

  private:
    Geos::Geometry BoxOf(const Path& points) const
    {
        const PointBox box = BoxAround(points);
        return m_geos.Box(box.minX - m_tolerance, box.minY - m_tolerance, box.maxX + m_tolerance,
                          box.maxY + m_tolerance);
    }

    void Link(int a, int b)
    {
        a = Cluster(a);
        b = Cluster(b);
        if (a == b)
            m_round[a] = 1; // a link within a cluster closes a cycle
        else
        {
            m_parent[a] = b;
            m_round[b] |= m_round[a];
        }
    }

    const Geos& m_geos;
    const std::vector<Stroke>& m_strokes;
    const std::vector<StrokeGroup>& m_groups;
    double m_tolerance;
    std::vector<int> m_parent;
    std::vector<char> m_round;
};

class ClusterNoder
{
  public:
    ClusterNoder(const Geos& geos, const std::vector<Stroke>& strokes, double tolerance,
                 double floor, Noding& noding)
        : m_geos(geos), m_strokes(strokes), m_tolerance(tolerance),
          m_onRing(2 * tolerance + floor), m_noding(noding)
    {
    }

    void Node(const std::vector<int>& cluster)
    {
        const GEOSContextHandle_t context = m_geos.Context();
        Geos::Geometry faces = Faces(cluster);
        if (!faces || GEOSGetNumGeometries_r(context, faces.get()) == 0)
        {
            m_noding.problems.push_back(
                    {faces ? "encloses-nothing" : "not-noded",
                     m_strokes[cluster[0]].points[0], Numbers(cluster),
                     faces ? "line work that meets round but encloses no area"
                           : "line work the noding could not take"});
            m_noding.unplaced.insert(m_noding.unplaced.end(), cluster.begin(), cluster.end());
            return;
        }
        Geos::Geometry area = m_geos.Own(GEOSUnaryUnion_r(context, faces.get()));
        if (!area)
        {
            m_noding.unplaced.insert(m_noding.unplaced.end(), cluster.begin(), cluster.end());
            return;
        }
        const size_t firstRing = m_noding.rings.size();
        std::vector<Geos::Geometry> ringLines;
        for (int p = 0; p < GEOSGetNumGeometries_r(context, area.get()); ++p)
        {
            const GEOSGeometry* polygon = GEOSGetGeometryN_r(context, area.get(), p);
            AddRing(GEOSGetExteriorRing_r(context, polygon), ringLines);
            for (int h = 0; h < GEOSGetNumInteriorRings_r(context, polygon); ++h)
                AddRing(GEOSGetInteriorRingN_r(context, polygon, h), ringLines);
        }
        // A stroke lies on the ring its middle is nearest to, within the snapping's reach;
        // the others lie inside or outside what the line work encloses.
        for (int s : cluster)
        {
            const Geos::Geometry middle = m_geos.Point(MiddleOf(m_strokes[s].points));
            int on = -1;
            for (size_t r = 0; r < ringLines.size() && on < 0; ++r)
                if (middle && ringLines[r] &&
                    GEOSDistanceWithin_r(context, middle.get(), ringLines[r].get(),
                                         m_onRing) == 1)
                    on = static_cast<int>(r);
            if (on >= 0)
                m_noding.rings[firstRing + on].strokes.push_back(s);
            else
                m_noding.unplaced.push_back(s);
        }
    }

  private:
    std::vector<int> Numbers(const std::vector<int>& cluster) const
    {
        std::vector<int> numbers;
        for (int s : cluster)
            numbers.push_back(m_strokes[s].number);
        return numbers;
    }

    void AddRing(const GEOSGeometry* ring, std::vector<Geos::Geometry>& lines)
    {
        m_noding.rings.push_back({{}, m_geos.RingPoints(ring)});
        lines.push_back(m_geos.Own(GEOSGeom_clone_r(m_geos.Context(), ring)));
    }

    // The faces the cluster's line work bounds, after noding it on the tolerance's grid.
    Geos::Geometry Faces(const std::vector<int>& cluster) const
    {
        const GEOSContextHandle_t context = m_geos.Context();
        std::vector<GEOSGeometry*> lines;
        for (int s : cluster)
            if (Geos::Geometry line = m_geos.Line(m_strokes[s].points))
                lines.push_back(line.release());
        Geos::Geometry all = m_geos.Own(GEOSGeom_createCollection_r(
            context, GEOS_MULTILINESTRING, lines.data(), static_cast<unsigned>(lines.size())));
        if (!all)
            return all;
        Geos::Geometry noded = m_geos.Own(m_tolerance > 0
                                              ? GEOSUnaryUnionPrec_r(context, all.get(), m_tolerance)
                                              : GEOSUnaryUnion_r(context, all.get()));
        if (!noded)
            return noded;
        const GEOSGeometry* input = noded.get();
        return m_geos.Own(GEOSPolygonize_r(context, &input, 1));
    }

    const Geos& m_geos;
    const std::vector<Stroke>& m_strokes;
    double m_tolerance;
    double m_onRing; // how far a stroke's middle may lie from the noded ring it is on
    Noding& m_noding;
};
} // namespace

ContourPoint MiddleOf(const Path& path)
{
    double length = 0;
    for (size_t i = 1; i < path.size(); ++i)
        length += Distance(path[i - 1], path[i]);
    double left = length / 2;
    for (size_t i = 1; i < path.size(); ++i)
    {
        const double step = Distance(path[i - 1], path[i]);
        if (step >= left && step > 0)
        {
            const double t = left / step;
            return {path[i - 1].x + t * (path[i].x - path[i - 1].x),
                    path[i - 1].y + t * (path[i].y - path[i - 1].y)};
        }
        left -= step;
    }
    return path.empty() ? ContourPoint{} : path[0];
}

Noding NodeGroups(const Geos& geos, const std::vector<Stroke>& strokes,
                  const std::vector<StrokeGroup>& groups, double tolerance, double floor)
{
    Noding noding;
    Touching touching(geos, strokes, groups, tolerance);
    touching.Run();
    // Only clusters that meet round are noded; the others stay open line work.
    std::unordered_map<int, std::vector<int>> clusters;
    for (size_t g = 0; g < groups.size(); ++g)
    {
        const int c = touching.Cluster(static_cast<int>(g));
        if (touching.Round(c))
        {
            std::vector<int>& cluster = clusters[c];
            cluster.insert(cluster.end(), groups[g].strokes.begin(), groups[g].strokes.end());
            continue;
        }
        if (groups[g].chain)
            noding.openChains.push_back(static_cast<int>(g));
        noding.unplaced.insert(noding.unplaced.end(), groups[g].strokes.begin(),
                               groups[g].strokes.end());
    }
    ClusterNoder noder(geos, strokes, tolerance, floor, noding);
    // In the order of the groups, so that the result does not depend on the map's.
    for (size_t g = 0; g < groups.size(); ++g)
        if (const auto found = clusters.find(static_cast<int>(g)); found != clusters.end())
            noder.Node(found->second);
    return noding;
}
