#pragma once
// The summary's counts and extent of an import, taken a chunk of shapes at a time by every
// thread that calls Take, as each is free, and added up in the chunks' order: the same totals
// as one walk over the shapes.
#include <atomic>
#include <cstddef>
#include <vector>

#include "Geometry.h"
#include "Import.h"
#include "ShapeCounts.h"

struct ShapeTotals
{
    ShapeCounts shapes;   // the import's own
    ShapeCounts inserted; // the inserts' children
    Extent extent;        // of both, as ImportExtent gives it
};

class ShapeTally
{
  public:
    explicit ShapeTally(const Import& import);

    // Tallies chunks until none is left; any number of threads may call it at once.
    void Take();
    // Once every call of Take has returned.
    ShapeTotals Totals() const;

  private:
    const Import& m_import;
    std::vector<ShapeTotals> m_chunks;
    std::atomic<std::size_t> m_next{0};
};
