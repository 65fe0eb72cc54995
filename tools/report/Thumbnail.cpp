#include "Thumbnail.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>
#include <sstream>

#include "Geometry.h"
#include "Svg.h"

namespace
{
using Cell = std::pair<long long, long long>;

class Grid
{
  public:
    Grid(const Extent& extent, int cells)
        : m_minX(extent.minX), m_minY(extent.minY),
          m_cell(std::max(extent.maxX - extent.minX, extent.maxY - extent.minY) / cells)
    {
    }
    bool Usable() const { return std::isfinite(m_cell) && m_cell > 0; }
    // Non-finite points have no cell: they stay as they are and are never merged away.
    std::optional<Cell> CellOf(double x, double y) const
    {
        const double i = std::floor((x - m_minX) / m_cell), j = std::floor((y - m_minY) / m_cell);
        if (!std::isfinite(i) || !std::isfinite(j) || std::fabs(i) > 1e15 || std::fabs(j) > 1e15)
            return std::nullopt;
        return Cell{static_cast<long long>(i), static_cast<long long>(j)};
    }
    double CentreX(const Cell& cell) const { return m_minX + (cell.first + 0.5) * m_cell; }
    double CentreY(const Cell& cell) const { return m_minY + (cell.second + 0.5) * m_cell; }

  private:
    double m_minX, m_minY, m_cell;
};

// Moves every point to the centre of its cell and keeps one point per run of points in the
// same cell. A polyline left within one cell is dropped, and so is a two-point one whose cells
// another already joins: drawings of many short lines shrink the most.
void Thin(CPolylineShape& polyline, const Grid& grid, std::set<std::pair<Cell, Cell>>& segments)
{
    int kept = 0;
    std::optional<Cell> last;
    bool finite = true;
    for (int i = 0; i < polyline.m_nCount; ++i)
    {
        const std::optional<Cell> cell = grid.CellOf(polyline.m_pX[i], polyline.m_pY[i]);
        finite = finite && cell;
        if (cell && kept > 0 && cell == last)
            continue;
        polyline.m_pX[kept] = cell ? grid.CentreX(*cell) : polyline.m_pX[i];
        polyline.m_pY[kept] = cell ? grid.CentreY(*cell) : polyline.m_pY[i];
        ++kept;
        last = cell;
    }
    const Cell first = grid.CellOf(polyline.m_pX[0], polyline.m_pY[0]).value_or(Cell{});
    if (finite && kept == 1)
        kept = 0;
    else if (finite && kept == 2 && !segments.insert(std::minmax(first, *last)).second)
        kept = 0;
    polyline.m_nCount = kept;
}
} // namespace

Thinning ThinToGrid(Import& import, int gridCells)
{
    Thinning thinning;
    const Grid grid(ImportExtent(import), gridCells);
    std::set<std::pair<Cell, Cell>> segments;
    auto thin = [&](const CShape& shape)
    {
        // The import is ours to change; the visitor is read-only by its signature alone.
        auto* polyline = dynamic_cast<CPolylineShape*>(const_cast<CShape*>(&shape));
        if (!polyline)
            return;
        thinning.pointsBefore += polyline->m_nCount;
        if (grid.Usable() && polyline->m_nCount > 0)
            Thin(*polyline, grid, segments);
        thinning.pointsAfter += polyline->m_nCount;
    };
    ForEachShape(import.shapes, thin);
    ForEachShape(import.inserts, thin);
    return thinning;
}
std::string ThumbnailSvg(const Import& import, const std::vector<ContourPoint>& freeEnds)
{
    std::ostringstream svg;
    WriteSvg(svg, "", import, freeEnds);
    std::string text = svg.str();
    const size_t rootEnd = text.find('>', text.find("<svg"));
    if (rootEnd != std::string::npos)
        text.insert(rootEnd + 1, "<style>.legend{display:none}</style>");
    return text;
}
