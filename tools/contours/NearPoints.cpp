#include "NearPoints.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include "Pieces.h"

namespace
{
// An open-addressing table from grid cells to the first of a chain of points in them.
class CellTable
{
  public:
    CellTable(size_t points, double cell) : m_cell(cell)
    {
        size_t capacity = 16;
        while (capacity < 2 * points)
            capacity *= 2;
        m_slots.assign(capacity, Slot{});
    }

    std::pair<int64_t, int64_t> CellOf(const ContourPoint& p) const
    {
        return {Coordinate(p.x), Coordinate(p.y)};
    }

    // The first point in the cell, -1 when it has none.
    int Head(int64_t cx, int64_t cy) const { return m_slots[Find(cx, cy)].head; }

    // Makes point the cell's first; its former first comes next.
    int Push(int64_t cx, int64_t cy, int point)
    {
        Slot& slot = m_slots[Find(cx, cy)];
        slot.cx = cx;
        slot.cy = cy;
        return std::exchange(slot.head, point);
    }

  private:
    struct Slot
    {
        int64_t cx = 0, cy = 0;
        int head = -1;
    };

    // Far coordinates share the outermost cells: slower, never wrong, never an overflow.
    int64_t Coordinate(double v) const
    {
        const double c = std::floor(v / m_cell), limit = 4e18;
        return static_cast<int64_t>(std::clamp(c, -limit, limit));
    }
    size_t Find(int64_t cx, int64_t cy) const
    {
        const size_t mask = m_slots.size() - 1;
        size_t i = Hash(cx, cy) & mask;
        while (m_slots[i].head >= 0 && (m_slots[i].cx != cx || m_slots[i].cy != cy))
            i = (i + 1) & mask;
        return i;
    }
    static size_t Hash(int64_t cx, int64_t cy)
    {
        uint64_t h = static_cast<uint64_t>(cx) * 0x9E3779B97F4A7C15ull;
        h ^= static_cast<uint64_t>(cy) + 0x632BE59BD9B4E019ull + (h << 6) + (h >> 2);
        return static_cast<size_t>(h ^ (h >> 29));
    }

    double m_cell;
    std::vector<Slot> m_slots;
};

int Root(std::vector<int>& parent, int i)
{
    while (parent[i] != i)
        i = parent[i] = parent[parent[i]];
    return i;
}
} // namespace

std::vector<int> GroupNearPoints(const std::vector<ContourPoint>& points, double tolerance,
                                 double cellFloor)
{
    const double cell = std::max({tolerance, cellFloor, 1e-300});
    CellTable cells(points.size(), cell);
    std::vector<int> parent(points.size()), nextInCell(points.size(), -1);
    for (size_t i = 0; i < points.size(); ++i)
    {
        const int index = static_cast<int>(i);
        parent[i] = index;
        const auto [cx, cy] = cells.CellOf(points[i]);
        bool near = false;
        for (int64_t dx = -1; dx <= 1; ++dx)
            for (int64_t dy = -1; dy <= 1; ++dy)
                for (int j = cells.Head(cx + dx, cy + dy); j >= 0; j = nextInCell[j])
                    if (Distance(points[i], points[j]) <= tolerance)
                    {
                        parent[Root(parent, index)] = Root(parent, j);
                        near = true;
                    }
        if (!near)
            nextInCell[i] = cells.Push(cx, cy, index);
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

NearestPoints::NearestPoints(std::vector<ContourPoint> points) : m_points(std::move(points))
{
    m_tree.resize(m_points.size());
    for (size_t i = 0; i < m_tree.size(); ++i)
        m_tree[i] = static_cast<int>(i);
    Build(0, static_cast<int>(m_tree.size()), true);
}

void NearestPoints::Build(int lo, int hi, bool byX)
{
    if (hi - lo < 2)
        return;
    const int mid = lo + (hi - lo) / 2;
    std::nth_element(m_tree.begin() + lo, m_tree.begin() + mid, m_tree.begin() + hi,
                     [&](int a, int b) {
                         return byX ? m_points[a].x < m_points[b].x : m_points[a].y < m_points[b].y;
                     });
    Build(lo, mid, !byX);
    Build(mid + 1, hi, !byX);
}

std::pair<int, double> NearestPoints::NearestOther(int self) const
{
    int best = -1;
    double bestSquare = HUGE_VAL;
    Search(0, static_cast<int>(m_tree.size()), true, self, best, bestSquare);
    return {best, best < 0 ? 0.0 : std::sqrt(bestSquare)};
}

void NearestPoints::Search(int lo, int hi, bool byX, int self, int& best, double& bestSquare) const
{
    if (lo >= hi)
        return;
    const int mid = lo + (hi - lo) / 2;
    const ContourPoint& q = m_points[self];
    const ContourPoint& p = m_points[m_tree[mid]];
    const double dx = q.x - p.x, dy = q.y - p.y, square = dx * dx + dy * dy;
    if (m_tree[mid] != self && (best < 0 || square < bestSquare))
    {
        best = m_tree[mid];
        bestSquare = square;
    }
    const double across = byX ? dx : dy;
    if (across < 0)
    {
        Search(lo, mid, !byX, self, best, bestSquare);
        if (across * across < bestSquare)
            Search(mid + 1, hi, !byX, self, best, bestSquare);
    }
    else
    {
        Search(mid + 1, hi, !byX, self, best, bestSquare);
        if (across * across < bestSquare)
            Search(lo, mid, !byX, self, best, bestSquare);
    }
}
