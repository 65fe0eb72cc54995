#pragma once
// The small picture of a card: the import's polylines thinned to a pixel grid.
#include <string>

#include "Import.h"

struct Thinning
{
    long long pointsBefore = 0;
    long long pointsAfter = 0;
};

// Drops every polyline point that falls in the same cell of a grid of gridCells across the
// drawing's longer side as the point kept before it; first and last points always stay.
// Changes the import's polylines in place.
Thinning ThinToGrid(Import& import, int gridCells);

// The picture of an import as an SVG for a thumbnail, without the legend the page shows once.
std::string ThumbnailSvg(const Import& import);
