#pragma once
// The shapes of an import that can make contours, reduced to what joining them needs.
#include <cmath>
#include <vector>

#include "Contours.h"
#include "Import.h"

// Small, as a large drawing has a million of them.
struct Piece
{
    ContourPoint start, end;
    double reach = 0.0; // the farthest any point of the piece lies from its start
    int number = 0;
    bool whole = false; // closed by its flag, or a whole circle or ellipse
};
static_assert(sizeof(Piece) <= 48, "a piece fits in 48 bytes");

struct PieceList
{
    // In the order of the shapes, in the runs that were collected apart: a run is not copied
    // onto another.
    std::vector<std::vector<Piece>> runs;
    std::vector<int> firstInsertPiece;
    double size = 0.0; // the larger side of the extent of every piece
};

PieceList CollectPieces(const Import& import);

inline double Distance(const ContourPoint& a, const ContourPoint& b)
{
    const double dx = a.x - b.x, dy = a.y - b.y;
    return std::sqrt(dx * dx + dy * dy);
}
