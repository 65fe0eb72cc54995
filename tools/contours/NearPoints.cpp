#include "NearPoints.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "Pieces.h"

namespace
{
struct Cell
{
    int64_t x = 0, y = 0;

    bool operator<(const Cell& other) const { return x != other.x ? x < other.x : y < other.y; }
    bool operator==(const Cell& other) const { return x == other.x && y == other.y; }
};

// A grid from the points' lowest corner, of cells at least the tolerance wide and at most
// 2^31 to a side, so that one 64-bit key orders the cells by column, then by row.
class Grid
{
  public:
    Grid(const std::vector<ContourPoint>& points, double tolerance)
    {
        double maxX = -HUGE_VAL, maxY = -HUGE_VAL;
        for (const ContourPoint& p : points)
        {
            m_minX = std::min(m_minX, p.x);
            m_minY = std::min(m_minY, p.y);
            maxX = std::max(maxX, p.x);
            maxY = std::max(maxY, p.y);
        }
        // Halved first, so that no difference overflows.
        const double half = std::max(maxX / 2 - m_minX / 2, maxY / 2 - m_minY / 2);
        m_cell = std::max({tolerance, half / 0x1p30, 0x1p-1000});
    }

    uint64_t Key(const ContourPoint& p) const
    {
        return static_cast<uint64_t>(Along(p.x, m_minX)) << 32 | Along(p.y, m_minY);
    }
    static Cell CellOf(uint64_t key)
    {
        return {static_cast<int64_t>(key >> 32), static_cast<int64_t>(key & 0xFFFFFFFFu)};
    }

  private:
    uint32_t Along(double v, double min) const
    {
        return static_cast<uint32_t>(
            std::clamp(std::floor(v / m_cell - min / m_cell), 0.0, 0x1p32 - 1));
    }

    double m_minX = HUGE_VAL, m_minY = HUGE_VAL, m_cell = 1.0;
};

int Root(std::vector<int>& parent, int i)
{
    while (parent[i] != i)
        i = parent[i] = parent[parent[i]];
    return i;
}

// The points of each occupied cell in the order of the cells, and the groups' first points
// found so far in each.
struct CellRun
{
    Cell cell;
    int firstFounder = 0, endFounder = 0;
};
} // namespace

std::vector<int> GroupNearPoints(const std::vector<ContourPoint>& points, double tolerance)
{
    const Grid grid(points, tolerance);
    std::vector<std::pair<uint64_t, int>> order(points.size());
    for (size_t i = 0; i < points.size(); ++i)
        order[i] = {grid.Key(points[i]), static_cast<int>(i)};
    std::sort(order.begin(), order.end());

    std::vector<int> parent(points.size()), founders;
    for (size_t i = 0; i < parent.size(); ++i)
        parent[i] = static_cast<int>(i);
    std::vector<CellRun> runs;
    size_t behind = 0; // the first run that may still neighbour the current cell's column
    for (size_t i = 0; i < order.size(); ++i)
    {
        const Cell cell = Grid::CellOf(order[i].first);
        const int index = order[i].second;
        if (runs.empty() || !(runs.back().cell == cell))
        {
            const int founded = static_cast<int>(founders.size());
            runs.push_back({cell, founded, founded});
        }
        // The cells before this one in the order that touch it: three of the column to the
        // left, the one below, and this one.
        const Cell lowest{cell.x - 1, cell.y - 1};
        while (runs[behind].cell < lowest)
            ++behind;
        bool near = false;
        auto join = [&](const CellRun& run)
        {
            for (int f = run.firstFounder; f < run.endFounder; ++f)
                if (Distance(points[index], points[founders[f]]) <= tolerance)
                {
                    parent[Root(parent, index)] = Root(parent, founders[f]);
                    near = true;
                }
        };
        for (size_t r = behind; runs[r].cell.x == cell.x - 1 && runs[r].cell.y <= cell.y + 1; ++r)
            join(runs[r]);
        if (runs.size() > 1 && runs[runs.size() - 2].cell == Cell{cell.x, cell.y - 1})
            join(runs[runs.size() - 2]);
        join(runs.back());
        if (!near)
        {
            founders.push_back(index);
            runs.back().endFounder = static_cast<int>(founders.size());
        }
    }
    std::vector<int> group(points.size()), number(points.size(), -1);
    int groups = 0;
    for (size_t i = 0; i < points.size(); ++i)
    {
        int& n = number[Root(parent, static_cast<int>(i))];
        if (n < 0)
            n = groups++;
        group[i] = n;
    }
    return group;
}

namespace
{
// An implicit tree: each range's middle point splits it, by x and y in turn; short ranges
// are searched point by point.
class PointTree
{
  public:
    explicit PointTree(const std::vector<ContourPoint>& points)
    {
        m_nodes.reserve(points.size());
        for (size_t i = 0; i < points.size(); ++i)
            m_nodes.push_back({points[i], static_cast<int>(i)});
        Build(0, static_cast<int>(m_nodes.size()), true);
    }

    // Queried in the tree's own order, neighbouring queries share what they read.
    std::vector<std::pair<int, double>> NearestOthers() const
    {
        std::vector<std::pair<int, double>> nearest(m_nodes.size(), {-1, 0.0});
        for (int at = 0; at < static_cast<int>(m_nodes.size()); ++at)
        {
            Best best{at, -1, HUGE_VAL};
            // A neighbour in the array is near already: a small bound to start from.
            for (int guess : {at - 1, at + 1})
                if (guess >= 0 && guess < static_cast<int>(m_nodes.size()))
                    best.Offer(m_nodes[at].point, m_nodes[guess].point, guess);
            Search(0, static_cast<int>(m_nodes.size()), true, best);
            if (best.position >= 0)
                nearest[m_nodes[at].index] = {m_nodes[best.position].index, std::sqrt(best.square)};
        }
        return nearest;
    }

  private:
    static constexpr int kLeaf = 8;

    struct Node
    {
        ContourPoint point;
        int index = 0;
    };
    struct Best
    {
        int self, position;
        double square;

        void Offer(const ContourPoint& q, const ContourPoint& p, int at)
        {
            const double dx = q.x - p.x, dy = q.y - p.y, s = dx * dx + dy * dy;
            if (at != self && (position < 0 || s < square))
            {
                position = at;
                square = s;
            }
        }
    };

    void Build(int lo, int hi, bool byX)
    {
        if (hi - lo <= kLeaf)
            return;
        const int mid = lo + (hi - lo) / 2;
        const auto first = m_nodes.begin() + lo, middle = m_nodes.begin() + mid,
                   last = m_nodes.begin() + hi;
        if (byX)
            std::nth_element(first, middle, last,
                             [](const Node& a, const Node& b) { return a.point.x < b.point.x; });
        else
            std::nth_element(first, middle, last,
                             [](const Node& a, const Node& b) { return a.point.y < b.point.y; });
        Build(lo, mid, !byX);
        Build(mid + 1, hi, !byX);
    }

    void Search(int lo, int hi, bool byX, Best& best) const
    {
        const ContourPoint& q = m_nodes[best.self].point;
        if (hi - lo <= kLeaf)
        {
            for (int at = lo; at < hi; ++at)
                best.Offer(q, m_nodes[at].point, at);
            return;
        }
        const int mid = lo + (hi - lo) / 2;
        best.Offer(q, m_nodes[mid].point, mid);
        const double across = byX ? q.x - m_nodes[mid].point.x : q.y - m_nodes[mid].point.y;
        const bool lowFirst = across < 0;
        Search(lowFirst ? lo : mid + 1, lowFirst ? mid : hi, !byX, best);
        if (best.position < 0 || across * across < best.square)
            Search(lowFirst ? mid + 1 : lo, lowFirst ? hi : mid, !byX, best);
    }

    std::vector<Node> m_nodes;
};
} // namespace

std::vector<std::pair<int, double>> NearestOthers(const std::vector<ContourPoint>& points)
{
    return PointTree(points).NearestOthers();
}
