#include "Thumbnail.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "Geometry.h"
#include "Svg.h"

namespace
{
class Grid
{
  public:
    Grid(const Extent& extent, int cells)
        : m_minX(extent.minX), m_minY(extent.minY),
          m_cell(std::max(extent.maxX - extent.minX, extent.maxY - extent.minY) / cells)
    {
    }
    bool Usable() const { return std::isfinite(m_cell) && m_cell > 0; }
    std::pair<long long, long long> CellOf(double x, double y) const
    {
        return {Index(x - m_minX), Index(y - m_minY)};
    }

  private:
    // Non-finite points get a cell of their own so that they are never merged away.
    long long Index(double offset) const
    {
        const double cell = std::floor(offset / m_cell);
        return std::isfinite(cell) && std::fabs(cell) < 1e15 ? static_cast<long long>(cell)
                                                             : -1;
    }
    double m_minX, m_minY, m_cell;
};

int Thin(CPolylineShape& polyline, const Grid& grid)
{
    if (polyline.m_nCount <= 2)
        return polyline.m_nCount;
    int kept = 1;
    auto lastCell = grid.CellOf(polyline.m_pX[0], polyline.m_pY[0]);
    for (int i = 1; i < polyline.m_nCount; ++i)
    {
        const auto cell = grid.CellOf(polyline.m_pX[i], polyline.m_pY[i]);
        if (cell == lastCell && i != polyline.m_nCount - 1)
            continue;
        polyline.m_pX[kept] = polyline.m_pX[i];
        polyline.m_pY[kept] = polyline.m_pY[i];
        ++kept;
        lastCell = cell;
    }
    polyline.m_nCount = kept;
    return kept;
}
} // namespace

Thinning ThinToGrid(Import& import, int gridCells)
{
    Thinning thinning;
    const Grid grid(ImportExtent(import), gridCells);
    auto thin = [&](const CShape& shape) {
        // The import is ours to change; the visitor is read-only by its signature alone.
        auto* polyline = dynamic_cast<CPolylineShape*>(const_cast<CShape*>(&shape));
        if (!polyline)
            return;
        thinning.pointsBefore += polyline->m_nCount;
        thinning.pointsAfter += grid.Usable() ? Thin(*polyline, grid) : polyline->m_nCount;
    };
    ForEachShape(import.shapes, thin);
    ForEachShape(import.inserts, thin);
    return thinning;
}

std::string ThumbnailSvg(const Import& import)
{
    std::ostringstream svg;
    WriteSvg(svg, "", import);
    std::string text = svg.str();
    const size_t rootEnd = text.find('>', text.find("<svg"));
    if (rootEnd != std::string::npos)
        text.insert(rootEnd + 1, "<style>.legend{display:none}</style>");
    return text;
}
