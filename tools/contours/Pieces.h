#pragma once
// The shapes of an import that can make contours, sorted at the tolerance into dots, closed
// pieces and open pieces, of which only the ends are kept.
#include <cmath>
#include <optional>
#include <vector>

#include "Contours.h"
#include "Import.h"

// The open pieces in the order of their shapes: piece k runs from ends[2k] to ends[2k + 1].
struct OpenPieces
{
    std::vector<ContourPoint> ends;
    std::vector<int> numbers;

    size_t Count() const { return numbers.size(); }
};

struct SortedPieces
{
    double tolerance = 0.0;
    int closed = 0; // dots are not counted
    OpenPieces open;
    std::vector<int> firstInsertPiece;
};

// Without a tolerance, the default share of the larger side of the pieces' extent.
SortedPieces CollectPieces(const Import& import, std::optional<double> tolerance);

inline double Distance(const ContourPoint& a, const ContourPoint& b)
{
    const double dx = a.x - b.x, dy = a.y - b.y;
    return std::sqrt(dx * dx + dy * dy);
}
