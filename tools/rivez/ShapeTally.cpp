#include "ShapeTally.h"

#include <algorithm>

namespace
{
// Enough shapes that taking a chunk costs nothing beside it, few enough that a thread that
// comes late still finds work.
constexpr std::size_t kChunkShapes = 4096;
} // namespace

ShapeTally::ShapeTally(const Import& import)
    : m_import(import),
      m_chunks((import.shapes.size() + import.inserts.size() + kChunkShapes - 1) / kChunkShapes)
{
}

void ShapeTally::Take()
{
    const std::size_t own = m_import.shapes.size(), all = own + m_import.inserts.size();
    for (std::size_t c; (c = m_next.fetch_add(1, std::memory_order_relaxed)) < m_chunks.size();)
    {
        ShapeTotals& chunk = m_chunks[c];
        for (std::size_t i = c * kChunkShapes; i < std::min(all, (c + 1) * kChunkShapes); ++i)
        {
            const bool inserted = i >= own;
            const CObject& object = inserted ? *m_import.inserts[i - own] : *m_import.shapes[i];
            ShapeCounts& counts = inserted ? chunk.inserted : chunk.shapes;
            ForEachShape(&object, [&counts](const CShape& s) { counts.Count(s); });
            chunk.extent.AddShape(object);
        }
    }
}

ShapeTotals ShapeTally::Totals() const
{
    ShapeTotals totals;
    for (const ShapeTotals& chunk : m_chunks)
    {
        totals.shapes.Add(chunk.shapes);
        totals.inserted.Add(chunk.inserted);
        // An extent's least and greatest are the first met of equal values, in either order of
        // adding up: so the same as ImportExtent's, shape after shape.
        totals.extent.Add(chunk.extent);
    }
    return totals;
}
