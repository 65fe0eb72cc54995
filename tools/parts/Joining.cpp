#include "Joining.h"

#include <algorithm>
#include <numeric>

#include "NearPoints.h"

namespace
{
// The strokes as a graph: end 2k is the front of open[k], end 2k + 1 its back.
class EndGraph
{
  public:
    EndGraph(std::vector<Stroke>& strokes, const std::vector<int>& open, double tolerance)
        : m_strokes(strokes), m_open(open)
    {
        std::vector<ContourPoint> ends;
        ends.reserve(2 * open.size());
        for (int s : open)
        {
            ends.push_back(strokes[s].points.front());
            ends.push_back(strokes[s].points.back());
        }
        m_pointOf = GroupNearPoints(ends, tolerance);
        const int points = m_pointOf.empty()
                               ? 0
                               : *std::max_element(m_pointOf.begin(), m_pointOf.end()) + 1;
        m_at.assign(points, {});
        m_gap.assign(points, 0.0);
        m_seen.assign(points, 0);
        m_endsAt.assign(2 * static_cast<size_t>(points), -1);
        for (size_t end = 0; end < ends.size(); ++end)
        {
            const int point = m_pointOf[end];
            if (m_seen[point] == 0)
                m_at[point] = ends[end];
            if (m_seen[point] < 2)
                m_endsAt[2 * point + m_seen[point]] = static_cast<int>(end);
            ++m_seen[point];
            m_gap[point] = std::max(m_gap[point], Distance(m_at[point], ends[end]));
        }
    }

    int Points() const { return static_cast<int>(m_at.size()); }
    int PointOf(int end) const { return m_pointOf[end]; }
    int Degree(int point) const { return m_seen[point]; }
    const ContourPoint& At(int point) const { return m_at[point]; }
    double Gap(int point) const { return m_gap[point]; }
    // The other end at a point where two meet.
    int Partner(int end) const
    {
        const int point = m_pointOf[end];
        return m_endsAt[2 * point] == end ? m_endsAt[2 * point + 1] : m_endsAt[2 * point];
    }
    int FirstEndAt(int point) const { return m_endsAt[2 * point]; }

    // Moves every end onto its meeting point.
    void Snap()
    {
        for (size_t k = 0; k < m_open.size(); ++k)
        {
            Path& points = m_strokes[m_open[k]].points;
            points.front() = m_at[m_pointOf[2 * k]];
            points.back() = m_at[m_pointOf[2 * k + 1]];
        }
    }

  private:
    std::vector<Stroke>& m_strokes;
    const std::vector<int>& m_open;
    std::vector<int> m_pointOf;
    std::vector<ContourPoint> m_at;
    std::vector<double> m_gap;
    std::vector<int> m_seen, m_endsAt;
};

// Walks from an end along strokes through points where two ends meet, until the walk comes
// back to its first stroke or reaches a point where other than two meet.
template <typename Visit> void Walk(const EndGraph& graph, int end, Visit visit)
{
    const int first = end / 2;
    while (true)
    {
        visit(end);
        const int exit = end ^ 1;
        if (graph.Degree(graph.PointOf(exit)) != 2)
            return;
        end = graph.Partner(exit);
        if (end / 2 == first)
            return;
    }
}

void Append(Path& path, const Path& points, bool reversed)
{
    const size_t start = path.empty() ? 0 : 1; // the joint is already there
    if (reversed)
        path.insert(path.end(), points.rbegin() + static_cast<long>(start), points.rend());
    else
        path.insert(path.end(), points.begin() + static_cast<long>(start), points.end());
}
} // namespace

Joining JoinStrokes(std::vector<Stroke>& strokes, const std::vector<int>& open, double tolerance,
                    double floor)
{
    Joining joining;
    EndGraph graph(strokes, open, tolerance);
    graph.Snap();
    for (int point = 0; point < graph.Points(); ++point)
        if (graph.Gap(point) > floor)
            joining.bridged.push_back({graph.At(point), graph.Gap(point)});

    // The strokes that meet, as groups: each with its strokes, points and free ends.
    std::vector<int> parent(graph.Points());
    std::iota(parent.begin(), parent.end(), 0);
    for (size_t k = 0; k < open.size(); ++k)
        parent[Root(parent, graph.PointOf(2 * k))] = Root(parent, graph.PointOf(2 * k + 1));
    std::vector<int> strokesIn(graph.Points(), 0), pointsIn(graph.Points(), 0),
        notTwo(graph.Points(), 0);
    for (int point = 0; point < graph.Points(); ++point)
    {
        const int root = Root(parent, point);
        ++pointsIn[root];
        notTwo[root] += graph.Degree(point) != 2;
    }
    for (size_t k = 0; k < open.size(); ++k)
        ++strokesIn[Root(parent, graph.PointOf(2 * k))];

    std::vector<int> freeEnd(graph.Points(), -1);
    for (size_t end = 0; end < 2 * open.size(); ++end)
        if (graph.Degree(graph.PointOf(static_cast<int>(end))) == 1)
            freeEnd[Root(parent, graph.PointOf(static_cast<int>(end)))] = static_cast<int>(end);

    std::vector<char> done(open.size(), 0);
    std::vector<int> groupOf(graph.Points(), -1);
    for (size_t k = 0; k < open.size(); ++k)
    {
        if (done[k])
            continue;
        const int root = Root(parent, graph.PointOf(2 * k));
        if (notTwo[root] == 0)
        {
            JoinedRing ring;
            Walk(graph, static_cast<int>(2 * k),
                 [&](int end)
                 {
                     done[end / 2] = 1;
                     ring.strokes.push_back(open[end / 2]);
                     Append(ring.points, strokes[open[end / 2]].points, end & 1);
                 });
            if (ring.points.size() > 1)
                ring.points.pop_back(); // back at the start
            joining.rings.push_back(std::move(ring));
            continue;
        }
        if (groupOf[root] < 0)
        {
            groupOf[root] = static_cast<int>(joining.groups.size());
            StrokeGroup group;
            group.hasLoops = strokesIn[root] >= pointsIn[root];
            // Two free ends and only points of two between them: walked from one end.
            group.chain = !group.hasLoops && notTwo[root] == 2;
            if (group.chain)
                Walk(graph, freeEnd[root],
                     [&](int end)
                     {
                         done[end / 2] = 1;
                         group.strokes.push_back(open[end / 2]);
                         group.reversed.push_back(end & 1);
                     });
            joining.groups.push_back(std::move(group));
            if (done[k])
                continue;
        }
        joining.groups[groupOf[root]].strokes.push_back(open[k]);
        done[k] = 1;
    }
    for (size_t end = 0; end < 2 * open.size(); ++end)
    {
        const int point = graph.PointOf(static_cast<int>(end));
        if (graph.Degree(point) == 1)
            joining.groups[groupOf[Root(parent, point)]].freeEnds.push_back(
                {graph.At(point), open[end / 2]});
    }
    return joining;
}
