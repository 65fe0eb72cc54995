#pragma once
// The small picture of a card: the import's polylines snapped to a pixel grid.
#include <string>
#include <vector>

#include "Contours.h"

#include "Import.h"

struct Thinning
{
    long long pointsBefore = 0;
    long long pointsAfter = 0;
};

// Snaps the import's polylines to a grid of gridCells across the drawing's longer side, in
// place: one point per cell that a polyline passes, no polyline that stays in one cell, and
// no second line between the same two cells. Circles, ellipses and texts stay as they are.
Thinning ThinToGrid(Import& import, int gridCells);

// The picture of an import as an SVG for a thumbnail, without the legend the page shows once;
// the free ends are those of the import before it was thinned.
std::string ThumbnailSvg(const Import& import, const std::vector<ContourPoint>& freeEnds);
