#include "Parts.h"

#include <algorithm>
#include <cmath>

#include "Nesting.h"

namespace
{
// A stroke all of whose points lie within the tolerance of its start.
bool IsDot(const Stroke& stroke, double tolerance)
{
    return std::all_of(stroke.points.begin(), stroke.points.end(),
                       [&](const ContourPoint& p) { return Distance(p, stroke.points[0]) <= tolerance; });
}

std::vector<int> Numbers(const std::vector<Stroke>& strokes, const std::vector<int>& indices)
{
    std::vector<int> numbers;
    numbers.reserve(indices.size());
    for (int s : indices)
        numbers.push_back(strokes[s].number);
    return numbers;
}

void SortUnique(std::vector<int>& numbers)
{
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
}

// A chain's points end to end, each stroke in the direction the chain runs.
Path ChainPath(const std::vector<Stroke>& strokes, const StrokeGroup& chain)
{
    Path path;
    for (size_t i = 0; i < chain.strokes.size(); ++i)
    {
        const Path& points = strokes[chain.strokes[i]].points;
        const size_t skip = path.empty() ? 0 : 1;
        if (chain.reversed[i])
            path.insert(path.end(), points.rbegin() + static_cast<long>(skip), points.rend());
        else
            path.insert(path.end(), points.begin() + static_cast<long>(skip), points.end());
    }
    return path;
}

class Builder
{
  public:
    Builder(const Import& import, const PartsOptions& options)
        : m_list(CollectStrokes(import, options.chordTolerance)), m_die(import.importer == "die")
    {
        m_floor = kRelativeGapTolerance * m_list.size;
        m_report.gapTolerance = options.gapTolerance ? *options.gapTolerance : m_floor;
        m_report.chordTolerance = m_list.chordTolerance;
    }

    PartsReport Run()
    {
        const double tolerance = m_report.gapTolerance;
        std::vector<Stroke>& strokes = m_list.strokes;
        std::vector<RingSource> rings;
        std::vector<int> open, marks;
        for (size_t s = 0; s < strokes.size(); ++s)
        {
            const Stroke& stroke = strokes[s];
            if ((m_die && stroke.lineClass == 1) || IsDot(stroke, tolerance))
                marks.push_back(static_cast<int>(s));
            else if (stroke.closed)
                rings.push_back({{stroke.number}, stroke.points, stroke.circle});
            else
                open.push_back(static_cast<int>(s));
        }
        Joining joining = JoinStrokes(strokes, open, tolerance, m_floor);
        m_report.bridged = std::move(joining.bridged);
        for (JoinedRing& ring : joining.rings)
            rings.push_back({Numbers(strokes, ring.strokes), std::move(ring.points), std::nullopt});
        Noding noding = NodeGroups(m_geos, strokes, joining.groups, tolerance, m_floor);
        for (NodedRing& ring : noding.rings)
            rings.push_back({Numbers(strokes, ring.strokes), std::move(ring.points), std::nullopt});
        marks.insert(marks.end(), noding.unplaced.begin(), noding.unplaced.end());
        m_report.problems = std::move(noding.problems);

        const Nesting nesting(m_geos, std::move(rings), std::max(tolerance, m_floor),
                              m_report.parts, m_report.problems);
        for (int s : marks)
            Place(strokes[s].number, MiddleOf(strokes[s].points), nesting);
        for (const Spot& text : m_list.texts)
            Place(text.number, text.at, nesting);
        for (Part& part : m_report.parts)
            SortUnique(part.marks);
        SortUnique(m_report.loose);
        for (int g : noding.openChains)
            AddOpen(joining.groups[g], nesting);
        return std::move(m_report);
    }

  private:
    void Place(int number, const ContourPoint& at, const Nesting& nesting)
    {
        const int part = nesting.PartAt(at);
        (part < 0 ? m_report.loose : m_report.parts[part].marks).push_back(number);
    }

    // An open chain, and the parts inside the area it would bound were its gap closed.
    void AddOpen(const StrokeGroup& chain, const Nesting& nesting)
    {
        const Path path = ChainPath(m_list.strokes, chain);
        OpenOutline open{Numbers(m_list.strokes, chain.strokes), Distance(path.front(), path.back()),
                         {path.front(), path.back()}};
        const double area = std::fabs(SignedArea(path));
        double length = 0;
        for (size_t i = 1; i < path.size(); ++i)
            length += Distance(path[i - 1], path[i]);
        if (area > m_report.gapTolerance * length && !m_report.parts.empty())
            for (int p : nesting.PartsInside(path))
            {
                std::vector<int> pieces = m_report.parts[p].outline.pieces;
                pieces.insert(pieces.end(), open.pieces.begin(), open.pieces.end());
                SortUnique(pieces);
                m_report.problems.push_back(
                    {"inside-open-outline", m_report.parts[p].outline.points[0], pieces,
                     "part " + std::to_string(p) +
                         " lies inside the area an open chain would close across its gap"});
            }
        m_report.open.push_back(std::move(open));
    }

    Geos m_geos;
    StrokeList m_list;
    bool m_die;
    double m_floor = 0.0;
    PartsReport m_report;
};
} // namespace

bool PartsAvailable()
{
    return true;
}

PartsReport BuildParts(const Import& import, const PartsOptions& options)
{
    return Builder(import, options).Run();
}
