#include "NearPoints.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <future>
#include <limits>
#include <numeric>

#include "Beside.h"
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
// 2^31 to a side. The point of least x lies in column 0 and that of least y in row 0, so the
// cells number column after column from 0, every key below Cells().
class Grid
{
  public:
    Grid(const std::vector<ContourPoint>& points, double tolerance)
    {
        const PointBox box = BoxAround(points);
        m_minX = box.minX;
        m_minY = box.minY;
        // Halved first, so that no difference overflows.
        const double half = std::max(box.maxX / 2 - m_minX / 2, box.maxY / 2 - m_minY / 2);
        m_cell = std::max({tolerance, half / 0x1p30, 0x1p-1000});
        m_minXInCells = m_minX / m_cell;
        m_minYInCells = m_minY / m_cell;
        // A cell's column and row only grow with the coordinates: the far corner's are the last.
        m_columns = uint64_t{Along(box.maxX, m_minXInCells)} + 1;
        m_rows = uint64_t{Along(box.maxY, m_minYInCells)} + 1;
    }

    Cell CellOf(const ContourPoint& p) const
    {
        return {Along(p.x, m_minXInCells), Along(p.y, m_minYInCells)};
    }
    uint64_t Key(const ContourPoint& p) const
    {
        return Along(p.x, m_minXInCells) * m_rows + Along(p.y, m_minYInCells);
    }
    // As a double, so that no product overflows; exact wherever the keys fit 32 bits.
    double Cells() const { return static_cast<double>(m_columns) * static_cast<double>(m_rows); }

  private:
    // The whole cells from min: below 0 (or not a number) 0, beyond 2^32 - 1 that; whole
    // parts cut off, which for the numbers between is rounding down.
    uint32_t Along(double v, double minInCells) const
    {
        const double cells = v / m_cell - minInCells;
        if (!(cells > 0))
            return 0;
        return cells < 0x1p32 - 1 ? static_cast<uint32_t>(cells) : UINT32_MAX;
    }

    double m_minX = HUGE_VAL, m_minY = HUGE_VAL, m_cell = 1.0;
    double m_minXInCells = 0.0, m_minYInCells = 0.0;
    uint64_t m_columns = 1, m_rows = 1;
};

// The points of each occupied cell in the order of the cells, and the groups' first points
// found so far in each.
struct CellRun
{
    Cell cell;
    int firstFounder = 0, endFounder = 0;
};
} // namespace

namespace
{
const size_t kSortedBeside = 1 << 16;

// The longest bucket sorted by insertion: a bucket is as long as the points' spread leaves it,
// and one far point can leave nearly all the others in one.
constexpr std::ptrdiff_t kInsertedAtMost = 32;

// Sorts [begin, end) by key, keeping the order of equal keys.
template <class Key> void InsertByKey(std::pair<Key, int>* begin, std::pair<Key, int>* end)
{
    for (auto* next = begin; next < end; ++next)
    {
        const std::pair<Key, int> taken = *next;
        auto* at = next;
        for (; at > begin && at[-1].first > taken.first; --at)
            *at = at[-1];
        *at = taken;
    }
}

// The points' cells and indices in order: spread by their keys' share of the cells into
// buckets of a few each, then each bucket sorted on its own, short and in cache.
template <class Key>
std::vector<std::pair<Key, int>> SortedByCell(const Grid& grid,
                                              const std::vector<ContourPoint>& points)
{
    const size_t count = points.size();
    const size_t buckets = count / 8 + 1;
    // Rounding keeps the share in the keys' order, so the buckets are too.
    const double share = static_cast<double>(buckets) / grid.Cells();
    auto bucketOf = [&](Key key)
    { return std::min(static_cast<size_t>(static_cast<double>(key) * share), buckets - 1); };
    std::vector<Key> keys(count);
    std::vector<int> first(buckets + 1, 0);
    for (size_t i = 0; i < count; ++i)
        ++first[bucketOf(keys[i] = static_cast<Key>(grid.Key(points[i]))) + 1];
    for (size_t b = 1; b <= buckets; ++b)
        first[b] += first[b - 1];
    std::vector<std::pair<Key, int>> order(count);
    std::vector<int> filled(first.begin(), first.end() - 1);
    for (size_t i = 0; i < count; ++i)
        order[filled[bucketOf(keys[i])]++] = {keys[i], static_cast<int>(i)};
    // A bucket holds its points in the order of their indices, so a stable sort by key alone
    // orders it by key and index; on a few points, insertion is the quickest.
    auto sortBuckets = [&](size_t from, size_t to)
    {
        for (size_t b = from; b < to; ++b)
        {
            auto *begin = order.data() + first[b], *end = order.data() + first[b + 1];
            if (end - begin <= kInsertedAtMost)
                InsertByKey(begin, end);
            else
                std::sort(begin, end);
        }
    };
    // On many points, the first half of the buckets beside the rest.
    const size_t half = count >= kSortedBeside ? buckets / 2 : 0;
    std::future<void> low;
    if (half > 0)
        low = Beside([&] { sortBuckets(0, half); });
    sortBuckets(half, buckets);
    if (low.valid())
        low.get();
    return order;
}

// The points in the cells' order, and each point's place in it.
template <class Key>
void PlaceByCell(const Grid& grid, const std::vector<ContourPoint>& points,
                 std::vector<ContourPoint>& at, std::vector<int>& placeOf)
{
    const std::vector<std::pair<Key, int>> order = SortedByCell<Key>(grid, points);
    at.resize(order.size());
    placeOf.resize(order.size());
    for (size_t i = 0; i < order.size(); ++i)
    {
        at[i] = points[order[i].second];
        placeOf[order[i].second] = static_cast<int>(i);
    }
}

// Joins the groups of the points in the cells' order. A point is compared with the groups'
// first points in its own cell and the cells before it that touch it: three of the column to
// the left, the one below.
void JoinInCells(const Grid& grid, const std::vector<ContourPoint>& at, double tolerance,
                 std::vector<int>& parent)
{
    std::vector<int> founders;
    std::vector<CellRun> runs;
    size_t behind = 0; // the first run that may still neighbour the current cell's column
    for (size_t i = 0; i < at.size(); ++i)
    {
        const Cell cell = grid.CellOf(at[i]);
        const int place = static_cast<int>(i);
        if (runs.empty() || !(runs.back().cell == cell))
        {
            // The runs behind are never read again: only a few columns' worth are kept.
            if (behind >= 4096 && 2 * behind >= runs.size())
            {
                runs.erase(runs.begin(), runs.begin() + static_cast<std::ptrdiff_t>(behind));
                behind = 0;
            }
            const int founded = static_cast<int>(founders.size());
            runs.push_back({cell, founded, founded});
        }
        const Cell lowest{cell.x - 1, cell.y - 1};
        while (runs[behind].cell < lowest)
            ++behind;
        bool near = false;
        auto join = [&](const CellRun& run)
        {
            for (int f = run.firstFounder; f < run.endFounder; ++f)
                if (Distance(at[place], at[founders[f]]) <= tolerance)
                {
                    parent[Root(parent, place)] = Root(parent, founders[f]);
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
            founders.push_back(place);
            runs.back().endFounder = static_cast<int>(founders.size());
        }
    }
}
} // namespace

std::vector<int> GroupNearPoints(const std::vector<ContourPoint>& points, double tolerance)
{
    const Grid grid(points, tolerance);
    // The walk reads the points, and joins their groups, by their places in the cells' order,
    // one after another in memory. The order itself is let go at once: a large drawing's
    // memory is fresh to the system, and each page first touched costs.
    std::vector<ContourPoint> at;
    std::vector<int> placeOf;
    // Keys half as wide where the cells allow: less fresh memory to fill and sort.
    if (grid.Cells() <= UINT32_MAX)
        PlaceByCell<uint32_t>(grid, points, at, placeOf);
    else
        PlaceByCell<uint64_t>(grid, points, at, placeOf);
    std::vector<int> parent(points.size());
    std::iota(parent.begin(), parent.end(), 0);
    JoinInCells(grid, at, tolerance, parent);
    // Every place straight to its group's root, read in the places' order where groups lie
    // together; then each root's entry holds its group's number, ~n, from its first point.
    for (size_t place = 0; place < parent.size(); ++place)
        parent[place] = Root(parent, static_cast<int>(place));
    std::vector<int> group(points.size());
    int groups = 0;
    for (size_t i = 0; i < points.size(); ++i)
    {
        const int to = parent[placeOf[i]];
        int& root = parent[to < 0 ? placeOf[i] : to];
        if (root >= 0)
            root = ~groups++;
        group[i] = ~root;
    }
    return group;
}

namespace
{
struct Node
{
    ContourPoint point;
    int index = 0;
};

// The nearest found so far; of points equally near, the one listed first.
struct Best
{
    int self, index = -1;
    double square = HUGE_VAL;

    void Offer(const ContourPoint& q, const Node& node)
    {
        const double dx = q.x - node.point.x, dy = q.y - node.point.y, s = dx * dx + dy * dy;
        if (node.index != self && (s < square || (s == square && node.index < index)))
        {
            index = node.index;
            square = s;
        }
    }
    std::pair<int, double> Result() const
    {
        return index < 0 ? std::pair<int, double>{-1, 0.0} : std::pair{index, std::sqrt(square)};
    }
};

// An implicit tree: each range's middle point splits it, by x and y in turn; short ranges
// are searched point by point. It takes any spread of points, bunched or strung along lines.
class PointTree
{
  public:
    explicit PointTree(std::vector<Node> nodes) : m_nodes(std::move(nodes))
    {
        Build(0, static_cast<int>(m_nodes.size()), true);
    }

    // Queried in the tree's own order, neighbouring queries share what they read.
    std::vector<std::pair<int, double>> NearestOthers() const
    {
        std::vector<std::pair<int, double>> nearest(m_nodes.size(), {-1, 0.0});
        for (int at = 0; at < static_cast<int>(m_nodes.size()); ++at)
        {
            Best best{m_nodes[at].index};
            // A neighbour in the array is near already: a small bound to start from.
            for (int guess : {at - 1, at + 1})
                if (guess >= 0 && guess < static_cast<int>(m_nodes.size()))
                    best.Offer(m_nodes[at].point, m_nodes[guess]);
            Search(m_nodes[at].point, 0, static_cast<int>(m_nodes.size()), true, best);
            nearest[m_nodes[at].index] = best.Result();
        }
        return nearest;
    }

    // The closest pair among the points from..to of the tree's order and any other point.
    // Each point's nearest is looked for within the nearest distance found so far: once a
    // close pair is known, most searches end at once. Distances are compared as NearestOthers
    // gives them, after the square root, where squares a little apart may tie.
    std::optional<ClosestPair> Closest(int from, int to) const
    {
        std::optional<ClosestPair> closest;
        double bound = HUGE_VAL; // a square beyond it makes a longer distance
        for (int at = from; at < to; ++at)
        {
            // Until a pair is found this is the search NearestOthers makes; after, one that
            // takes a point at the bound too.
            Best best{m_nodes[at].index};
            if (closest)
            {
                best.index = std::numeric_limits<int>::max();
                best.square = bound;
            }
            Search(m_nodes[at].point, 0, static_cast<int>(m_nodes.size()), true, best);
            if (best.index < 0 || best.index == std::numeric_limits<int>::max())
                continue;
            const ClosestPair pair{m_nodes[at].index, best.index, best.Result().second};
            if (!closest || pair.distance < closest->distance)
                bound = best.square * (1 + 1e-15); // the squares with this root lie within
            if (!closest || Closer(pair, *closest))
                closest = pair;
        }
        return closest;
    }

    int Size() const { return static_cast<int>(m_nodes.size()); }

    static bool Closer(const ClosestPair& a, const ClosestPair& b)
    {
        return a.distance < b.distance || (a.distance == b.distance && a.first < b.first);
    }

  private:
    static constexpr int kLeaf = 8;
    static constexpr int kBuiltBeside = 1 << 14;

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
        if (lo == 0 && hi - lo >= kBuiltBeside) // the two halves of a large tree at once
        {
            auto low = Beside([=] { Build(lo, mid, !byX); });
            Build(mid + 1, hi, !byX);
            low.get();
            return;
        }
        Build(lo, mid, !byX);
        Build(mid + 1, hi, !byX);
    }

    void Search(const ContourPoint& q, int lo, int hi, bool byX, Best& best) const
    {
        if (hi - lo <= kLeaf)
        {
            for (int at = lo; at < hi; ++at)
                best.Offer(q, m_nodes[at]);
            return;
        }
        const int mid = lo + (hi - lo) / 2;
        const double across = byX ? q.x - m_nodes[mid].point.x : q.y - m_nodes[mid].point.y;
        if (across * across <= best.square) // else it lies farther than the nearest so far
            best.Offer(q, m_nodes[mid]);
        const bool lowFirst = across < 0;
        Search(q, lowFirst ? lo : mid + 1, lowFirst ? mid : hi, !byX, best);
        // Equally far across still may hold a tie listed earlier.
        if (across * across <= best.square)
            Search(q, lowFirst ? mid + 1 : lo, lowFirst ? hi : mid, !byX, best);
    }

    std::vector<Node> m_nodes;
};

// Cells sized for about two points each over the points' extent, the points sorted by cell,
// column after column. Each point's nearest is looked for in its own cell, then ring after
// ring of cells around it, until no cell further out can hold one nearer. Points spread over
// the sheet take a few cells each; points bunched into few cells make it give way to the tree.
class PointGrid
{
  public:
    explicit PointGrid(const std::vector<ContourPoint>& points)
    {
        const PointBox box = BoxAround(points);
        // Halved throughout, so that no difference overflows.
        m_halfMinX = box.minX / 2;
        m_halfMinY = box.minY / 2;
        const double w = box.maxX / 2 - m_halfMinX, h = box.maxY / 2 - m_halfMinY;
        const double n = static_cast<double>(points.size());
        const double side = std::max(w, h);
        m_halfCell = std::max(std::sqrt(2 * (w / n) * h), 2 * side / n);
        // Points all alike, or a cell too small or too large to count in: one cell or two.
        if (!(m_halfCell > 0x1p-1000) || !std::isfinite(m_halfCell))
            m_halfCell = side > 0 ? side : 1.0;
        m_columns = static_cast<int>(std::min(w / m_halfCell, n)) + 1;
        m_rows = static_cast<int>(std::min(h / m_halfCell, n)) + 1;

        // The points by cell: counted, then placed.
        m_first.assign(static_cast<size_t>(m_columns) * m_rows + 1, 0);
        std::vector<int> cellOf(points.size());
        for (size_t i = 0; i < points.size(); ++i)
            ++m_first[(cellOf[i] = CellOf(points[i])) + 1];
        for (size_t c = 1; c < m_first.size(); ++c)
            m_first[c] += m_first[c - 1];
        m_nodes.resize(points.size());
        std::vector<int> filled(m_first.begin(), m_first.end() - 1);
        for (size_t i = 0; i < points.size(); ++i)
            m_nodes[filled[cellOf[i]]++] = {points[i], static_cast<int>(i)};
    }

    // Whether few points share a cell, so that a search reads few points.
    bool Spread() const
    {
        double pairs = 0;
        for (size_t c = 0; c + 1 < m_first.size(); ++c)
            pairs +=
                static_cast<double>(m_first[c + 1] - m_first[c]) * (m_first[c + 1] - m_first[c]);
        return pairs <= 8.0 * static_cast<double>(m_nodes.size());
    }

    std::vector<Node> TakeNodes() { return std::move(m_nodes); }

    // Queried in the order of the cells, neighbouring queries share what they read.
    std::vector<std::pair<int, double>> NearestOthers() const
    {
        std::vector<std::pair<int, double>> nearest(m_nodes.size(), {-1, 0.0});
        for (const Node& node : m_nodes)
            nearest[node.index] = Nearest(node);
        return nearest;
    }

  private:
    double AlongX(double x) const { return (x / 2 - m_halfMinX) / m_halfCell; }
    double AlongY(double y) const { return (y / 2 - m_halfMinY) / m_halfCell; }
    static int Clamp(double along, int count)
    {
        return static_cast<int>(std::min(along, static_cast<double>(count - 1)));
    }
    int CellOf(const ContourPoint& p) const
    {
        return Clamp(AlongX(p.x), m_columns) * m_rows + Clamp(AlongY(p.y), m_rows);
    }

    // The points of column x, rows y0 to y1.
    void OfferColumn(const ContourPoint& q, int x, int y0, int y1, Best& best) const
    {
        if (x < 0 || x >= m_columns)
            return;
        y0 = std::max(y0, 0);
        y1 = std::min(y1, m_rows - 1);
        if (y0 > y1)
            return;
        const size_t column = static_cast<size_t>(x) * m_rows;
        for (int at = m_first[column + y0]; at < m_first[column + y1 + 1]; ++at)
            best.Offer(q, m_nodes[at]);
    }

    std::pair<int, double> Nearest(const Node& node) const
    {
        const ContourPoint& q = node.point;
        const double ax = AlongX(q.x), ay = AlongY(q.y);
        const int cx = Clamp(ax, m_columns), cy = Clamp(ay, m_rows);
        Best best{node.index};
        for (int r = 0;; ++r)
        {
            OfferColumn(q, cx - r, cy - r, cy + r, best);
            if (r > 0)
            {
                OfferColumn(q, cx + r, cy - r, cy + r, best);
                for (int x = cx - r + 1; x < cx + r; ++x)
                {
                    OfferColumn(q, x, cy - r, cy - r, best);
                    OfferColumn(q, x, cy + r, cy + r, best);
                }
            }
            // How far the nearest cell beyond these rings lies, on the sides that have one;
            // less a millionth of a cell for the rounding of the cells' coordinates.
            double beyond = HUGE_VAL;
            if (cx - r > 0)
                beyond = std::min(beyond, ax - (cx - r));
            if (cx + r < m_columns - 1)
                beyond = std::min(beyond, cx + r + 1 - ax);
            if (cy - r > 0)
                beyond = std::min(beyond, ay - (cy - r));
            if (cy + r < m_rows - 1)
                beyond = std::min(beyond, cy + r + 1 - ay);
            if (beyond == HUGE_VAL)
                break;
            const double reach = 2 * m_halfCell * (beyond - 1e-6);
            if (best.index >= 0 && reach > 0 && best.square < reach * reach)
                break;
        }
        return best.Result();
    }

    double m_halfMinX = 0.0, m_halfMinY = 0.0, m_halfCell = 1.0;
    int m_columns = 1, m_rows = 1;
    std::vector<int> m_first; // each cell's first point in m_nodes, and one past the last cell
    std::vector<Node> m_nodes;
};
} // namespace

std::vector<std::pair<int, double>> NearestOthers(const std::vector<ContourPoint>& points)
{
    if (points.empty())
        return {};
    PointGrid grid(points);
    if (grid.Spread())
        return grid.NearestOthers();
    return PointTree(grid.TakeNodes()).NearestOthers();
}

std::optional<ClosestPair> ClosestPairOf(const std::vector<ContourPoint>& points)
{
    std::vector<Node> nodes(points.size());
    for (size_t i = 0; i < points.size(); ++i)
        nodes[i] = {points[i], static_cast<int>(i)};
    const PointTree tree(std::move(nodes));
    // Two halves of the searches at once: the summary waits for this alone.
    const int half = tree.Size() / 2;
    auto low = Beside([&] { return tree.Closest(0, half); });
    const std::optional<ClosestPair> high = tree.Closest(half, tree.Size());
    const std::optional<ClosestPair> first = low.get();
    if (first && high)
        return PointTree::Closer(*high, *first) ? high : first;
    return first ? first : high;
}
