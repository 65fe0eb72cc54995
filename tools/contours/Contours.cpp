#include "Contours.h"

#include <algorithm>
#include <numeric>

#include "NearPoints.h"
#include "Pieces.h"

namespace
{
// The open pieces as a graph: end 2k is the start of piece k, end 2k + 1 its end; ends that
// meet share a point. Chains run through the points where exactly two ends meet.
class PieceGraph
{
  public:
    PieceGraph(const OpenPieces& pieces, double tolerance) : m_pieces(pieces)
    {
        m_pointOf = GroupNearPoints(m_pieces.ends, tolerance);
        const int points =
            m_pointOf.empty() ? 0 : *std::max_element(m_pointOf.begin(), m_pointOf.end()) + 1;
        // The ends at each point, one run per point.
        m_firstEnd.assign(points + 1, 0);
        for (int point : m_pointOf)
            ++m_firstEnd[point + 1];
        std::partial_sum(m_firstEnd.begin(), m_firstEnd.end(), m_firstEnd.begin());
        m_endsAt.resize(m_pointOf.size());
        std::vector<int> filled(m_firstEnd.begin(), m_firstEnd.end() - 1);
        for (size_t end = 0; end < m_pointOf.size(); ++end)
            m_endsAt[filled[m_pointOf[end]]++] = static_cast<int>(end);
    }

    int Points() const { return static_cast<int>(m_firstEnd.size()) - 1; }
    int Degree(int point) const { return m_firstEnd[point + 1] - m_firstEnd[point]; }
    bool IsStop(int point) const { return Degree(point) != 2; }
    int PointOf(int end) const { return m_pointOf[end]; }
    const ContourPoint& At(int end) const { return m_pieces.ends[end]; }
    int Number(int end) const { return m_pieces.numbers[end / 2]; }
    const int* EndsAt(int point) const { return m_endsAt.data() + m_firstEnd[point]; }
    // The other end at a point where two meet.
    int Partner(int end) const
    {
        const int* at = EndsAt(m_pointOf[end]);
        return at[0] == end ? at[1] : at[0];
    }

  private:
    const OpenPieces& m_pieces;
    std::vector<int> m_pointOf;
    std::vector<int> m_firstEnd, m_endsAt;
};

// Runs of pieces, kept flat: chain c enters its pieces by the ends entries[begin[c]..begin[c+1]).
struct Chains
{
    std::vector<int> entries, begin{0};

    int Count() const { return static_cast<int>(begin.size()) - 1; }
    int First(int c) const { return entries[begin[c]]; }
    int Last(int c) const { return entries[begin[c + 1] - 1] ^ 1; }
};

Chains TraceChains(const PieceGraph& graph, size_t pieceCount)
{
    Chains chains;
    chains.entries.reserve(pieceCount);
    std::vector<char> used(pieceCount, 0);
    auto trace = [&](int end)
    {
        while (!used[end / 2])
        {
            used[end / 2] = 1;
            chains.entries.push_back(end);
            const int exit = end ^ 1;
            if (graph.IsStop(graph.PointOf(exit)))
                break;
            end = graph.Partner(exit);
        }
        chains.begin.push_back(static_cast<int>(chains.entries.size()));
    };
    for (int point = 0; point < graph.Points(); ++point)
        if (graph.IsStop(point))
            for (int i = 0; i < graph.Degree(point); ++i)
                if (!used[graph.EndsAt(point)[i] / 2])
                    trace(graph.EndsAt(point)[i]);
    // What is left runs through two-end points only: rings.
    for (size_t piece = 0; piece < pieceCount; ++piece)
        if (!used[piece])
            trace(static_cast<int>(2 * piece));
    return chains;
}

class Joiner
{
  public:
    Joiner(const PieceGraph& graph, const Chains& chains, ContourReport& report,
           bool listJoinedPieces)
        : m_graph(graph), m_chains(chains), m_report(report), m_listJoinedPieces(listJoinedPieces)
    {
    }

    void Run()
    {
        std::vector<char> open = TakeOffOpenChains();
        JoinLoops(open);
        m_report.open.reserve(std::count(open.begin(), open.end(), 1));
        for (int c = 0; c < m_chains.Count(); ++c)
            if (open[c])
                m_report.open.push_back(OpenChain(c));
    }

  private:
    // Peels chains off from every point only one chain still reaches, inwards.
    std::vector<char> TakeOffOpenChains()
    {
        const int points = m_graph.Points();
        std::vector<int> degree(points, 0);
        std::vector<int> chainOfEnd(2 * m_chains.entries.size(), -1); // two ends per piece
        for (int c = 0; c < m_chains.Count(); ++c)
        {
            chainOfEnd[m_chains.First(c)] = chainOfEnd[m_chains.Last(c)] = c;
            ++degree[m_graph.PointOf(m_chains.First(c))];
            ++degree[m_graph.PointOf(m_chains.Last(c))];
        }
        std::vector<char> open(m_chains.Count(), 0);
        std::vector<int> leaves;
        for (int point = 0; point < points; ++point)
            if (degree[point] == 1)
                leaves.push_back(point);
        while (!leaves.empty())
        {
            const int point = leaves.back();
            leaves.pop_back();
            for (int i = 0; i < m_graph.Degree(point); ++i)
            {
                const int c = chainOfEnd[m_graph.EndsAt(point)[i]];
                if (c < 0 || open[c])
                    continue;
                open[c] = 1;
                for (int end : {m_chains.First(c), m_chains.Last(c)})
                    if (--degree[m_graph.PointOf(end)] == 1)
                        leaves.push_back(m_graph.PointOf(end));
            }
        }
        return open;
    }

    // Each group of chains that share points holds chains - points + 1 independent loops.
    void JoinLoops(const std::vector<char>& open)
    {
        std::vector<int> parent(m_graph.Points());
        std::iota(parent.begin(), parent.end(), 0);
        for (int c = 0; c < m_chains.Count(); ++c)
            if (!open[c])
                parent[Root(parent, m_graph.PointOf(m_chains.First(c)))] =
                    Root(parent, m_graph.PointOf(m_chains.Last(c)));
        std::vector<int> groupOf(m_graph.Points(), -1);
        std::vector<char> counted(m_graph.Points(), 0);
        for (int c = 0; c < m_chains.Count(); ++c)
        {
            if (open[c])
                continue;
            int& group = groupOf[Root(parent, m_graph.PointOf(m_chains.First(c)))];
            if (group < 0)
            {
                group = static_cast<int>(m_report.joined.size());
                m_report.joined.push_back({{}, 1});
            }
            JoinedLoops& joined = m_report.joined[group];
            if (m_listJoinedPieces)
                for (int i = m_chains.begin[c]; i < m_chains.begin[c + 1]; ++i)
                    joined.pieces.push_back(m_graph.Number(m_chains.entries[i]));
            // One loop for the group, plus one per chain, less one per point it joins.
            ++joined.loops;
            for (int end : {m_chains.First(c), m_chains.Last(c)})
                if (!counted[m_graph.PointOf(end)]++)
                    joined.loops -= 1;
        }
        for (JoinedLoops& joined : m_report.joined)
            m_report.loopsOfPieces += joined.loops;
    }

    OpenContour OpenChain(int c) const
    {
        OpenContour chain;
        chain.pieces.reserve(m_chains.begin[c + 1] - m_chains.begin[c]);
        for (int i = m_chains.begin[c]; i < m_chains.begin[c + 1]; ++i)
            chain.pieces.push_back(m_graph.Number(m_chains.entries[i]));
        const int ends[2] = {m_chains.First(c), m_chains.Last(c)};
        for (int i = 0; i < 2; ++i)
        {
            chain.ends[i].at = m_graph.At(ends[i]);
            chain.ends[i].free = m_graph.Degree(m_graph.PointOf(ends[i])) == 1;
        }
        chain.gap = Distance(chain.ends[0].at, chain.ends[1].at);
        return chain;
    }

    const PieceGraph& m_graph;
    const Chains& m_chains;
    ContourReport& m_report;
    const bool m_listJoinedPieces;
};

// For every free end, the nearest other free end.
void FindNearestFreeEnds(ContourReport& report)
{
    const std::vector<ContourPoint> points = FreeEnds(report);
    const std::vector<std::pair<int, double>> nearest = NearestOthers(points);
    size_t i = 0; // the free ends come in the order FreeEnds lists them
    for (OpenContour& chain : report.open)
        for (ContourEnd& end : chain.ends)
            if (end.free)
            {
                const auto [other, distance] = nearest[i++];
                if (other >= 0)
                {
                    end.nearest = points[other];
                    end.nearestDistance = distance;
                }
            }
}

// The free end whose nearest other free end is nearest of all, told that one alone.
void FindLikeliestGap(ContourReport& report)
{
    const std::vector<ContourPoint> points = FreeEnds(report);
    const std::optional<ClosestPair> closest = ClosestPairOf(points);
    if (!closest)
        return;
    int i = 0; // the free ends come in the order FreeEnds lists them
    for (OpenContour& chain : report.open)
        for (ContourEnd& end : chain.ends)
            if (end.free && i++ == closest->first)
            {
                end.nearest = points[closest->other];
                end.nearestDistance = closest->distance;
                return;
            }
}
} // namespace

ContourReport CheckContours(const Import& import, std::optional<double> tolerance,
                            ContourDetail detail)
{
    return CheckContours(CollectPieces(import, tolerance), detail);
}

ContourReport CheckContours(SortedPieces&& collected, ContourDetail detail)
{
    ContourReport report;
    {
        // Gone before the nearest ends are looked for, so the two never share the memory.
        const SortedPieces pieces = std::move(collected);
        report.tolerance = pieces.tolerance;
        report.closed = pieces.closed;
        report.firstInsertPiece = pieces.firstInsertPiece;
        const PieceGraph graph(pieces.open, report.tolerance);
        const Chains chains = TraceChains(graph, pieces.open.Count());
        Joiner(graph, chains, report, detail == ContourDetail::Whole).Run();
    }
    if (detail == ContourDetail::Whole)
        FindNearestFreeEnds(report);
    else
        FindLikeliestGap(report);
    return report;
}
